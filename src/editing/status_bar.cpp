#include "editing/status_bar.h"

#include "core/text_codec.h"
#include "core/utf.h"

namespace kakipo {

std::string caretText(int line, std::string_view head) {
  // A variation selector takes no column of its own: it belongs to the character before it.
  std::size_t selectors = 0;
  for (std::size_t i = 0; i < head.size();) {
    const utf::Decoded d = utf::decode(head, i);
    selectors += utf::isVariationSelector(d.c);
    i += d.length;
  }
  return std::to_string(line + 1) + " : " + std::to_string(cp932Length(head) - selectors + 1);
}

std::string zoomText(int percent) { return std::to_string(percent) + "%"; }

std::string dateTimeText(const Clock& clock, const LocalTime& t) {
  std::string text = clock.shortDate(t);
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    text += ' ';
    text += clock.longTime(t);
  }
  return text;
}

// Runs five times a second on documents of any size: the caret comes from its own line only, and
// the encoding, which changes only with a load or a save, is written only when it does.
void StatusBar::showNotice(const std::string& text) {
  view_.setNotice(text);
  noticeLeft_ = noticeTicks;
}

void StatusBar::timerGyoRetTimer() {
  if (noticeLeft_ > 0 && --noticeLeft_ == 0) view_.setNotice("");
  view_.setPanelText(caretPanel, caretText(memo1_.caret().line, memo1_.caretLineHead()));
  view_.setPanelText(dateTimePanel, dateTimeText(clock_, clock_.now()));
  std::string encoding = encodingText_();
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
