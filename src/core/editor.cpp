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
    if (it->utf8)
      replaceSelUtf8(it->text);
    else
      replaceSel(it->text);
  }
}

void replaceSelection(Editor& editor, const UnicodeText& text, bool canUndo) {
  if (text.fitsCp932())
    editor.replaceSel(text.cp932, canUndo);
  else
    editor.replaceSelUtf8(*text.utf8, canUndo);
}

void insertLine(Editor& editor, int index, const UnicodeText& text) {
  if (text.fitsCp932())
    editor.insertLine(index, text.cp932);
  else
    editor.insertLineUtf8(index, *text.utf8);
}

}  // namespace kakipo
