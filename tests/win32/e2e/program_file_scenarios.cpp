// The program file as the shell shows it: its icon, its version in the properties, and the
// common-controls 6 manifest that gives it the system's current look.
#include "core/version.h"
#include "win32/e2e/scenario.h"

namespace e2e {
namespace {

struct Module {
  HMODULE h;
  explicit Module(const std::wstring& path)
      : h(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~Module() {
    if (h) FreeLibrary(h);
  }
  std::string resource(LPCWSTR type, LPCWSTR name) const {
    HRSRC r = FindResourceW(h, name, type);
    if (!r) return {};
    const auto* data = static_cast<const char*>(LockResource(LoadResource(h, r)));
    return std::string(data, SizeofResource(h, r));
  }
};

TEST(ProgramFile, CarriesAnIconTheVersionAndTheCommonControlsManifest) {
  const std::wstring exe = driverFolder() + L"\\kakipo.exe";
  Module m(exe);
  ASSERT_TRUE(m.h);

  // The icon the shell shows: the first icon group, with a 32 x 32 picture in it.
  HICON icon = static_cast<HICON>(LoadImageW(m.h, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, 0));
  ASSERT_TRUE(icon) << "no program icon";
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof bm, &bm);
  EXPECT_EQ(bm.bmWidth, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::string block(size, '\0');
  ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(kakipo::versionMinor, kakipo::versionMajor));
  wchar_t* text = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041103a4\\ProductVersion",
                             reinterpret_cast<void**>(&text), &len));
  EXPECT_EQ(std::wstring(text), L"" KAKIPO_VERSION_TEXT);
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\041103a4\\ProductName",
                             reinterpret_cast<void**>(&text), &len));
  EXPECT_EQ(std::wstring(text), L"カキポ");

  const std::string manifest = m.resource(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
  EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos) << manifest;
}

}  // namespace
}  // namespace e2e
