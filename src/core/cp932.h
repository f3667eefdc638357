// The code page 932 (Shift_JIS) byte rules the logic needs without asking the platform: which
// byte begins a double-byte character, where a text may be cut, ASCII upper-casing, and where a
// path's file name and extension begin.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kakipo {

// First byte of a double-byte character. Half-width katakana (0xA1-0xDF) are single bytes.
constexpr bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// At most maxBytes of s, never ending inside a double-byte character. A lone lead byte at the very
// end goes too, even where it fits: it would swallow whatever follows it on screen and in a file.
std::string cutAtCharBoundary(std::string_view s, std::size_t maxBytes);

// a-z become A-Z and every other byte stays, as the platform upper-cases ANSI text; a trail byte
// in that range changes too, so the result is for comparing with ASCII.
constexpr unsigned char upperAscii(unsigned char c) {
  return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
std::string upperAscii(std::string s);

// Where a path's file name and its extension begin. The name follows the last "\", "/" or ":"
// (Windows takes "/" for a folder separator too); the extension is the name's last "." and what
// follows it, and begins at the path's end when the name has no dot. The byte after a lead byte is
// that character's trail byte (表 ends in 0x5C), never a separator or a dot.
struct PathParts {
  std::size_t nameStart = 0;
  std::size_t extensionStart = 0;
};
PathParts pathParts(std::string_view path);

}  // namespace kakipo
