// The Win32 file adapter on real files under Wine: exact bytes, shut-out writers, sizes beyond
// 32 bits, and saves that fail without touching the old file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "documents/plain_text_original.h"
#include "win32/encoding.h"
#include "win32/files.h"

namespace kakipo::win32 {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    folderW_ = std::wstring(tmp) + L"kakipo_files_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
               std::to_wstring(counter_++);
    CreateDirectoryW(folderW_.c_str(), nullptr);
    folder_ = narrow(folderW_);
  }
  void TearDown() override {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folderW_ + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring p = folderW_ + L"\\" + fd.cFileName;
        SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveDirectoryW(p.c_str());
        else
          DeleteFileW(p.c_str());
      } while (FindNextFileW(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryW(folderW_.c_str());
  }
  std::string path(const std::string& file) const { return folder_ + "\\" + file; }
  static void put(const std::string& name, const std::string& bytes) {
    HANDLE h = CreateFileW(widen(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(h);
  }
  int filesInFolder() const {
    int n = 0;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folderW_ + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    return n;
  }

  Win32Files files;
  std::wstring folderW_;
  std::string folder_;
  static inline int counter_ = 0;
};

std::string everyByteAndPair() {
  std::string s;
  for (int i = 0; i < 256; ++i) s += static_cast<char>(i);
  for (int a = 0x81; a < 0x100; a += 7)
    for (int b = 0x40; b < 0x100; ++b) s += {static_cast<char>(a), static_cast<char>(b)};
  return s;
}

TEST_F(FilesTest, BytesGoOutAndComeBackExactlyUnderAJapaneseName) {
  const std::string name = path("表メモ ｶﾅ.txt");
  const std::string bytes = everyByteAndPair();
  files.writeAll(name, bytes);
  EXPECT_EQ(files.readAll(name), bytes);
  EXPECT_EQ(files.size(name), static_cast<std::int64_t>(bytes.size()));
  EXPECT_TRUE(files.fileExists(name));
  files.writeAll(name, "short");
  EXPECT_EQ(files.readAll(name), "short");
  EXPECT_EQ(filesInFolder(), 1);  // no temporary or backup file left behind
}

TEST_F(FilesTest, SizesAndExistence) {
  put(path("a"), std::string(1000001, 'x'));
  EXPECT_EQ(files.size(path("a")), 1000001);
  EXPECT_EQ(files.size(path("none")), -1);
  EXPECT_EQ(files.size(path("*")), -1);  // no wildcard search
  EXPECT_FALSE(files.fileExists(path("none")));
  CreateDirectoryW(widen(path("dir.txt")).c_str(), nullptr);
  EXPECT_FALSE(files.fileExists(path("dir.txt")));
  EXPECT_GE(files.size(path("dir.txt")), 0);
}

TEST_F(FilesTest, SizeBeyondFourGigabytesKeepsItsHighBits) {
  HANDLE h = CreateFileW(widen(path("big")).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  LARGE_INTEGER at;
  at.QuadPart = 0x100000005LL;
  ASSERT_TRUE(SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(h));
  CloseHandle(h);
  EXPECT_EQ(files.size(path("big")), 0x100000005LL);
}

TEST_F(FilesTest, FileHeldOpenForWritingCannotBeOpened) {
  put(path("busy.txt"), "x");
  HANDLE writer = CreateFileW(widen(path("busy.txt")).c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_THROW(files.readAll(path("busy.txt")), OpenError);
  CloseHandle(writer);
  EXPECT_EQ(files.readAll(path("busy.txt")), "x");
  EXPECT_THROW(files.readAll(path("none.txt")), OpenError);
  EXPECT_THROW(files.readAll(""), OpenError);
  CreateDirectoryW(widen(path("d")).c_str(), nullptr);
  EXPECT_THROW(files.readAll(path("d")), OpenError);
}

TEST_F(FilesTest, ReaderKeepsWritersOut) {
  put(path("r.txt"), "x");
  // While another reader has it, we can still read it; a writer that shares reading only can't
  // coexist with our shut-out.
  HANDLE reader = CreateFileW(widen(path("r.txt")).c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(files.readAll(path("r.txt")), "x");
  CloseHandle(reader);
}

// Fails every write after the first chunk of the temporary file, like a disk that fills up.
class FailingCalls : public FileCalls {
 public:
  bool write(HANDLE file, const char* data, DWORD length) override {
    if (chunks++ > 0) return false;
    return FileCalls::write(file, data, length);
  }
  int chunks = 0;
};

TEST_F(FilesTest, SaveFailingPartWayLeavesTheOldFileIntact) {
  put(path("keep.txt"), "old content");
  FailingCalls calls;
  Win32Files failing(calls);
  try {
    failing.writeAll(path("keep.txt"), std::string(3 << 20, 'n'));
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + path("keep.txt") + " を作成できません");
  }
  EXPECT_EQ(files.readAll(path("keep.txt")), "old content");
  EXPECT_EQ(filesInFolder(), 1);
}

TEST_F(FilesTest, TargetsThatCannotBeReplacedStayAsTheyWere) {
  put(path("ro.txt"), "read only");
  SetFileAttributesW(widen(path("ro.txt")).c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_THROW(files.writeAll(path("ro.txt"), "new"), Error);
  EXPECT_EQ(files.readAll(path("ro.txt")), "read only");

  CreateDirectoryW(widen(path("dir.txt")).c_str(), nullptr);
  EXPECT_THROW(files.writeAll(path("dir.txt"), "new"), Error);

  // Held by a program that lets nobody write: no way in, neither by replacing nor in place.
  put(path("held.txt"), "held");
  HANDLE other = CreateFileW(widen(path("held.txt")).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_THROW(files.writeAll(path("held.txt"), "new"), Error);
  CloseHandle(other);
  EXPECT_EQ(files.readAll(path("held.txt")), "held");
  EXPECT_EQ(filesInFolder(), 2);
  EXPECT_THROW(files.writeAll(path("nofolder\\x.txt"), "new"), Error);
}

TEST_F(FilesTest, ReplacingKeepsTheTargetsAttributes) {
  put(path("h.txt"), "old");
  SetFileAttributesW(widen(path("h.txt")).c_str(), FILE_ATTRIBUTE_HIDDEN);
  files.writeAll(path("h.txt"), "new");
  EXPECT_EQ(files.readAll(path("h.txt")), "new");
  EXPECT_TRUE(GetFileAttributesW(widen(path("h.txt")).c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST_F(FilesTest, RelativeNamesExpandAgainstTheCurrentFolder) {
  wchar_t before[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, before);
  SetCurrentDirectoryW(folderW_.c_str());
  files.writeAll("rel.txt", "r");
  EXPECT_EQ(files.fullPath("rel.txt"), path("rel.txt"));
  EXPECT_EQ(files.size("rel.txt"), 1);
  SetCurrentDirectoryW(before);
  EXPECT_EQ(files.readAll(path("rel.txt")), "r");
}

}  // namespace
}  // namespace kakipo::win32
