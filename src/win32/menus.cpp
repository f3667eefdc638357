#include "win32/menus.h"

#include "app/main_window_texts.h"
#include "core/errors.h"
#include "core/window_state.h"
#include "editing/count_texts.h"
#include "win32/control_ids.h"
#include "win32/encoding.h"
#include "win32/pictures.h"

namespace kakipo::win32 {

namespace {

struct PopupItem {
  const std::string* caption;  // null: separator
  int picture;
  PopupCommand command;
};

const PopupItem popupItems[] = {
    {&texts::popUndoCaption, 0, popUndo},         {&texts::popRedoCaption, 8, popRedo},
    {nullptr, -1, popUndo},                       {&texts::popCopyCaption, 1, popCopy},
    {&texts::popPasteCaption, 2, popPaste},       {&texts::popCutCaption, 3, popCut},
    {&texts::popDelCaption, 4, popDel},           {&texts::popAllSelCaption, 5, popAllSel},
    {nullptr, -1, popUndo},                       {&texts::popInyofInCaption, 6, popInyofIn},
    {&texts::popInyofOutCaption, 7, popInyofOut},
};

// The 変換 submenu, below the pictured items; its commands are the last four, in this order.
const std::string* const henkanItems[] = {&texts::popZenkakuCaption, &texts::popHankakuCaption,
                                          &texts::popHiraganaCaption, &texts::popKatakanaCaption};

}  // namespace

ContextMenus::ContextMenus(Scale px)
    : popupMenu1_(CreatePopupMenu()),
      popupMenu2_(CreatePopupMenu()),
      encodingMenu_(CreatePopupMenu()),
      statusBarMenu_(CreatePopupMenu()) {
  if (!popupMenu1_ || !popupMenu2_ || !encodingMenu_ || !statusBarMenu_) throw Error(texts::menuNotCreated);
  for (const auto& item : popupItems) {
    if (item.caption)
      AppendMenuW(popupMenu1_.get(), MF_STRING, ids::firstPopup + item.command, widen(*item.caption).c_str());
    else
      AppendMenuW(popupMenu1_.get(), MF_SEPARATOR, 0, nullptr);
  }
  // Owned by PopupMenu1 once appended, and destroyed with it.
  const HMENU henkan = CreatePopupMenu();
  if (!henkan) throw Error(texts::menuNotCreated);
  int command = popZenkaku;
  for (const std::string* caption : henkanItems)
    AppendMenuW(henkan, MF_STRING, ids::firstPopup + command++, widen(*caption).c_str());
  AppendMenuW(popupMenu1_.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(popupMenu1_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(henkan), widen(texts::popHenkanCaption).c_str());
  scaleTo(px);
  AppendMenuW(popupMenu2_.get(), MF_STRING, ids::historyHeader, widen(texts::historyMenuHeader).c_str());
  AppendMenuW(popupMenu2_.get(), MF_SEPARATOR, 0, nullptr);
  for (int i = 0; i < historyCount; ++i)
    AppendMenuW(popupMenu2_.get(), MF_STRING, ids::firstHistory + i, widen(emptySlot).c_str());
  AppendMenuW(statusBarMenu_.get(), MF_STRING, ids::countWindow, widen(texts::countMenuItem).c_str());
  AppendMenuW(statusBarMenu_.get(), MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < allEncodings.size(); ++i) {
    const std::wstring name = widen(encodingName(allEncodings[i]));
    AppendMenuW(encodingMenu_.get(), MF_STRING, ids::firstEncoding + i, name.c_str());
    AppendMenuW(statusBarMenu_.get(), MF_STRING, ids::firstEncoding + i, name.c_str());
  }
}

void ContextMenus::scaleTo(Scale px) {
  const UniqueImageList pictures = makeMenuImages(px(pictureSize));
  for (const auto& item : popupItems) {
    if (!item.caption) continue;
    UniqueBitmap picture = makeMenuBitmap(pictures.get(), item.picture);
    MENUITEMINFOW mi{sizeof mi};
    mi.fMask = MIIM_BITMAP;
    mi.hbmpItem = picture.get();
    SetMenuItemInfoW(popupMenu1_.get(), ids::firstPopup + item.command, FALSE, &mi);
    pictures_[item.command] = std::move(picture);  // the menu shows the new one from here
  }
}

std::optional<PopupCommand> ContextMenus::popupCommandOf(int id) {
  if (id < ids::firstPopup || id >= ids::firstPopup + popupCommandCount) return std::nullopt;
  return static_cast<PopupCommand>(id - ids::firstPopup);
}

std::optional<int> ContextMenus::historySlotOf(int id) {
  if (id < ids::firstHistory || id >= ids::firstHistory + historyCount) return std::nullopt;
  return id - ids::firstHistory;
}

std::optional<TextEncoding> ContextMenus::encodingOf(int id) {
  const int index = id - ids::firstEncoding;
  if (index < 0 || index >= static_cast<int>(allEncodings.size())) return std::nullopt;
  return allEncodings[index];
}

void ContextMenus::showEncodingMenu(HWND owner, POINT at, TextEncoding current) const {
  for (std::size_t i = 0; i < allEncodings.size(); ++i)
    CheckMenuItem(encodingMenu_.get(), ids::firstEncoding + i,
                  MF_BYCOMMAND | (allEncodings[i] == current ? MF_CHECKED : MF_UNCHECKED));
  show(encodingMenu_.get(), owner, at);
}

void ContextMenus::showStatusBarMenu(HWND owner, POINT at, std::optional<TextEncoding> current) const {
  for (std::size_t i = 0; i < allEncodings.size(); ++i) {
    const UINT id = ids::firstEncoding + i;
    CheckMenuItem(statusBarMenu_.get(), id, MF_BYCOMMAND | (allEncodings[i] == current ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(statusBarMenu_.get(), id, MF_BYCOMMAND | (current ? MF_ENABLED : MF_GRAYED));
  }
  show(statusBarMenu_.get(), owner, at);
}

void ContextMenus::show(HMENU menu, HWND owner, POINT at) {
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
}

void ContextMenus::setHistoryCaption(int index, const std::string& text) {
  std::wstring caption;
  for (wchar_t c : widen(text)) {
    caption += c;
    if (c == L'&') caption += L'&';  // a path's "&" is shown, not taken as an accelerator
  }
  ModifyMenuW(popupMenu2_.get(), ids::firstHistory + index, MF_BYCOMMAND | MF_STRING, ids::firstHistory + index,
              caption.c_str());
}

}  // namespace kakipo::win32
