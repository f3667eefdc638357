// The wide functions with an explicit code page 932 conversion, rather than the ANSI ones: the
// program's strings are CP932 whatever the system's ANSI code page, so the path in the call and the
// one in the write-error message are the same file. The file's own bytes are the profile API's
// business either way: it keeps a non-Unicode INI file in the ANSI code page, which on a Japanese
// system (and under Wine with a Japanese LANG) is 932, giving the same file as the ANSI functions.
#include "win32/private_profile.h"

#include <windows.h>

#include <vector>

#include "win32/encoding.h"

namespace kakipo::win32 {

std::string PrivateProfile::readString(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& defaultValue) const {
  // A buffer of as many UTF-16 units as the platform's byte buffer holds bytes never cuts more than
  // the byte buffer would; the logic cuts the CP932 result to its 2047 bytes.
  std::vector<wchar_t> buffer(bufferSize, L'\0');
  const DWORD n = GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(),
                                           widen(defaultValue).c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), widen(file).c_str());
  return narrow(std::wstring_view(buffer.data(), n));
}

bool PrivateProfile::writeString(const std::string& file, const std::string& section, const std::string& key,
                                 const std::string& value) {
  return WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), widen(value).c_str(),
                                    widen(file).c_str()) != FALSE;
}

}  // namespace kakipo::win32
