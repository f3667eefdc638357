// A read-only RICHEDIT50W in plain-text mode as a help pane. The text is set once; the pane keeps
// the byte offset of every character so that positions convert both ways without re-reading it.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "help/vajhel.h"

namespace kakipo::win32 {

class RichEditPane : public HelpPane {
 public:
  // The control is the viewer's child and goes with it; the pane does not own it.
  explicit RichEditPane(HWND control) : hwnd_(control) {}
  void setText(const std::string& text);

  std::string text() const override { return text_; }
  int textLength() const override { return static_cast<int>(text_.size()); }
  void setSelStart(int offset) override;
  int selLength() const override;
  void setSelLength(int length) override;
  std::string selText() const override;
  int find(const std::string& what, int start, int length, bool wholeWord, bool matchCase) const override;
  void lineScroll(int lines) override;
  void scrollCaret() override;

  // For tests and the shell.
  HWND hwnd() const { return hwnd_; }
  int selStart() const;
  void select(int start, int length);
  int firstVisibleLine() const;
  int lineFromOffset(int offset) const;
  int lineCount() const;

 private:
  int byteOf(LONG ch) const;
  LONG charOf(int byte) const;

  HWND hwnd_;
  std::string text_;
  std::vector<int> byteOfChar_;  // byte offset of each character position, and of the end
};

}  // namespace kakipo::win32
