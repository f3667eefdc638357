// The help viewer's logic (unit vajhel_): lookups in the two read-only panes, the handlers of the
// contents tree, the keyword list and the panes, the tab status texts and the layout rules.
#pragma once
#include <optional>
#include <string>

#include "core/geometry.h"

namespace kakipo {

// One read-only help pane (RichEdit1 or RichEdit2). Positions are byte offsets into the CP932
// text with CR LF line breaks, as for the document editor.
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

namespace texts {
inline const std::string helpCaption = "カキポ ♪ヘルプ";
inline const std::string tabMokj = "目次";
inline const std::string tabKiwad = "キーワード";
inline const std::string tabHonbun = "本文説明";
inline const std::string tabSyosai = "詳細説明";
inline const std::string honbunStatus =
    "本文，詳細説明では< >で囲まれた文字列を範囲選択して、右クリックで詳細説明表示。";
inline const std::string syosaiStatus =
    "本文，詳細説明では< >で囲まれた文字列を範囲選択して、右クリックで本文説明表示。";
}  // namespace texts

// Leading and trailing bytes of 0x20 and below removed: what a sloppy selection around a keyword
// leaves (blanks, a line break).
std::string trimBlanks(const std::string& s);

class VajHel {
 public:
  VajHel(HelpPane& richEdit1, HelpPane& richEdit2, HelpViewerView& view);

  // Looks a contents entry up in the body pane (match case).
  void sentakHyoj(const std::string& text);
  // Looks a keyword up in the detail pane (whole word, match case).
  void syosaiHyoj(const std::string& text);

  // The selected node's or item's text; nothing when none is selected, which does nothing.
  void TreeView1MouseUp(const std::optional<std::string>& selected);
  void TreeView1KeyUp(const std::optional<std::string>& selected);
  void ListBox1MouseUp(const std::optional<std::string>& selected);
  void ListBox1KeyUp(const std::optional<std::string>& selected);
  // Right-click cross references between the panes.
  void RichEdit1MouseUp(MouseButton button);
  void RichEdit2MouseUp(MouseButton button);

  void TabHonbunShow();
  void TabSyosaiShow();

 private:
  void lookUp(HelpPane& pane, HelpPage page, const std::string& text, bool wholeWord);
  void showPage(HelpPage page);

  HelpPane& richEdit1_;
  HelpPane& richEdit2_;
  HelpViewerView& view_;
};

// Layout of PageControl1, Splitter1 and PageControl2. Widths in pixels.
namespace helplayout {
constexpr int initialWidth = 600;
constexpr int initialHeight = 400;
constexpr int minTrackWidth = 150;
constexpr int minTrackHeight = 100;
constexpr int leftPaneWidth = 200;  // PageControl1 at creation; Splitter1 starts at x = 200
constexpr int splitterMinSize = 30;
constexpr int splitterWidth = 6;
constexpr int statusBarHeight = 20;
}  // namespace helplayout

// FormResize: the width PageControl1 takes when the window's outer width becomes outerWidth.
int FormResize(int outerWidth, int splitterLeft, int leftPaneWidth);
// Splitter1Moved: the width PageControl1 takes after the splitter was dragged.
int Splitter1Moved(int leftPaneWidth);

}  // namespace kakipo
