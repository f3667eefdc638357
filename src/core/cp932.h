// Facts about code page 932 bytes that the logic needs without asking the platform.
#pragma once

namespace kakipo {

// First byte of a double-byte character. Half-width katakana (0xA1-0xDF) are single bytes.
constexpr bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace kakipo
