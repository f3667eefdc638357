// Code page 932 (Shift_JIS) as the program's own table has it, and its byte rules: which byte
// begins a double-byte character, what a code stands for and how a character is written, and ASCII
// upper-casing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kakipo {

// First byte of a double-byte character. Half-width katakana (0xA1-0xDF) are single bytes.
constexpr bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// A byte that may follow a lead byte in a double-byte code.
constexpr bool isTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// The UTF-16 unit a code stands for (one byte, or a lead and a trail byte), 0 where code page 932
// has no character: the single bytes 0x80, 0xA0 and 0xFD-0xFF, and the undefined double-byte cells.
char16_t cp932Unit(unsigned char byte);
char16_t cp932Unit(unsigned char lead, unsigned char trail);

// How Shift_JIS writes a character: its code (a double-byte code as lead << 8 | trail) and length,
// 0 for a character it cannot hold. A character several codes stand for (the NEC and IBM
// duplicates) is written as Windows writes it: its lowest code, but the IBM code (FA-FC) rather
// than the NEC-selected one (ED, EE).
struct Cp932Code {
  std::uint16_t code = 0;
  std::uint8_t length = 0;
};
Cp932Code cp932Code(char32_t c);
// The codes of every BMP character at once, for scans that look up every character of a document.
const Cp932Code* cp932Codes();

// a-z become A-Z and every other byte stays, as the platform upper-cases ANSI text; a trail byte
// in that range changes too, so the result is for comparing with ASCII.
constexpr unsigned char upperAscii(unsigned char c) {
  return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
std::string upperAscii(std::string s);

}  // namespace kakipo
