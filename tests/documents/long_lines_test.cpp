// The line the control would take longest over: a fault asks about ordinary files or lets a line
// through that keeps the program busy for minutes.
#include "documents/long_lines.h"

#include <gtest/gtest.h>

namespace kakipo::test {
namespace {

TEST(HeaviestLine, RunsOfOneScriptBetweenBreaksOfAnyKind) {
  const struct {
    std::string text;
    std::size_t runs, characters;
  } cases[] = {
      {"", 0, 0},
      {"ab cd\r日本語\nかなカナ漢字、。\r\nx", 4, 8},          // the breaks of every kind end a line
      {"ab\r\n\u3042a\u3042\U0001F600", 4, 5},                 // a surrogate pair is two characters
      {std::string(300, 'a') + "\n\u3042a", 2, 2},             // one script, however long, is one run
  };
  for (const auto& c : cases) {
    const HeaviestLine h = heaviestLine(c.text);
    EXPECT_EQ(h.runs, c.runs) << c.text.substr(0, 40);
    EXPECT_EQ(h.characters, c.characters) << c.text.substr(0, 40);
  }
}

}  // namespace
}  // namespace kakipo::test
