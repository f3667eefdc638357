// ToolBar1, the button bar: its ten buttons with their pictures and tooltips, the overwrite-save
// button's tooltip that names the current file, and the word-wrap toggle.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "core/display_scale.h"
#include "win32/control_ids.h"
#include "win32/handles.h"

namespace kakipo::win32 {

class ButtonBar {
 public:
  // Builds the bar as a child of parent (the cool bar) for a display at px; throws Error when it
  // cannot.
  ButtonBar(HWND parent, Scale px);
  ButtonBar(const ButtonBar&) = delete;
  ButtonBar& operator=(const ButtonBar&) = delete;

  // The bar goes with its parent; it is not owned here.
  HWND hwnd() const { return toolBar_; }
  // The button a command id or a notification's item stands for.
  static std::optional<Button> buttonOf(UINT_PTR id);

  // Answers the bar's request for a button's tooltip; false for a notification that is not one.
  bool onTooltip(NMHDR* nm) const;
  void setOverwriteSaveHint(std::wstring text) { overwriteHint_ = std::move(text); }
  bool wrapButtonDown() const;
  // Buttons and pictures for a display at px, the pictures drawn anew at their size there.
  void scaleTo(Scale px);

 private:
  HWND toolBar_;
  UniqueImageList images_;
  std::wstring overwriteHint_;
};

}  // namespace kakipo::win32
