// Typed calls on a tab control: one inline function per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace kakipo::win32::tab {

inline void insert(HWND h, int index, std::wstring caption) {
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption.data();
  SendMessageW(h, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}
inline int selected(HWND h) { return static_cast<int>(SendMessageW(h, TCM_GETCURSEL, 0, 0)); }
inline void select(HWND h, int index) { SendMessageW(h, TCM_SETCURSEL, index, 0); }
// The display area inside a tab control that takes the window rectangle r.
inline RECT pageArea(HWND h, RECT r) {
  SendMessageW(h, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return r;
}

}  // namespace kakipo::win32::tab
