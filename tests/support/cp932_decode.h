// One CP932 character as the platform's own conversion reads it, the source of the test table:
// glibc's iconv natively (cp932_decode_iconv.cpp), the system's code page 932 under Wine
// (tests/win32/cp932_decode.cpp), so that no Windows header reaches the shared test support.
#pragma once
#include <string_view>

namespace kakipo::test {

inline constexpr char16_t noCp932Character = 0xFFFF;  // a noncharacter: no code of CP932 stands for it

// One CP932 character (one byte, or a lead byte and its trail) as a UTF-16 unit, or
// noCp932Character when the code page has no character for it.
char16_t decodeCp932Character(std::string_view bytes);

}  // namespace kakipo::test
