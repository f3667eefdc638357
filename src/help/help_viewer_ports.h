// The help viewer window as its logic drives it: the two read-only panes and the page control
// with its status bar. The Win32 shell implements both; tests use fakes.
#pragma once
#include <string>

namespace kakipo {

// One read-only help pane (RichEdit1 or RichEdit2). Positions are byte offsets into its text with
// CR LF line breaks, as for the document editor.
class HelpPane {
 public:
  virtual ~HelpPane() = default;
  virtual std::string text() const = 0;
  virtual int textLength() const = 0;
  virtual void setSelStart(int offset) = 0;  // collapses the selection there
  virtual int selLength() const = 0;
  virtual void setSelLength(int length) = 0;  // also scrolls the caret into view
  virtual std::string selText() const = 0;
  // Forward search in [start, start + length); the offset of the first match or -1.
  virtual int find(const std::string& what, int start, int length, bool wholeWord,
                   bool matchCase) const = 0;
  virtual void lineScroll(int lines) = 0;  // EM_LINESCROLL, 0 columns
  virtual void scrollCaret() = 0;          // EM_SCROLLCARET
};

// PageControl2's two pages.
enum class HelpPage { Body, Detail };  // TabHonbun, TabSyosai

// The viewer window as its logic needs it.
class HelpViewerView {
 public:
  virtual ~HelpViewerView() = default;
  virtual HelpPage activePage() const = 0;
  // Switches the page only; the caller runs the page's show handler.
  virtual void setActivePage(HelpPage page) = 0;
  virtual void setStatusText(const std::string& text) = 0;
};

}  // namespace kakipo
