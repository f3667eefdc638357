#include "editing/text_counts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kakipo {
namespace {

std::string u8(std::u8string_view s) { return {reinterpret_cast<const char*>(s.data()), s.size()}; }

std::string repeat(std::string_view s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

struct Case {
  std::string text;
  TextCounts counts;  // characters, non-blank, half-width units, lines, sheets, rows on the last
};

const std::vector<Case>& cases() {
  static const std::vector<Case> all = {
      {"", {0, 0, 0, 0, 0, 0}},
      {u8(u8"日本語 ABC\r\nｶﾅ　。𠮷"), {12, 10, 18, 2, 1, 2}},
      {u8(u8"葛\U000E0100e\u0301\u2764\uFE0F"), {3, 3, 5, 1, 1, 1}},  // IVS, combining mark, emoji style
      {u8(u8"○α \u0301"), {3, 3, 5, 1, 1, 1}},                          // ambiguous: wide; a marked blank
      {u8(u8"\t\u00A0a\rb\n\n"), {4, 2, 4, 3, 1, 3}},                   // lone CR and LF; a blank line
      {repeat("\n", 21), {0, 0, 0, 21, 2, 1}},
      {repeat("a", 21), {21, 21, 21, 1, 1, 2}},                          // a half-width letter fills a cell
      {repeat(u8(u8"あ"), 20) + u8(u8"。"), {21, 21, 42, 1, 1, 1}},      // hangs past the full row
      {repeat(u8(u8"あ"), 20) + u8(u8"。、"), {22, 22, 44, 1, 1, 2}},    // only one hangs
      {"\xE3\x81\xCC\x81" "a\xE0\x80\x80\xFF\xE3\x81", {9, 9, 9, 1, 1, 1}},  // each ill-formed byte counts one
  };
  return all;
}

TEST(TextCounts, CountsEachRule) {
  for (const Case& c : cases()) EXPECT_EQ(countText(c.text), c.counts) << c.text;
}

// Cut anywhere, inside a UTF-8 sequence, a cluster or a CR LF, into two or three pieces (an empty
// one among them), and with the result read between pieces.
TEST(TextCounts, AnySplitCountsTheSame) {
  for (const Case& c : cases()) {
    const std::string& t = c.text;
    for (std::size_t i = 0; i <= t.size(); ++i) {
      for (std::size_t j = i; j <= t.size(); ++j) {
        TextCounter counter;
        counter.feed(std::string_view(t).substr(0, i));
        (void)counter.result();
        counter.feed(std::string_view(t).substr(i, j - i));
        counter.feed(std::string_view(t).substr(j));
        ASSERT_EQ(counter.result(), c.counts) << c.text << " cut at " << i << ", " << j;
      }
    }
  }
}

}  // namespace
}  // namespace kakipo
