// Where the help viewer's parts sit: PageControl1 (contents and keywords) on the left, Splitter1,
// PageControl2 (body and details) on the right. Lengths in pixels at 96 dots per inch; the viewer
// scales them for its display.
#pragma once
#include "core/display_scale.h"

namespace kakipo {

namespace helplayout {
constexpr int initialWidth = 600;
constexpr int initialHeight = 400;
constexpr int minTrackWidth = 150;
constexpr int minTrackHeight = 100;
constexpr int leftPaneWidth = 200;  // PageControl1 at creation; Splitter1 starts at x = 200
constexpr int splitterMinSize = 30;
constexpr int splitterWidth = 6;
constexpr int statusBarHeight = 20;
constexpr int fontPixels = 13;
constexpr int keywordRowHeight = 13;
constexpr int treeIndent = 19;
constexpr int pictureSize = 16;  // the contents tree's two pictures
}  // namespace helplayout

// FormResize: the width PageControl1 takes when the window's outer width becomes outerWidth.
int FormResize(int outerWidth, int splitterLeft, int leftPaneWidth, Scale px = Scale());
// Splitter1Moved: the width PageControl1 takes after the splitter was dragged.
int Splitter1Moved(int leftPaneWidth, Scale px = Scale());

}  // namespace kakipo
