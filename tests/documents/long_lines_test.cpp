// The longest line of a file's bytes in the control's characters, in each encoding: a fault
// here either asks about ordinary files or lets a line that hangs the program through.
#include "documents/long_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "support/cp932_table.h"

namespace kakipo::test {
namespace {

struct LongestLineCase {
  const char* label;
  std::string bytes;
  TextEncoding encoding;
  std::size_t longest;
};

class LongestLineTest : public ::testing::TestWithParam<LongestLineCase> {};

TEST_P(LongestLineTest, CountsCharactersBetweenBreaks) {
  EXPECT_EQ(longestLineLength(GetParam().bytes, GetParam().encoding), GetParam().longest);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LongestLineTest,
    ::testing::Values(
        LongestLineCase{"Empty", "", TextEncoding::ShiftJis, 0},
        LongestLineCase{"LastLineWithoutBreak", "ab\r\nabcd", TextEncoding::ShiftJis, 4},
        LongestLineCase{"CrLfAndLoneCrAndLoneLf", "abc\rabcde\nab\r\n\r\n", TextEncoding::ShiftJis, 5},
        // 亜 (88 9F) has a trail byte in the lead range, 表 (95 5C) one that is a backslash.
        LongestLineCase{"Cp932DoubleByte", "\x88\x9F\x88\x9F\x95\x5C" "a\r\nabc", TextEncoding::ShiftJis, 4},
        LongestLineCase{"Utf8MultiByte", utf8(u8"\u3042\u3044\U0001F600\nab"), TextEncoding::Utf8, 4},
        LongestLineCase{"Utf16Le", std::string("a\0\r\0\n\0b\0c\0", 10), TextEncoding::Utf16Le, 2},
        // 0D 0A as one unit is no break; read little-endian the first unit would be a CR.
        LongestLineCase{"Utf16BeByteOrder", std::string("\x0D\x0A\0\r\0a", 6), TextEncoding::Utf16Be, 1}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kakipo::test
