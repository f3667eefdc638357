// Plain values of window geometry and input that ports on every side share.
#pragma once

namespace kakipo {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class MouseButton { Left, Right, Middle };

}  // namespace kakipo
