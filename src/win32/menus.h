// The main window's context menus: PopupMenu1, the editor's editing commands with their
// pictures, PopupMenu2, the recent files (the HistoryMenu port), the encodings the status bar's
// encoding panel offers, and the status bar's own menu: the count window and those encodings.
#pragma once
#include <windows.h>

#include <array>
#include <optional>

#include "core/display_scale.h"
#include "core/text_encoding.h"
#include "documents/document_ports.h"
#include "win32/control_ids.h"
#include "win32/handles.h"

namespace kakipo::win32 {

class ContextMenus : public HistoryMenu {
 public:
  // Builds both menus, PopupMenu1's pictures for a display at px; throws Error when it cannot.
  explicit ContextMenus(Scale px);
  // PopupMenu1's pictures drawn anew for a display at px.
  void scaleTo(Scale px);

  // The command or recent-file slot a menu command id stands for.
  static std::optional<PopupCommand> popupCommandOf(int id);
  static std::optional<int> historySlotOf(int id);
  static std::optional<TextEncoding> encodingOf(int id);

  // Shows a menu at a screen position; its choice comes to owner as WM_COMMAND.
  void showPopupMenu1(HWND owner, POINT at) const { show(popupMenu1_.get(), owner, at); }
  void showPopupMenu2(HWND owner, POINT at) const { show(popupMenu2_.get(), owner, at); }
  // The current encoding is checked.
  void showEncodingMenu(HWND owner, POINT at, TextEncoding current) const;
  // The count window's item, then the encodings, the current one checked; without a current one
  // (a rich-text document has none) they are greyed.
  void showStatusBarMenu(HWND owner, POINT at, std::optional<TextEncoding> current) const;

  void setHistoryCaption(int index, const std::string& text) override;
  HMENU popupMenu1() const { return popupMenu1_.get(); }

 private:
  static void show(HMENU menu, HWND owner, POINT at);

  UniqueMenu popupMenu1_;
  UniqueMenu popupMenu2_;
  UniqueMenu encodingMenu_;
  UniqueMenu statusBarMenu_;
  std::array<UniqueBitmap, popupCommandCount> pictures_;  // shown by PopupMenu1, kept while it lives
};

}  // namespace kakipo::win32
