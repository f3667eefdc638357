#include "editing/status_bar.h"

#include "core/encoding_texts.h"

namespace kakipo {

std::string caretText(const CaretPos& caret) {
  return std::to_string(caret.line + 1) + " : " + std::to_string(caret.column + 1);
}

std::string dateTimeText(const Clock& clock, const LocalTime& t) {
  std::string text = clock.shortDate(t);
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    text += ' ';
    text += clock.longTime(t);
  }
  return text;
}

std::string encodingText(const Editor& editor) {
  return editor.plainText() ? encodingName(editor.encoding()) : texts::richTextPanel;
}

// Runs five times a second on documents of any size: the caret comes from its own line only, and
// the encoding, which changes only with a load or a save, is written only when it does.
void StatusBar::timerGyoRetTimer() {
  view_.setPanelText(caretPanel, caretText(memo1_.caret()));
  view_.setPanelText(dateTimePanel, dateTimeText(clock_, clock_.now()));
  std::string encoding = encodingText(memo1_);
  if (encoding != encodingShown_) {
    view_.setPanelText(encodingPanel, encoding);
    encodingShown_ = std::move(encoding);
  }
}

void StatusBar::StatusBar1DblClick() {
  memo1_.setSelLength(0);
  // Undoable like typing, so a stamp put in the wrong place is one Ctrl+Z away.
  memo1_.replaceSel(dateTimeText(clock_, clock_.now()), true);
}

}  // namespace kakipo
