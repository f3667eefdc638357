// The longest line in the control's characters: a fault asks about ordinary files or lets a line
// through that keeps the program busy for minutes.
#include "documents/long_lines.h"

#include <gtest/gtest.h>

#include "support/cp932_table.h"

namespace kakipo::test {
namespace {

TEST(LongestLine, CharactersBetweenBreaksOfAnyKindInEachEncoding) {
  const struct {
    std::string bytes;
    TextEncoding encoding;
    std::size_t longest;
  } cases[] = {
      {"", TextEncoding::ShiftJis, 0},
      {"abc\rabcd\nab\r\n\r\nabcde", TextEncoding::ShiftJis, 5},  // the last line has no break
      // 亜 (88 9F) has a trail byte in the lead range, 表 (95 5C) a backslash.
      {"\x88\x9F\x88\x9F\x95\x5C" "a\r\nabc", TextEncoding::ShiftJis, 4},
      {utf8(u8"\u3042\u3044\U0001F600\nab"), TextEncoding::Utf8, 4},
      {std::string("a\0\r\0\n\0b\0c\0", 10), TextEncoding::Utf16Le, 2},
      // 0D 0A is one unit and no break; read little-endian, the next unit would be a CR.
      {std::string("\x0D\x0A\0\r\0a", 6), TextEncoding::Utf16Be, 1},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(longestLineLength(cases[i].bytes, cases[i].encoding), cases[i].longest) << "case " << i;
}

}  // namespace
}  // namespace kakipo::test
