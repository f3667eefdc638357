#include "core/utf.h"

#include <gtest/gtest.h>

namespace kakipo {
namespace {

// Any UTF-16 text, lone surrogates included, comes back unit for unit; well-formed text is plain
// UTF-8 on the way.
TEST(Utf, EveryUtf16TextRoundTrips) {
  const std::u16string texts[] = {u"", u"abc", u"\u9DD7\u5916", u"\U0001F600", u"\u845B\U000E0100",
                                  std::u16string{u'a', char16_t(0xD83D), u'b'},
                                  std::u16string{char16_t(0xDC85)}, std::u16string{char16_t(0xDE00), char16_t(0xD83D)}};
  for (const auto& t : texts) EXPECT_EQ(utf::toUtf16(utf::fromUtf16(t)), t);
  EXPECT_EQ(utf::fromUtf16(u"\U0001F600"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(utf::fromUtf16(std::u16string{char16_t(0xDC85)}), "\xED\xB2\x85");
}

// A byte that begins nothing well-formed decodes as the escape of itself, one byte long, so a
// scan never skips or swallows what follows it.
TEST(Utf, IllFormedBytesDecodeAsTheirEscapes) {
  struct Case {
    std::string bytes;
    char32_t c;
    int length;
  };
  for (const Case& k : {Case{"\xC0\xAF", utf::escapeOf(0xC0), 1}, Case{"\x80", utf::escapeOf(0x80), 1},
                        Case{"\xE3\x81", utf::escapeOf(0xE3), 1}, Case{"\xE3\x81\x0D", utf::escapeOf(0xE3), 1},
                        Case{"\xF4\x90\x80\x80", utf::escapeOf(0xF4), 1}, Case{"\xFF", utf::escapeOf(0xFF), 1},
                        Case{"\xE3\x81\x82", U'\u3042', 3}}) {
    const utf::Decoded d = utf::decode(k.bytes, 0);
    EXPECT_EQ(d.c, k.c);
    EXPECT_EQ(d.length, k.length);
  }
}

TEST(Utf, CodePointStartNeverSplitsACharacter) {
  const std::string s = "a\xF0\x9F\x98\x80\xE3\x81\x82";  // a 😀 あ
  const std::size_t starts[] = {0, 1, 1, 1, 1, 5, 5, 5, 8};
  for (std::size_t i = 0; i <= s.size(); ++i) EXPECT_EQ(utf::codePointStart(s, i), starts[i]) << i;
}

}  // namespace
}  // namespace kakipo
