// Go to line: what counts as a line number, and where a number past the end goes.
#include "editing/go_to_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <utility>

namespace kakipo {
namespace {

TEST(LineNumber, DigitsOnlyFullWidthTooBlanksAroundAndPastTheEndTheLastLine) {
  const std::pair<const char*, std::optional<int>> rows[] = {
      {"12", 12}, {" 7\t", 7}, {"\u3000\uFF11\uFF12", 12}, {"0", 0}, {"99999999999", INT_MAX},
      {"", {}},   {" ", {}},    {"1 2", {}},                {"-3", {}}, {"3\u884C", {}}};
  for (const auto& [text, number] : rows) EXPECT_EQ(parseLineNumber(text), number) << text;
  const int lines[][3] = {{1, 5, 0}, {5, 5, 4}, {6, 5, 4}, {INT_MAX, 5, 4}, {0, 5, 0}};
  for (const auto& r : lines) EXPECT_EQ(lineToGoTo(r[0], r[1]), r[2]) << r[0] << " of " << r[1];
}

}  // namespace
}  // namespace kakipo
