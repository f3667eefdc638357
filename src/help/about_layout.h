// Where the about box's parts sit, in pixels of its client area at 96 dots per inch; the box
// scales them for its display.
#pragma once
#include "core/geometry.h"

namespace kakipo::aboutlayout {

constexpr int clientWidth = 193;
constexpr int clientHeight = 166;
constexpr Rect panel{8, 8, 177, 113};  // Panel1's bevel
// Inside the panel, from its top left.
constexpr Rect icon{16, 16, 32, 32};
constexpr Rect productName{72, 16, 97, 14};
constexpr Rect version{64, 40, 105, 14};
constexpr Rect copyright{8, 64, 161, 44};
// On the box itself.
constexpr Rect okButton{15, 132, 74, 25};
constexpr Rect cancelButton{104, 132, 73, 25};

}  // namespace kakipo::aboutlayout
