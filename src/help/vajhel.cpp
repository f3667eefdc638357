#include "help/vajhel.h"

#include "help/help_texts.h"

namespace kakipo {

std::string trimBlanks(const std::string& s) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && blank(s[begin])) ++begin;
  while (end > begin && blank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

VajHel::VajHel(HelpPane& richEdit1, HelpPane& richEdit2, HelpViewerView& view)
    : richEdit1_(richEdit1), richEdit2_(richEdit2), view_(view) {}

void VajHel::sentakHyoj(const std::string& text) { lookUp(richEdit1_, HelpPage::Body, text, false); }

void VajHel::syosaiHyoj(const std::string& text) { lookUp(richEdit2_, HelpPage::Detail, text, true); }

void VajHel::lookUp(HelpPane& pane, HelpPage page, const std::string& text, bool wholeWord) {
  pane.setSelStart(0);
  // A selection of nothing but blanks trims to nothing, which names no entry.
  if (text.empty()) return;
  const int n = pane.textLength();
  const int found = pane.find(text, 0, n, wholeWord, true);
  if (found == -1) return;
  showPage(page);
  pane.setSelStart(found);
  pane.setSelLength(static_cast<int>(text.size()));
  // n is at least the line count, so this scrolls to the bottom; bringing the caret back into
  // view from there leaves the match's line at the top, or as high as the text allows.
  pane.lineScroll(n);
  pane.scrollCaret();
}

void VajHel::showPage(HelpPage page) {
  if (view_.activePage() == page) return;
  view_.setActivePage(page);
  if (page == HelpPage::Body) {
    TabHonbunShow();
  } else {
    TabSyosaiShow();
  }
}

void VajHel::TreeView1MouseUp(const std::optional<std::string>& selected) {
  if (selected) sentakHyoj(*selected);
}

void VajHel::TreeView1KeyUp(const std::optional<std::string>& selected) { TreeView1MouseUp(selected); }

void VajHel::ListBox1MouseUp(const std::optional<std::string>& selected) {
  if (selected) syosaiHyoj(*selected);
}

void VajHel::ListBox1KeyUp(const std::optional<std::string>& selected) { ListBox1MouseUp(selected); }

void VajHel::RichEdit1MouseUp(MouseButton button) {
  if (button != MouseButton::Right || richEdit1_.selLength() == 0) return;
  syosaiHyoj(trimBlanks(richEdit1_.selText()));
}

void VajHel::RichEdit2MouseUp(MouseButton button) {
  if (button != MouseButton::Right || richEdit2_.selLength() == 0) return;
  sentakHyoj(trimBlanks(richEdit2_.selText()));
}

void VajHel::TabHonbunShow() { view_.setStatusText(texts::honbunStatus); }

void VajHel::TabSyosaiShow() { view_.setStatusText(texts::syosaiStatus); }

}  // namespace kakipo
