#include "editing/conversion.h"

#include <gtest/gtest.h>


namespace kakipo {
namespace {

// The tables are written in u8"" literals.
std::string utf8(std::u8string_view s) { return {s.begin(), s.end()}; }

using C = Conversion;

TEST(Conversion, EachClassOfCharacterConvertsOrStaysAlone) {
  struct Case {
    Conversion conversion;
    std::u8string_view in;
    std::u8string_view out;
  };
  const Case cases[] = {
      // ASCII, the space, backslash and tilde; ¥ and the Latin-1 signs; control characters stay.
      {C::FullWidth, u8"Az9 !\\~\t\r\n", u8"Ａｚ９　！＼～\t\r\n"},
      {C::FullWidth, u8"\u00A5\u00A2\u00AC", u8"￥￠￢"},
      // Half-width kana and punctuation; marks joined (not into ヷ), or alone; a combining mark.
      {C::FullWidth, u8"ｱｶﾞﾊﾟｳﾞ｡｢｣､･ｰﾜﾞﾞﾟ", u8"アガパヴ。「」、・ーワ゛゛゜"},
      {C::FullWidth, u8"か\u3099ﾊ\u309A\u3099", u8"がパ\u3099"},
      // Beyond the Basic Multilingual Plane, and a character a variation selector or keycap binds.
      {C::FullWidth, u8"\U0001F600a\uFE0F1\uFE0F\u20E3", u8"\U0001F600a\uFE0F1\uFE0F\u20E3"},
      {C::HalfWidth, u8"Ａｚ９　！＼～", u8"Az9 !\\~"},
      {C::HalfWidth, u8"ガパヴヷ。「」、・ー゛カ\u3099", u8"ｶﾞﾊﾟｳﾞﾜﾞ｡｢｣､･ｰﾞｶﾞ"},
      {C::HalfWidth, u8"かがヮヰヵヶヽヾヸ￥￠", u8"かがヮヰヵヶヽヾヸ￥￠"},
      {C::Hiragana, u8"カタカナヽヾヮヲ", u8"かたかなゝゞゎを"},
      {C::Hiragana, u8"ﾃｽﾄｶﾞｳﾞヴヵヶヷカ\u3099", u8"てすとがヴヴヵヶヷか\u3099"},
      {C::Katakana, u8"ひらがなゔゝゞゕ", u8"ヒラガナヴヽヾヵ"},
      {C::Katakana, u8"ｶﾞabc", u8"ｶﾞabc"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(convert(c.conversion, utf8(c.in)), utf8(c.out)) << utf8(c.in);

  const std::string fullWidth = convert(C::FullWidth, "ﾃｽﾄABCｶﾞ!");
  EXPECT_EQ(fullWidth, "テストＡＢＣガ！");
  EXPECT_EQ(convert(C::Hiragana, fullWidth), "てすとＡＢＣが！");
}

// The formatting of a character survives only if no edit covers it.
TEST(Conversion, EditsCoverOnlyTheCharactersThatChange) {
  const std::string text = "aあｶﾞ漢b";  // a 0, あ 1, ｶ 4, ﾞ 7, 漢 10, b 13
  const std::vector<TextEdit> edits = conversionEdits(C::FullWidth, text);
  ASSERT_EQ(edits.size(), 3u);
  const TextEdit expected[] = {{0, 1, "ａ"}, {4, 6, "ガ"}, {13, 1, "ｂ"}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(edits[i].start, expected[i].start) << i;
    EXPECT_EQ(edits[i].length, expected[i].length) << i;
    EXPECT_EQ(edits[i].text, expected[i].text) << i;
  }
}

}  // namespace
}  // namespace kakipo
