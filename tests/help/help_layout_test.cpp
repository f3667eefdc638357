#include "help/help_layout.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace kakipo {
namespace {

// outer width, splitter left edge, left pane width -> left pane width after FormResize
class FormResizeTable : public ::testing::TestWithParam<std::tuple<int, int, int, int>> {};

TEST_P(FormResizeTable, KeepsTheLeftPaneWithinTheWindow) {
  const auto [outer, splitterLeft, width, expected] = GetParam();
  EXPECT_EQ(FormResize(outer, splitterLeft, width), expected);
}

INSTANTIATE_TEST_SUITE_P(
    HelpLayout, FormResizeTable,
    ::testing::Values(std::make_tuple(600, 200, 200, 200),  // room to spare: unchanged
                      std::make_tuple(237, 200, 200, 200),  // 237 - 36 = 201 > 200
                      std::make_tuple(236, 200, 200, 200),  // exactly at the edge: 200
                      std::make_tuple(235, 200, 200, 199),  // the splitter follows the edge
                      std::make_tuple(150, 200, 200, 114),
                      std::make_tuple(66, 30, 30, 30),      // 66 - 36 = 30 = the minimum
                      std::make_tuple(60, 30, 30, 30),      // never below the minimum
                      std::make_tuple(600, 10, 10, 30)));   // a pane left too narrow grows back

class SplitterMovedTable : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(SplitterMovedTable, KeepsTheMinimumWidth) {
  EXPECT_EQ(Splitter1Moved(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(HelpLayout, SplitterMovedTable,
                         ::testing::Values(std::pair{0, 30}, std::pair{29, 30}, std::pair{30, 30},
                                           std::pair{31, 31}, std::pair{400, 400}));

}  // namespace
}  // namespace kakipo
