// The longest line in the control's characters: a fault asks about ordinary files or lets a line
// through that keeps the program busy for minutes.
#include "documents/long_lines.h"

#include <gtest/gtest.h>

namespace kakipo::test {
namespace {

TEST(LongestLine, CharactersBetweenBreaksOfAnyKind) {
  const struct {
    std::string text;
    std::size_t longest;
  } cases[] = {
      {"", 0},
      {"abc\rabcd\nab\r\n\r\nabcde", 5},  // the last line has no break
      {"\u3042\u3044\U0001F600\nab", 4},  // a surrogate pair is two of the control's characters
  };
  for (const auto& c : cases) EXPECT_EQ(longestLineLength(c.text), c.longest) << c.text;
}

}  // namespace
}  // namespace kakipo::test
