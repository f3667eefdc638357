#include "documents/long_lines.h"

#include <algorithm>

#include "core/utf.h"

namespace kakipo {

std::size_t longestLineLength(std::string_view text) {
  std::size_t longest = 0;
  std::size_t line = 0;
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (b == '\r' || b == '\n') {
      longest = std::max(longest, line);
      line = 0;
    } else if (!utf::isContinuation(b)) {
      // A lead byte of four begins a character of two units.
      line += b >= 0xF0 ? 2 : 1;
    }
  }
  return std::max(longest, line);
}

}  // namespace kakipo
