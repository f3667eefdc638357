#include "documents/long_lines.h"

#include <algorithm>

#include "core/cp932.h"

namespace kakipo {

namespace {

constexpr bool isBreak(unsigned unit) { return unit == '\r' || unit == '\n'; }

// The UTF-16 units a character takes that starts with this byte: 2 for a four-byte sequence, 0
// for a continuation byte (counted with its lead), 1 otherwise.
constexpr std::size_t utf8Units(unsigned char b) {
  if ((b & 0xC0) == 0x80) return 0;
  return b >= 0xF0 ? 2 : 1;
}

}  // namespace

std::size_t longestLineLength(std::string_view text, TextEncoding encoding) {
  std::size_t longest = 0;
  std::size_t current = 0;
  const auto endLine = [&] {
    longest = std::max(longest, current);
    current = 0;
  };
  if (isUtf16(encoding)) {
    const std::size_t units = text.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
      if (isBreak(codeUnit(text, i, encoding)))
        endLine();
      else
        ++current;
    }
  } else if (isUtf8(encoding)) {
    for (const char c : text) {
      const auto b = static_cast<unsigned char>(c);
      if (isBreak(b))
        endLine();
      else
        current += utf8Units(b);
    }
  } else {
    // A trail byte is never CR or LF, but it may look like a lead byte: step over it.
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto b = static_cast<unsigned char>(text[i]);
      if (isBreak(b)) {
        endLine();
        continue;
      }
      if (isLeadByte(b) && i + 1 < text.size()) ++i;
      ++current;
    }
  }
  endLine();
  return longest;
}

}  // namespace kakipo
