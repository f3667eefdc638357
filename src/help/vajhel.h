// The help viewer's logic (unit vajhel_): lookups in the two read-only panes, the handlers of the
// contents tree, the keyword list and the panes, and the tab status texts.
#pragma once
#include <optional>
#include <string>

#include "core/geometry.h"
#include "help/help_viewer_ports.h"

namespace kakipo {

// Leading and trailing bytes of 0x20 and below removed: what a sloppy selection around a keyword
// leaves (blanks, a line break).
std::string trimBlanks(const std::string& s);

// "Version and help": the help viewer's logic.
class VajHel {
 public:
  VajHel(HelpPane& richEdit1, HelpPane& richEdit2, HelpViewerView& view);

  // "Show the selection": looks a contents entry up in the body pane (match case).
  void sentakHyoj(const std::string& text);
  // "Show the details": looks a keyword up in the detail pane (whole word, match case).
  void syosaiHyoj(const std::string& text);

  // The selected node's or item's text; nothing when none is selected, which does nothing.
  void TreeView1MouseUp(const std::optional<std::string>& selected);
  void TreeView1KeyUp(const std::optional<std::string>& selected);
  void ListBox1MouseUp(const std::optional<std::string>& selected);
  void ListBox1KeyUp(const std::optional<std::string>& selected);
  // Right-click cross references between the panes.
  void RichEdit1MouseUp(MouseButton button);
  void RichEdit2MouseUp(MouseButton button);

  // The body ("honbun") and details ("syosai") pages shown: each sets its status text.
  void TabHonbunShow();
  void TabSyosaiShow();

 private:
  void lookUp(HelpPane& pane, HelpPage page, const std::string& text, bool wholeWord);
  void showPage(HelpPage page);

  HelpPane& richEdit1_;
  HelpPane& richEdit2_;
  HelpViewerView& view_;
};

}  // namespace kakipo
