// Typed calls on a tree view: one inline function per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

namespace kakipo::win32::tv {

inline HTREEITEM insert(HWND h, TVINSERTSTRUCTW& item) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}
inline void expand(HWND h, HTREEITEM item) { SendMessageW(h, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)); }
inline HTREEITEM root(HWND h) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}
inline HTREEITEM selected(HWND h) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, TVGN_CARET, 0));
}
inline void ensureVisible(HWND h, HTREEITEM item) {
  SendMessageW(h, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}
// An item's text of at most maxChars characters; nothing when the tree does not know the item.
inline std::optional<std::wstring> text(HWND h, HTREEITEM item, int maxChars) {
  std::wstring buffer(static_cast<std::size_t>(maxChars), L'\0');
  TVITEMW tvi{};
  tvi.mask = TVIF_TEXT;
  tvi.hItem = item;
  tvi.pszText = buffer.data();
  tvi.cchTextMax = maxChars;
  if (!SendMessageW(h, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvi))) return std::nullopt;
  buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
  return buffer;
}
inline void setImages(HWND h, HIMAGELIST images) {
  SendMessageW(h, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}
inline void setIndent(HWND h, int pixels) { SendMessageW(h, TVM_SETINDENT, pixels, 0); }
inline void scrollToLeft(HWND h) { SendMessageW(h, WM_HSCROLL, SB_LEFT, 0); }

}  // namespace kakipo::win32::tv
