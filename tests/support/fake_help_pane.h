// A help pane for native tests: text, selection and find come from the in-memory editor; the view
// keeps its own top line with the rich-edit rule that the last line can scroll no higher than the
// bottom of a page, so "as far up as the text allows" can be tested.
#pragma once
#include <algorithm>
#include <string>

#include "help/help_viewer_ports.h"
#include "support/memory_editor.h"

namespace kakipo::test {

class FakeHelpPane : public HelpPane {
 public:
  static constexpr int pageLines = 20;

  explicit FakeHelpPane(const std::string& text) { editor.setText(text); }

  std::string text() const override { return editor.text(); }
  int textLength() const override { return editor.textLength(); }
  void setSelStart(int offset) override { editor.setSelStart(offset); }
  int selLength() const override { return editor.selLength(); }
  void setSelLength(int length) override {
    editor.setSelLength(length);
    scrollCaret();
  }
  std::string selText() const override { return editor.selText(); }
  int find(const std::string& what, int start, int length, bool wholeWord,
           bool matchCase) const override {
    ++finds;
    lastFindWholeWord = wholeWord;
    lastFindMatchCase = matchCase;
    return editor.find(what, start, length, wholeWord, matchCase);
  }
  void lineScroll(int lines) override { topLine = std::clamp(topLine + lines, 0, maxTopLine()); }
  void scrollCaret() override {
    const int line = editor.caret().line;
    if (line < topLine) topLine = line;
    if (line >= topLine + pageLines) topLine = line - pageLines + 1;
  }

  int maxTopLine() const { return std::max(0, editor.lineCount() - pageLines); }
  int selStart() const { return editor.selStart(); }
  int caretLine() const { return editor.lineFromOffset(editor.selStart()); }
  void select(int start, int length) { editor.select(start, length); }

  MemoryEditor editor;
  int topLine = 0;
  mutable int finds = 0;
  mutable bool lastFindWholeWord = false;
  mutable bool lastFindMatchCase = false;
};

class FakeHelpView : public HelpViewerView {
 public:
  HelpPage activePage() const override { return page; }
  void setActivePage(HelpPage p) override {
    page = p;
    ++pageSwitches;
  }
  void setStatusText(const std::string& text) override { status = text; }

  HelpPage page = HelpPage::Body;
  int pageSwitches = 0;
  std::string status;
};

}  // namespace kakipo::test
