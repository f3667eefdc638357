#include "core/editor.h"

namespace kakipo {

std::vector<int> Editor::findAll(const std::string& what, int start, bool matchCase) const {
  std::vector<int> found;
  if (what.empty()) return found;
  const int step = static_cast<int>(what.size());
  for (int at = find(what, start, textLength(), false, matchCase); at >= 0;
       at = find(what, at + step, textLength(), false, matchCase))
    found.push_back(at);
  return found;
}

}  // namespace kakipo
