#include "documents/text_loss.h"

#include <gtest/gtest.h>

namespace kakipo::test {
namespace {

// Stands in for the code page: ASCII and あ are held, nothing else is.
bool heldForTest(char16_t u) { return u < 0x80 || u == u'あ'; }

struct LossCase {
  const char* label;
  std::u16string text;
  std::vector<LostCharacter> lost;
};

TEST(TextLoss, FindsEachLostCharacterByLineAndColumn) {
  const std::vector<LossCase> cases = {
      {"empty", u"", {}},
      {"all held", u"aあb\r\nc", {}},
      {"one lost", u"a鷗b", {{0, 1, U'鷗'}}},
      {"CR, LF and CR LF each end one line", u"x\ry\nz\r\n鷗", {{3, 0, U'鷗'}}},
      {"blank lines count", u"\r\n\r\n\n鷗", {{3, 0, U'鷗'}}},
      {"pair is one character", u"😀鷗\r\nあ😀", {{0, 0, U'😀'}, {0, 1, U'鷗'}, {1, 1, U'😀'}}},
      {"lone surrogates", u"a\xD83D" u"b\xDE00", {{0, 1, 0xD83D}, {0, 3, 0xDE00}}},
      {"high surrogate at the end", u"ab\xD83D", {{0, 2, 0xD83D}}},
  };
  for (const auto& c : cases) EXPECT_EQ(lostCharacters(c.text, heldForTest), c.lost) << c.label;
}

}  // namespace
}  // namespace kakipo::test
