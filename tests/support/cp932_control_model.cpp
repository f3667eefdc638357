#include "support/cp932_control_model.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kakipo::test {

namespace {

struct UndefinedRun {
  std::uint8_t lead, first, last;
};
struct Duplicate {
  std::uint16_t code, writtenAs;
};

#include "support/cp932_windows_table.inc"

// Every double-byte code's round trip, filled once from the runs and duplicates.
const std::array<std::uint16_t, 65536>& roundTripTable() {
  static const auto table = [] {
    std::array<std::uint16_t, 65536> t{};
    for (unsigned c = 0; c < 65536; ++c) t[c] = static_cast<std::uint16_t>(c);
    for (const auto& r : undefinedRuns)
      for (unsigned b = r.first; b <= r.last; ++b) t[(r.lead << 8) | b] = 0x8145;
    for (const auto& d : duplicates) t[d.code] = d.writtenAs;
    return t;
  }();
  return table;
}

}  // namespace

bool isCp932Lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

unsigned cp932CodeRoundTrip(unsigned code) { return roundTripTable()[code & 0xFFFF]; }

std::string controlRendition(const std::string& bytes) {
  // First the code page: each character's bytes as written back, or a break mark of its own.
  std::string decoded;
  decoded.reserve(bytes.size() + 8);
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (!isCp932Lead(c)) {
      decoded += static_cast<char>(c);
      continue;
    }
    unsigned code = 0x8145;
    if (i + 1 < n && bytes[i + 1] != '\0') code = cp932CodeRoundTrip((c << 8) | static_cast<unsigned char>(bytes[++i]));
    decoded += static_cast<char>(code >> 8);
    decoded += static_cast<char>(code & 0xFF);
  }
  // Then the control's paragraphs. CR and LF here can only be characters of their own: a trail
  // byte is never below 0x40 once written back.
  std::string out;
  out.reserve(decoded.size() + 8);
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    const char c = decoded[i];
    if (c == '\r' && decoded.compare(i + 1, 2, "\r\n") == 0) {
      out += ' ';
      i += 2;
    } else if (c == '\r') {
      out += "\r\n";
      if (i + 1 < decoded.size() && decoded[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::u16string controlParagraphs(std::u16string_view units) {
  std::u16string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (units.substr(i, 3) == u"\r\r\n") {
      out += u' ';
      i += 2;
    } else {
      out += units[i];
    }
  }
  return out;
}

}  // namespace kakipo::test
