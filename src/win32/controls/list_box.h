// Typed calls on a list box: one inline function per message.
#pragma once
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

namespace kakipo::win32::lb {

inline void add(HWND h, const std::wstring& text) {
  SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
inline void setItemHeight(HWND h, int pixels) { SendMessageW(h, LB_SETITEMHEIGHT, 0, pixels); }
// The selected item's text, nothing when none is selected.
inline std::optional<std::wstring> selectedText(HWND h) {
  const auto index = static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0));
  if (index == LB_ERR) return std::nullopt;
  const auto length = static_cast<int>(SendMessageW(h, LB_GETTEXTLEN, index, 0));
  std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
  SendMessageW(h, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  return text;
}

}  // namespace kakipo::win32::lb
