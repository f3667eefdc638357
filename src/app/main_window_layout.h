// The main window's sizes in pixels at 96 dots per inch, and the rules that float and dock its two
// bars, so that the shell can scale them for the display it runs on.
#pragma once
#include "core/display_scale.h"
#include "core/geometry.h"

namespace kakipo::mainlayout {

// The cool bar and its two bands.
inline constexpr int barWidth = 268;
inline constexpr int buttonSize = 24;   // each of the ten buttons, and the button bar's height
inline constexpr int pictureSize = 16;  // a button's picture
inline constexpr int comboRowHeight = 12;
inline constexpr int comboRows = 10;     // entries the dropped list shows
inline constexpr int comboFieldHeight = 20;
inline constexpr int comboBandEdges = 6;  // the phrase box's band around its closed field
// The phrase box with its list dropped: the field, ten rows and the list's border.
inline constexpr int comboDropHeight = comboFieldHeight + comboRows * comboRowHeight + 4;

// A bar floating in a window of its own: its client area, and the margin around the bar in it.
inline constexpr int floatingToolBarWidth = 260;
inline constexpr int floatingToolBarHeight = 28;
inline constexpr int floatingPhraseBoxWidth = barWidth + 8;
inline constexpr int floatingPhraseBoxHeight = 24;
inline constexpr int floatingMargin = 2;
// A new floating window's top left, from the pointer that dragged the bar out.
inline constexpr int floatingOffsetX = -20;
inline constexpr int floatingOffsetY = -10;

// The status bar and its parts: the first two by their right edges, the encoding, count and zoom
// panels after them by their widths ("UTF-8 BOM", "10,000,000 文字…" and "500%" with room to
// spare); a narrow window hides them.
inline constexpr int statusBarHeight = 18;
inline constexpr int statusPart1Right = 60;
inline constexpr int statusPart2Right = 260;
inline constexpr int statusEncodingPanelWidth = 80;
inline constexpr int statusCountPanelWidth = 110;
inline constexpr int statusZoomPanelWidth = 48;

// How often the status bar's caret position and clock are brought up to date.
inline constexpr int statusTickMilliseconds = 200;

// A band dragged more than this far above or below the cool bar leaves it and floats.
inline constexpr int floatDistance = 16;
constexpr bool draggedOutOfBar(int pointerY, int barTop, int barBottom, Scale px = Scale()) {
  return pointerY > barBottom + px(floatDistance) || pointerY < barTop - px(floatDistance);
}

// A floating bar dropped onto this band at the top of the main window's client area docks again.
inline constexpr int dockBandAbove = 8;
inline constexpr int dockBandBelow = 40;
// bar: the floating window; client: the main window's client area, both in screen coordinates.
constexpr bool droppedOnDock(const Rect& bar, const Rect& client, Scale px = Scale()) {
  return bar.width > 0 && bar.height > 0 && bar.left < client.left + client.width &&
         bar.left + bar.width > client.left && bar.top < client.top + px(dockBandBelow) &&
         bar.top + bar.height > client.top - px(dockBandAbove);
}

}  // namespace kakipo::mainlayout
