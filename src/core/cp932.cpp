#include "core/cp932.h"

#include <algorithm>

namespace kakipo {

std::string cutAtCharBoundary(std::string_view s, std::size_t maxBytes) {
  // A value already cut by the platform may end on a lone lead byte, so this looks at the end
  // even when nothing more needs to go.
  const std::size_t limit = std::min(s.size(), maxBytes);
  std::size_t end = 0;
  while (end < limit) {
    const std::size_t step = isLeadByte(static_cast<unsigned char>(s[end])) ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return std::string(s.substr(0, end));
}

std::string upperAscii(std::string s) {
  for (auto& c : s) c = static_cast<char>(upperAscii(static_cast<unsigned char>(c)));
  return s;
}

PathParts pathParts(std::string_view path) {
  std::size_t nameStart = 0;
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (isLeadByte(c)) {
      ++i;
    } else if (c == '\\' || c == '/' || c == ':') {
      nameStart = i + 1;
      dot = std::string_view::npos;
    } else if (c == '.') {
      dot = i;
    }
  }
  return {nameStart, dot == std::string_view::npos ? path.size() : dot};
}

}  // namespace kakipo
