// Zoom steps: 10 % a step between 10 % and 500 %; a wheel's notches, whole or in parts.
#include "editing/zoom.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/memory_editor.h"

namespace kakipo {
namespace {

TEST(ZoomSteps, TenPercentAStepWithinTheEnds) {
  struct Row {
    int from, steps, to;
  } rows[] = {{100, 1, 110}, {100, -1, 90}, {490, 3, 500}, {500, 1, 500}, {20, -5, 10}, {100, 1000000000, 500}};
  for (const Row& r : rows) EXPECT_EQ(zoomedBy(r.from, r.steps), r.to) << r.from << " by " << r.steps;
}

TEST(ZoomSteps, AWheelStepsANotchAtATimeAddingUpItsParts) {
  struct Row {
    const char* name;
    std::vector<int> deltas;
    int percent;
  } rows[] = {{"a notch", {120}, 110},     {"two at once", {240}, 120},        {"towards the user", {-120}, 90},
              {"halves", {60, 60}, 110},   {"a half alone", {60}, 100},
              {"turning back drops the rest", {90, -60, 90}, 100}};
  for (const Row& r : rows) {
    test::MemoryEditor memo1;
    Zoom zoom(memo1, [](int) {});
    for (int d : r.deltas) zoom.wheel(d);
    EXPECT_EQ(memo1.zoom(), r.percent) << r.name;
  }
}

}  // namespace
}  // namespace kakipo
