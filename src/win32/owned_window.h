// Windows that own their C++ object (the about box, the help viewer): the object is bound to its
// handle when the window is created, gets every message, and is released when the window is gone.
#pragma once
#include <windows.h>

namespace kakipo::win32 {

template <class T, class Release>
LRESULT routeToOwnedWindow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, HWND T::*handleField,
                           LRESULT (T::*handler)(UINT, WPARAM, LPARAM), Release release) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    created->*handleField = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    release(self);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return (self->*handler)(msg, wp, lp);
}

}  // namespace kakipo::win32
