// Seeded random files drawn mostly from the bytes that do not survive a trip through the editor:
// bare and doubled line breaks, NUL, 0x1A, duplicate and undefined codes, lone lead bytes; and
// their bytes in hexadecimal for a failure message.
#pragma once
#include <random>
#include <string>
#include <vector>

namespace kakipo::test {

inline std::string randomTroubleFile(std::mt19937& rng, int maxPieces) {
  static const std::vector<std::string> pieces = {
      "\r", "\n", "\r\n", std::string(1, '\0'), "\x1A", "\x87\x90", "\xED\x40", "\xFA\x4A", "\x85\x40",
      "\xF0\x40", "\x82\xA0", "\x93\xFA", "\xB1", "\x80", "\xA0", "\xFF", " ", "\r\r\n"};
  std::string s;
  const int length = std::uniform_int_distribution<int>(0, maxPieces)(rng);
  for (int i = 0; i < length; ++i) {
    const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
    if (kind < 3)
      s += static_cast<char>(std::uniform_int_distribution<int>('a', 'z')(rng));
    else if (kind < 5)
      s += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
    else
      s += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(rng)];
  }
  return s;
}

inline std::string hexOf(const std::string& s) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : s) out += {digits[c >> 4], digits[c & 15], ' '};
  return out;
}

}  // namespace kakipo::test
