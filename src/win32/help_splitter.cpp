#include "win32/help_splitter.h"

#include <windowsx.h>

namespace kakipo::win32 {

bool Splitter::create(HWND parent, int id, Events& events) {
  events_ = &events;
  return Window::create(0, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent, childId(id)) != nullptr;
}

LRESULT Splitter::handle(UINT msg, WPARAM w, LPARAM l) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetCapture(hwnd());
      grabbedAt_ = GET_X_LPARAM(l);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd()) {
        POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
        MapWindowPoints(hwnd(), GetParent(hwnd()), &p, 1);
        events_->splitterDragged(static_cast<int>(p.x) - grabbedAt_);
      }
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == hwnd()) {
        ReleaseCapture();
        events_->splitterReleased();
      }
      return 0;
    default:
      return defaultHandling(msg, w, l);
  }
}

}  // namespace kakipo::win32
