// Typed calls on a combo box: one inline function per message.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace kakipo::win32::combo {

inline int count(HWND h) { return static_cast<int>(SendMessageW(h, CB_GETCOUNT, 0, 0)); }
inline std::wstring item(HWND h, int index) {
  const auto length = SendMessageW(h, CB_GETLBTEXTLEN, index, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(h, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}
inline std::vector<std::wstring> items(HWND h) {
  std::vector<std::wstring> all;
  for (int i = 0, n = count(h); i < n; ++i) all.push_back(item(h, i));
  return all;
}
inline void clear(HWND h) { SendMessageW(h, CB_RESETCONTENT, 0, 0); }
inline void add(HWND h, const std::wstring& text) {
  SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
// The chosen entry, or -1 (CB_ERR) when the edit field matches none.
inline int selected(HWND h) { return static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0)); }
inline void select(HWND h, int index) { SendMessageW(h, CB_SETCURSEL, index, 0); }
inline void setItemHeight(HWND h, int pixels) { SendMessageW(h, CB_SETITEMHEIGHT, 0, pixels); }
// The height of the edit field of a closed drop-down box.
inline int fieldHeight(HWND h) {
  return static_cast<int>(SendMessageW(h, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
}
inline void setMinVisible(HWND h, int items) { SendMessageW(h, CB_SETMINVISIBLE, items, 0); }
// The edit field of a drop-down box, null for a list-only one.
inline HWND edit(HWND h) {
  COMBOBOXINFO info{sizeof info};
  return GetComboBoxInfo(h, &info) ? info.hwndItem : nullptr;
}

}  // namespace kakipo::win32::combo
