#include "app/progress_layout.h"

#include <gtest/gtest.h>

namespace kakipo {
namespace {

struct LayoutCase {
  bool cancel;
  int kind;
  int clip;
  int reduction;
  int barTop;
  int buttonTop;
};

class ProgressGeometry : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ProgressGeometry, RowsComeOffForNoClipAndNoCancel) {
  const auto& c = GetParam();
  const ProgressLayout l = progressLayout(c.cancel, c.kind);
  EXPECT_EQ(l.clipResource, c.clip);
  EXPECT_EQ(l.heightReduction, c.reduction);
  EXPECT_EQ(l.clientWidth, 312);
  EXPECT_EQ(l.clientHeight, 135 - c.reduction);
  EXPECT_EQ(l.bar, (Rect{8, c.barTop, 294, 17}));
  EXPECT_EQ(l.button, (Rect{70, c.buttonTop, 180, 25}));
  EXPECT_EQ(l.buttonEnabled, c.cancel);
  EXPECT_EQ(l.animationLeft, 0);
  EXPECT_EQ(l.animationTop, 13);
  // A disabled button's row is below the bottom edge; an enabled one fits inside.
  EXPECT_EQ(l.button.top + l.button.height <= l.clientHeight, c.cancel);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgressGeometry,
    ::testing::Values(LayoutCase{true, 2, 151, 0, 81, 105}, LayoutCase{false, 2, 151, 30, 81, 105},
                      LayoutCase{true, 0, 0, 60, 21, 45}, LayoutCase{false, 0, 0, 90, 21, 45},
                      LayoutCase{true, 1, 150, 0, 81, 105}, LayoutCase{true, 3, 152, 0, 81, 105},
                      LayoutCase{true, 4, 160, 0, 81, 105}, LayoutCase{true, 5, 161, 0, 81, 105},
                      LayoutCase{true, 6, 162, 0, 81, 105}, LayoutCase{true, 7, 163, 0, 81, 105},
                      LayoutCase{true, 8, 164, 0, 81, 105}, LayoutCase{true, 9, 0, 60, 21, 45},
                      LayoutCase{false, -1, 0, 90, 21, 45}));

}  // namespace
}  // namespace kakipo
