#include "win32/private_profile.h"

#include <windows.h>

#include <vector>

#include "win32/encoding.h"
#include "win32/files.h"

namespace kakipo::win32 {

namespace {

constexpr char utf16Mark[] = "\xFF\xFE";

// Whether the ANSI code page, the one a non-Unicode INI file is kept in, has every character of
// the text (nothing best-fitted to a look-alike).
bool ansiHolds(const std::wstring& text) {
  if (text.empty()) return true;
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, &usedDefault);
  return n > 0 && !usedDefault;
}

// The file as UTF-16 with its mark, its text read in the ANSI code page as the profile functions
// read it; a file that is Unicode already, or cannot be read, stays as it is (a write then fails
// the way it would have).
bool makeUnicode(const std::wstring& file) {
  std::string bytes;
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    Win32Files files;
    try {
      bytes = files.readAll(narrow(file));
    } catch (const std::exception&) {
      return false;
    }
    if (bytes.starts_with(utf16Mark)) return true;
  }
  std::wstring text;
  if (!bytes.empty()) {
    const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    text.resize(static_cast<std::size_t>(n));
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  }
  std::string unicode(utf16Mark, 2);
  unicode.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  try {
    Win32Files files;
    files.writeAll(narrow(file), unicode);
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

}  // namespace

std::string PrivateProfile::readString(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& defaultValue) const {
  // As many UTF-16 units as the platform's byte buffer holds bytes: never more than an earlier
  // version read; the logic cuts the value to its 2047 bytes as Shift_JIS counts them.
  std::vector<wchar_t> buffer(bufferSize, L'\0');
  const DWORD n = GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(),
                                           widen(defaultValue).c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), widen(file).c_str());
  return narrow(std::wstring_view(buffer.data(), n));
}

bool PrivateProfile::writeString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& value) {
  const std::wstring path = widen(file), wideSection = widen(section), wideKey = widen(key), wideValue = widen(value);
  if (!(ansiHolds(wideSection) && ansiHolds(wideKey) && ansiHolds(wideValue)) && !makeUnicode(path)) return false;
  return WritePrivateProfileStringW(wideSection.c_str(), wideKey.c_str(), wideValue.c_str(), path.c_str()) != FALSE;
}

}  // namespace kakipo::win32
