#include "documents/look_alikes.h"

#include <gtest/gtest.h>


namespace kakipo {
namespace {

// Each pair replaced, other text (the Shift_JIS forms themselves among it) kept, and the count of
// each pair the question before the save lists.
TEST(LookAlikes, ReplacesEachPairAndCountsIt) {
  const std::string text = "3\u301C4\u301C \u2212\u2016\u2014 \u00A2\u00A3\u00AC \uFF5E\u00A5";
  EXPECT_EQ(withCp932LookAlikes(text), "3\uFF5E4\uFF5E \uFF0D\u2225\u2015 \uFFE0\uFFE1\uFFE2 \uFF5E\u00A5");
  const std::vector<LookAlikeCount> counts = cp932LookAlikeCounts(text);
  ASSERT_EQ(counts.size(), 7u);
  EXPECT_EQ(counts[0].pair.from, U'\u301C');
  EXPECT_EQ(counts[0].count, 2);
  for (std::size_t i = 1; i < 7; ++i) EXPECT_EQ(counts[i].count, 1) << i;
  EXPECT_TRUE(cp932LookAlikeCounts("abc").empty());
}

}  // namespace
}  // namespace kakipo
