// The benchmark documents: CP932 text of mixed Japanese and ASCII lines made from a fixed seed, so
// every run, native or under Wine, measures the same bytes; and the same text written as RTF.
#pragma once
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>

#include "core/text_codec.h"

namespace kakipo::bench {

inline std::string sjis(std::string_view text) { return encodeText(text, TextEncoding::ShiftJis); }

// Lines of 3 to 12 pieces, each an ASCII word (1 to 8 of a-z, A-Z, 0-9 and "._-", then a blank)
// or a run of 1 to 12 Japanese characters (kana, kanji, full-width forms, punctuation, half-width
// katakana); about 60 bytes a line on average.
class Corpus {
 public:
  explicit Corpus(unsigned seed = 12345) : rng_(seed) {}

  // One line without its line break.
  std::string line() {
    static const std::string japanese[] = {
        sjis("あ"), sjis("い"), sjis("う"), sjis("の"), sjis("は"), sjis("を"), sjis("メ"), sjis("モ"), sjis("帳"),
        sjis("日"), sjis("本"), sjis("語"), sjis("表"), sjis("示"), sjis("検"), sjis("索"), sjis("置"), sjis("換"),
        sjis("、"), sjis("。"), sjis("「"), sjis("」"), sjis("Ａ"), sjis("ｂ"), sjis("ｱ"), sjis("ｶ"), sjis("ﾟ")};
    std::string t;
    for (int words = 3 + pick(10); words > 0; --words) {
      if (pick(2)) {
        for (int i = 1 + pick(8); i > 0; --i) {
          const int r = pick(40);
          t += static_cast<char>(r < 26 ? 'a' + r : r < 36 ? 'A' + r - 26 : "0._-"[r - 36]);
        }
        t += ' ';
      } else {
        for (int i = 1 + pick(12); i > 0; --i) t += japanese[pick(std::size(japanese))];
      }
    }
    return t;
  }

  // Whole CR LF lines until the text holds at least `bytes` bytes.
  std::string text(std::size_t bytes) {
    std::string t;
    t.reserve(bytes + 200);
    while (t.size() < bytes) t += line() + "\r\n";
    return t;
  }

  // Exactly `count` CR LF lines.
  std::string lines(int count) {
    std::string t;
    for (int i = 0; i < count; ++i) t += line() + "\r\n";
    return t;
  }

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::mt19937 rng_;
};

// The header the rich-edit control itself writes for a Japanese plain document, near enough: code
// page 932 and one Japanese font.
inline const char* const rtfHeader =
    "{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1041{\\fonttbl{\\f0\\fnil\\fcharset128 "
    "\\'82\\'6c\\'82\\'72 \\'82\\'6f\\'83\\'53\\'83\\'56\\'83\\'62\\'83\\'4e;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs20 ";

// One line of CP932 text as RTF body text, its line break a paragraph mark.
inline std::string rtfLine(const std::string& line) {
  std::string out;
  char hex[8];
  for (unsigned char c : line) {
    if (c >= 0x80) {
      std::snprintf(hex, sizeof hex, "\\'%02x", c);
      out += hex;
    } else {
      if (c == '\\' || c == '{' || c == '}') out += '\\';
      out += static_cast<char>(c);
    }
  }
  return out + "\\par\r\n";
}

// An RTF document of corpus lines, at least `bytes` bytes of RTF.
inline std::string corpusRtf(Corpus& corpus, std::size_t bytes) {
  std::string rtf = rtfHeader;
  rtf.reserve(bytes + 1000);
  while (rtf.size() < bytes) rtf += rtfLine(corpus.line());
  return rtf + "}\r\n";
}

}  // namespace kakipo::bench
