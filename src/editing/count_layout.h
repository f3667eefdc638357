// Where the count window's parts sit, in pixels of its client area at 96 dots per inch, and where
// the window opens: the shell scales the one and measures the screen for the other.
#pragma once
#include <algorithm>

#include "core/geometry.h"

namespace kakipo::countlayout {

constexpr int margin = 8;
constexpr int rowHeight = 18;
constexpr int labelWidth = 64;
constexpr int valueWidth = 140;
constexpr int columnGap = 8;
// The line that says what is counted, then one row per count below a small gap.
constexpr Rect scope{margin, margin, labelWidth + columnGap + valueWidth, rowHeight};
constexpr int firstRowTop = margin + rowHeight + 4;
constexpr Rect label(int row) { return {margin, firstRowTop + row * rowHeight, labelWidth, rowHeight}; }
constexpr Rect value(int row) {
  return {margin + labelWidth + columnGap, firstRowTop + row * rowHeight, valueWidth, rowHeight};
}
constexpr int clientWidth = margin + labelWidth + columnGap + valueWidth + margin;
constexpr int clientHeight = firstRowTop + 5 * rowHeight + margin;

// Beside the main window's right edge, level with its top, so that it covers none of the text;
// where the screen ends first, inside that edge instead. Never off the work area.
constexpr Rect besideOwner(const Rect& owner, int width, int height, const Rect& workArea) {
  const int right = workArea.left + workArea.width;
  const int bottom = workArea.top + workArea.height;
  int left = owner.left + owner.width;
  if (left + width > right) left = owner.left + owner.width - width;
  left = std::max(workArea.left, std::min(left, right - width));
  const int top = std::max(workArea.top, std::min(owner.top, bottom - height));
  return {left, top, width, height};
}

}  // namespace kakipo::countlayout
