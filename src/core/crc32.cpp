#include "core/crc32.h"

#include <array>

namespace kakipo {

namespace {

constexpr std::array<std::uint32_t, 256> crcTable = [] {
  std::array<std::uint32_t, 256> t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    t[i] = c;
  }
  return t;
}();

}  // namespace

std::uint32_t crc32(std::string_view bytes, std::uint32_t crc) {
  crc = ~crc;
  for (const unsigned char b : bytes) crc = crcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

}  // namespace kakipo
