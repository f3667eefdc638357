// The count window as the logic drives it: a small window of its own beside the main window that
// shows the counts and follows them while it is open. The user closes it (Esc, its close box)
// without the logic hearing of it; the logic asks whether it is open.
#pragma once
#include "editing/count_display.h"

namespace kakipo {

class CountWindowView {
 public:
  virtual ~CountWindowView() = default;
  virtual bool countWindowOpen() const = 0;
  // Shown without taking the focus from the editor, so that typing goes on while it counts.
  virtual void openCountWindow() = 0;
  virtual void closeCountWindow() = 0;
  virtual void showCounts(const CountWindowTexts& texts) = 0;
};

}  // namespace kakipo
