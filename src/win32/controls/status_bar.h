// Typed calls on a status bar: one inline function per message.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace kakipo::win32::sb {

inline void setText(HWND h, int part, const std::wstring& text) {
  SendMessageW(h, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}
// Parts end at these x positions; -1 runs to the right edge.
inline void setParts(HWND h, const std::vector<int>& rightEdges) {
  SendMessageW(h, SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}
inline void setMinHeight(HWND h, int pixels) { SendMessageW(h, SB_SETMINHEIGHT, pixels, 0); }
// One part across the whole bar, written with setText(h, SB_SIMPLEID, ...), or the parts again.
inline void setSimple(HWND h, bool simple = true) { SendMessageW(h, SB_SIMPLE, simple, 0); }
// Fits the bar to its parent's new size.
inline void fit(HWND h) { SendMessageW(h, WM_SIZE, 0, 0); }

}  // namespace kakipo::win32::sb
