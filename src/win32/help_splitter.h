// Splitter1 of the help viewer: a thin bar between the two page controls that the user drags to
// share the width between them.
#pragma once
#include <windows.h>

#include "win32/window.h"

namespace kakipo::win32 {

class Splitter : public Window<Splitter> {
 public:
  // What a drag tells the window the splitter sits in.
  class Events {
   public:
    virtual ~Events() = default;
    // The pointer moved with the button down: where the splitter's left edge would be, in the
    // parent's client coordinates.
    virtual void splitterDragged(int left) = 0;
    // The button came up: the drag is over.
    virtual void splitterReleased() = 0;
  };

  static WindowClass windowClass() { return {L"TFormVajHelSplitter", 0, false, IDC_SIZEWE}; }

  // The splitter's window is a child of parent and goes with it.
  bool create(HWND parent, int id, Events& events);

 private:
  friend class Window<Splitter>;
  LRESULT handle(UINT msg, WPARAM w, LPARAM l);

  Events* events_ = nullptr;
  int grabbedAt_ = 0;  // where in the splitter the drag took hold
};

}  // namespace kakipo::win32
