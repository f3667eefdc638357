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

void Editor::replaceRanges(const std::vector<TextEdit>& edits) {
  UpdateScope update(*this);
  // From the back, so that the offsets of the edits still to come stay valid.
  for (auto it = edits.rbegin(); it != edits.rend(); ++it) {
    setSelStart(it->start);
    setSelLength(it->length);
    replaceSel(it->text);
  }
}

}  // namespace kakipo
