#include "documents/text_loss.h"

#include <gtest/gtest.h>

#include "core/utf.h"

namespace kakipo::test {
namespace {

struct LossCase {
  const char* label;
  std::string text;
  std::vector<LostCharacter> lost;
};

TEST(TextLoss, FindsEachLostCharacterByLineAndColumn) {
  const std::vector<LossCase> cases = {
      {"empty", "", {}},
      {"all held", "aあb表\r\nｶ", {}},
      {"one lost", "a鷗b", {{0, 1, U'鷗'}}},
      {"CR, LF and CR LF each end one line", "x\ry\nz\r\n鷗", {{3, 0, U'鷗'}}},
      {"blank lines count", "\r\n\r\n\n鷗", {{3, 0, U'鷗'}}},
      {"pair is one character", "😀鷗\r\nあ😀", {{0, 0, U'😀'}, {0, 1, U'鷗'}, {1, 1, U'😀'}}},
      {"a variation selector is one of its own", "葛\U000E0100", {{0, 1, 0xE0100}}},
      {"an escaped byte is written back as itself", "a" + utf::encode(utf::escapeOf(0x82)) + "b", {}},
      {"lone surrogates", "a" + utf::encode(0xD83D) + "b", {{0, 1, 0xD83D}}},
  };
  for (const auto& c : cases) EXPECT_EQ(lostCharacters(c.text), c.lost) << c.label;
}

}  // namespace
}  // namespace kakipo::test
