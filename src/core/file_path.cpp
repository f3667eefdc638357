#include "core/file_path.h"

namespace kakipo {

// No byte of a UTF-8 character beyond ASCII is below 0x80, so none of them is a separator or a dot.
PathParts pathParts(std::string_view path) {
  std::size_t nameStart = 0;
  std::size_t dot = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '\\' || c == '/' || c == ':') {
      nameStart = i + 1;
      dot = std::string_view::npos;
    } else if (c == '.') {
      dot = i;
    }
  }
  return {nameStart, dot == std::string_view::npos ? path.size() : dot};
}

}  // namespace kakipo
