#include "core/cp932.h"

#include <algorithm>
#include <array>
#include <memory>

namespace kakipo {

namespace {

#include "core/cp932_table.inc"

constexpr int leadIndex(unsigned char lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 0x1F; }
constexpr int trailIndex(unsigned char trail) { return trail < 0x7F ? trail - 0x40 : trail - 0x41; }

// Every BMP character's code, built once from the double-byte table.
struct Encoder {
  std::array<Cp932Code, 65536> codes{};
  Encoder() {
    for (unsigned b = 0; b < 0x80; ++b) codes[b] = {static_cast<std::uint16_t>(b), 1};
    for (unsigned b = 0xA1; b <= 0xDF; ++b) codes[0xFF61 + b - 0xA1] = {static_cast<std::uint16_t>(b), 1};
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!isLeadByte(static_cast<unsigned char>(lead))) continue;
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        const char16_t u = cp932Unit(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
        if (u == 0) continue;
        Cp932Code& held = codes[u];
        const bool necSelected = (held.code >> 8) == 0xED || (held.code >> 8) == 0xEE;
        if (held.length == 0 || (necSelected && lead >= 0xFA))
          held = {static_cast<std::uint16_t>((lead << 8) | trail), 2};
      }
    }
  }
};

}  // namespace

char16_t cp932Unit(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xA1 && byte <= 0xDF) return static_cast<char16_t>(0xFF61 + byte - 0xA1);
  return 0;
}

char16_t cp932Unit(unsigned char lead, unsigned char trail) {
  if (!isLeadByte(lead) || !isTrailByte(trail)) return 0;
  return cp932DoubleByte[leadIndex(lead)][trailIndex(trail)];
}

const Cp932Code* cp932Codes() {
  static const auto encoder = std::make_unique<Encoder>();
  return encoder->codes.data();
}

Cp932Code cp932Code(char32_t c) { return c < 0x10000 ? cp932Codes()[c] : Cp932Code{}; }

std::string upperAscii(std::string s) {
  for (auto& c : s) c = static_cast<char>(upperAscii(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace kakipo
