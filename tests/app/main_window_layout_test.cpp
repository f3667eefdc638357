#include "app/main_window_layout.h"

#include <gtest/gtest.h>

namespace kakipo::test {
namespace {

using namespace mainlayout;

TEST(MainWindowLayout, BandFloatsOnlyWhenDraggedWellAwayFromTheBar) {
  // The bar spans y 100 ... 150 on the screen.
  struct Case {
    int pointerY;
    bool floats;
  };
  for (const Case c : {Case{100 - 17, true}, Case{100 - 16, false}, Case{125, false}, Case{150 + 16, false},
                       Case{150 + 17, true}})
    EXPECT_EQ(draggedOutOfBar(c.pointerY, 100, 150), c.floats) << c.pointerY;
}

TEST(MainWindowLayout, FloatingBarDocksWhenDroppedOnTheTopOfTheClientArea) {
  const Rect client{10, 200, 300, 400};
  struct Case {
    const char* label;
    Rect bar;
    bool docks;
  };
  for (const Case& c : {
           Case{"over the top edge", {50, 180, 100, 30}, true},
           Case{"just above the band", {50, 162, 100, 30}, false},
           Case{"touching the band from above", {50, 163, 100, 30}, true},
           Case{"last row of the band", {50, 239, 100, 30}, true},
           Case{"below the band", {50, 240, 100, 30}, false},
           Case{"beside the window", {310, 200, 100, 30}, false},
           Case{"overlapping the left edge", {-80, 200, 91, 30}, true},
       })
    EXPECT_EQ(droppedOnDock(c.bar, client), c.docks) << c.label;
}

}  // namespace
}  // namespace kakipo::test
