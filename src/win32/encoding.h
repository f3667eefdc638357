// The program's text (UTF-8, core/utf.h) at the system's wide API, both ways, exactly: a name,
// a caption or a box's text comes back as it was, lone surrogates and all.
#pragma once
#include <string>
#include <string_view>

namespace kakipo::win32 {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view wide);

// The same units as the portable code reads them.
std::u16string_view asUtf16(std::wstring_view text);
std::wstring_view asWide(std::u16string_view text);

}  // namespace kakipo::win32
