// Where the progress dialog's controls sit for an animation kind and whether it may be cancelled:
// no clip takes the animation's strip away, no cancelling takes the button's row away.
#pragma once
#include "core/display_scale.h"
#include "core/geometry.h"

namespace kakipo {

struct ProgressLayout {
  int clipResource = 0;      // the shell library's "AVI" resource number; 0 for no clip
  int heightReduction = 0;   // pixels taken off the dialog's outer (and so its client) height
  int clientWidth = 0;
  int clientHeight = 0;      // after the reduction
  int animationLeft = 0;     // the animation control takes the size of its clip
  int animationTop = 0;
  Rect bar;
  Rect button;
  bool buttonEnabled = true;
  friend bool operator==(const ProgressLayout&, const ProgressLayout&) = default;
};

// kind 0 ... 8; any other kind is laid out like 0, with no clip. Pixels for a display at px.
ProgressLayout progressLayout(bool cancelAllowed, int kind, Scale px = Scale());

}  // namespace kakipo
