// An in-memory editor that keeps the rules of the Editor port, for native tests. The typed
// contract suite runs against it and against the rich-edit adapter, which keeps it honest. It
// holds the program's text itself, line breaks as the control keeps them (every CR, LF or CR LF
// one CR LF).
#pragma once
#include <string>
#include <vector>

#include "core/editor.h"

namespace kakipo::test {

class MemoryEditor : public Editor {
 public:
  // Lines the view shows at once; scrolling the caret into view uses it.
  static constexpr int visibleLines = 20;

  std::string text() const override { return text_; }
  int textLength() const override { return static_cast<int>(text_.size()); }
  void clear() override;
  int lineCount() const override;
  std::string line(int index) const override;
  void replaceLine(int index, const std::string& s) override;
  void insertLine(int index, const std::string& s) override;
  void beginUpdate() override { ++updateDepth; }
  void endUpdate() override { --updateDepth; }
  int lineFromOffset(int offset) const override;
  int lineStart(int line) const override;
  int lineLength(int line) const override;
  CaretPos caret() const override;
  std::string caretLineHead() const override;

  int selStart() const override { return selStart_; }
  void setSelStart(int offset) override;
  int selLength() const override { return selLength_; }
  void setSelLength(int length) override;
  std::string selText() const override { return text_.substr(selStart_, selLength_); }
  void replaceSel(const std::string& s, bool canUndo = false) override;
  void selectAll() override;
  void deleteSelection() override { replaceSel("", true); }
  void undo() override;
  void cut() override;
  void copy() override;
  void paste() override { replaceSel(clipboard, true); }

  void scrollLines(int count) override;
  void scrollCaret() override;
  void scrollOneLine(bool down) override { scrollLines(down ? 1 : -1); }
  int firstVisibleLine() const override { return firstVisible_; }

  int find(const std::string& what, int start, int length, bool wholeWord, bool matchCase) const override;
  // One undo step, as the control makes it.
  void replaceRanges(const std::vector<TextEdit>& edits) override;

  void loadText(const std::string& text, const Font* startFormat = nullptr,
                const std::function<bool()>& cancelled = {}) override;
  void loadRtf(const std::string& rtf, const Font* startFormat = nullptr,
               const std::function<bool()>& cancelled = {}) override;
  std::string rtf() const override;

  bool modified() const override { return modified_; }
  void setModified(bool on) override { modified_ = on; }

  Font defaultFormat() const override { return defaultFormat_; }
  void setDefaultFormat(const Font& font) override { defaultFormat_ = font; }
  Font selectionFormat() const override { return selectionFormat_; }
  void setSelectionFormat(const Font& font) override { selectionFormat_ = font; }

  Colour backgroundColour() const override { return background_; }
  void setBackgroundColour(Colour c) override { background_ = c; }
  bool wordWrap() const override { return wordWrap_; }
  void setWordWrap(bool on) override { wordWrap_ = on; }
  ScrollBars scrollBars() const override { return scrollBars_; }
  void setScrollBars(ScrollBars bars) override { scrollBars_ = bars; }
  void setFocus() override { ++focusCount; }

  // Test helpers: set the text as if loaded, and select a range.
  void setText(const std::string& s);
  void select(int start, int length);

  std::string clipboard;
  int updateDepth = 0;
  int focusCount = 0;

 private:
  // An offset inside a character or a line break, moved to its end.
  int characterEnd(int offset) const;
  void edit(int start, int length, const std::string& s, bool canUndo);
  void take(std::string text, const Font* startFormat, const std::function<bool()>& cancelled);
  void clampSelection();

  std::string text_;
  int selStart_ = 0;
  int selLength_ = 0;
  int firstVisible_ = 0;
  bool modified_ = false;
  bool wordWrap_ = false;
  ScrollBars scrollBars_ = ScrollBars::Both;
  Font defaultFormat_;
  Font selectionFormat_;
  Colour background_ = clWindow;
  std::string undoText_;
  bool canUndo_ = false;
};

// Line breaks as the control stores them: a bare CR or LF becomes CR LF.
std::string normaliseLineBreaks(const std::string& s);

}  // namespace kakipo::test
