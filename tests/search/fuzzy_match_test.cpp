#include "search/fuzzy_match.h"

#include <gtest/gtest.h>

#include <random>

#include "search/fuzzy_keys.h"
#include "search/fuzzy_reference.h"

namespace kakipo {
namespace {

// The tables are written in u8"" literals.
std::string utf8(std::u8string_view s) { return {s.begin(), s.end()}; }

TEST(FuzzyMatch, EachEquivalenceFindsTheTextsOwnSpan) {
  struct Case {
    std::u8string_view pattern;
    std::u8string_view text;
    bool down;
    std::optional<Span> found;
  };
  const Case cases[] = {
      {u8"3月～4月", u8"会議は３月〜４月", true, Span{9, 15}},  // width, 〜 and ～
      {u8"aBc", u8"xＡｂC", true, Span{1, 7}},                    // width and letter case
      {u8"\u0394\u00E9", u8"\u03B4\u00C9", true, Span{0, 4}},     // Greek and Latin-1 case
      {u8"かな", u8"カナ", true, Span{0, 6}},
      {u8"ガ", u8"xｶﾞ", true, Span{1, 6}},                      // a kana and its mark, joined
      {u8"ｶﾞ", u8"か\u3099", true, Span{0, 6}},
      {u8"カ", u8"ｶﾞガ", true, std::nullopt},                    // never half of a joined pair
      {u8"\u309B", u8"ｶﾞ", true, std::nullopt},
      {u8"\u2212\u2016\u2014", u8"－∥―", true, Span{0, 9}},      // − ‖ — and － ∥ ―
      {u8"ab", u8"ab ＡＢ", true, Span{0, 2}},
      {u8"abcdef", u8"abcdeｆ", false, Span{0, 8}},  // a full-width form at the very end
      {u8"ab", u8"ab ＡＢ", false, Span{3, 6}},
      {u8"月", u8"ab", true, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FuzzyPattern(utf8(c.pattern)).find(utf8(c.text), 0, static_cast<int>(c.text.size()), c.down), c.found)
        << utf8(c.pattern) << " in " << utf8(c.text);

  const FuzzyPattern ab("ab");
  EXPECT_EQ(ab.find("ab ab", 1, 5, true), (Span{3, 2}));
  EXPECT_EQ(ab.find("ab ab", 0, 4, false), (Span{0, 2}));  // the second does not end in range
  EXPECT_EQ(ab.findAll("aba\uFF42ab", 1), (std::vector<Span>{{2, 4}, {6, 2}}));
  EXPECT_TRUE(FuzzyPattern("").empty());
}

// Every character found by a pattern's scan must be one the pattern's key lists as a spelling.
TEST(FuzzyMatch, EveryKeyIsItsOwnKey) {
  for (char32_t c = 0; c < 0x10000; ++c) ASSERT_EQ(fuzzy::keyOf(fuzzy::keyOf(c)), fuzzy::keyOf(c)) << static_cast<unsigned>(c);
}

// The scan skips to places where the anchor unit may begin, sixteen at a time; it must find what
// comparing at every character boundary finds.
TEST(FuzzyMatch, FindsWhatComparingEveryPlaceFinds) {
  const std::u8string_view pieces[] = {u8"a", u8"A", u8"\uFF41", u8"b", u8"\uFF62", u8"\uFF76", u8"\uFF9E",
                                       u8"\u30AB", u8"\u304B", u8"\u304C", u8"\u3099", u8"\u6708", u8"\u301C",
                                       u8"~", u8"\U0001F600", u8" ", u8"\u2212"};
  std::mt19937 rng(7);
  auto pick = [&](int pieceCount) {
    std::string s;
    for (int i = 0; i < pieceCount; ++i) s += utf8(pieces[rng() % std::size(pieces)]);
    return s;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string text = pick(1 + static_cast<int>(rng() % 80));
    const std::string pattern = pick(1 + static_cast<int>(rng() % 6));
    const int size = static_cast<int>(text.size());
    const int from = static_cast<int>(rng() % (size + 1));
    const int to = from + static_cast<int>(rng() % (size - from + 1));
    const std::vector<Span> all = test::referenceFuzzyMatches(text, pattern, from, to);
    const FuzzyPattern compiled(pattern);
    const auto down = compiled.find(text, from, to, true);
    const auto up = compiled.find(text, from, to, false);
    ASSERT_EQ(down, all.empty() ? std::nullopt : std::optional(all.front())) << pattern << " in " << text;
    ASSERT_EQ(up, all.empty() ? std::nullopt : std::optional(all.back())) << pattern << " in " << text;
  }
}

}  // namespace
}  // namespace kakipo
