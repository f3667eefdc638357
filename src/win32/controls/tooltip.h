// Typed calls on a tooltip control: one inline function per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace kakipo::win32::tt {

// Shows text over the window `tool` (a child of owner); the control keeps its own copy of text.
inline void addTool(HWND tip, HWND owner, HWND tool, std::wstring text) {
  TOOLINFOW ti{sizeof ti};
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = owner;
  ti.uId = reinterpret_cast<UINT_PTR>(tool);  // with TTF_IDISHWND the id is the window
  ti.lpszText = text.data();
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace kakipo::win32::tt
