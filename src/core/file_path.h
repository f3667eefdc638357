// Paths as the logic handles them: the program's text (UTF-8), whatever characters a name holds;
// the shell gives and takes them as the system's wide paths.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace kakipo {

// Where a path's file name and its extension begin. The name follows the last "\", "/" or ":"
// (Windows takes "/" for a folder separator too); the extension is the name's last "." and what
// follows it, and begins at the path's end when the name has no dot.
struct PathParts {
  std::size_t nameStart = 0;
  std::size_t extensionStart = 0;
};
PathParts pathParts(std::string_view path);

}  // namespace kakipo
