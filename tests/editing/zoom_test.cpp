// Zoom steps: 10 % a step between 10 % and 500 %; a wheel's notches, whole or in parts.
#include "editing/zoom.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/memory_editor.h"

namespace kakipo {
namespace {

TEST(ZoomSteps, TenPercentAStepWithinTheEndsAndAWheelsPartsAddedUp) {
  const int rows[][3] = {{100, 1, 110}, {100, -1, 90}, {490, 3, 500}, {20, -5, 10}, {100, 1000000000, 500}};
  for (const auto& r : rows) EXPECT_EQ(zoomedBy(r[0], r[1]), r[2]) << r[0] << " by " << r[1];
  const std::pair<std::vector<int>, int> turns[] = {
      {{240}, 120}, {{-120}, 90}, {{60, 60}, 110}, {{60}, 100}, {{90, -60, 90}, 100}};  // turning back drops the rest
  for (const auto& [deltas, percent] : turns) {
    test::MemoryEditor memo1;
    Zoom zoom(memo1, [](int) {});
    for (int d : deltas) zoom.wheel(d);
    EXPECT_EQ(memo1.zoom(), percent) << deltas.size() << " turns";
  }
}

}  // namespace
}  // namespace kakipo
