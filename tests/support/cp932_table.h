// Code page 932 and the Unicode forms as the test doubles need them: which UTF-16 units CP932
// holds and as what bytes, what its bytes stand for, and UTF-8 and UTF-16 to and from each
// other. The table is glibc's iconv natively and the system's code page 932 under Wine; a unit
// counts as held only when it comes back as itself (nothing is best-fitted), as in the program.
#pragma once
#include <string>
#include <string_view>

namespace kakipo::test {

// The CP932 bytes of a UTF-16 unit; empty when CP932 has no character for it.
const std::string& cp932Of(char16_t unit);
// The unit one CP932 character (one byte, or a lead byte and its trail) stands for; U+30FB (・)
// for a code with no character, as the system reads one.
char16_t unitOfCp932(std::string_view character);

// Invalid UTF-8 becomes one U+FFFD per byte that cannot start or continue a character.
std::u16string utf16FromUtf8(std::string_view utf8);
// A lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view utf16);
// CP932 text (with CR LF kept) as UTF-8, for fakes that hand the logic a text from outside.
std::string utf8FromCp932(std::string_view cp932);
// UTF-16 units as the bytes of a file, little- or big-endian, and back (an odd last byte dropped).
std::string utf16Bytes(std::u16string_view units, bool littleEndian);
std::u16string utf16FromBytes(std::string_view bytes, bool littleEndian);
// UTF-8 written with u8"" literals, as the bytes the program handles.
inline std::string utf8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

}  // namespace kakipo::test
