#include "search/search.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "core/utf.h"
#include "search/reference_scan.h"
#include "support/memory_editor.h"
#include "support/sjis.h"

namespace kakipo {
namespace {

constexpr unsigned up = 0;
constexpr unsigned down = fr::down;
constexpr unsigned matchCase = fr::matchCase;
constexpr unsigned whole = fr::wholeWord;

std::optional<int> search(const std::string& text, int selStart, int selLength,
                          const std::string& what, unsigned options) {
  return bufKensak(text.data(), static_cast<int>(text.size()), selStart, selLength, what, options);
}

TEST(WordDelimiters, OnlyDigitsAndAsciiLettersAreWordCharacters) {
  int words = 0;
  for (int c = 0; c < 256; ++c) {
    const bool word = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    EXPECT_EQ(isDelimiter(static_cast<unsigned char>(c)), !word) << c;
    words += word;
  }
  EXPECT_EQ(words, 62);
}

TEST(FoldTable, UpperCasesOnlyTheSmallLettersWhenFolding) {
  const FoldTable folded = makeFoldTable(true);
  const FoldTable identity = makeFoldTable(false);
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(identity[c], c);
    EXPECT_EQ(folded[c], c >= 'a' && c <= 'z' ? c - 32 : c) << c;
  }
}

struct Case {
  const char* name;
  std::string text;
  int selStart;
  int selLength;
  std::string what;
  unsigned options;
  std::optional<int> expected;
};

class BufKensakCases : public ::testing::TestWithParam<Case> {};

// The engine's rules are stated in Shift_JIS bytes, and so are the table's offsets.
TEST_P(BufKensakCases, ReturnsTheRuleResult) {
  const Case& c = GetParam();
  const std::string text = test::sjis(c.text), what = test::sjis(c.what);
  EXPECT_EQ(search(text, c.selStart, c.selLength, what, c.options), c.expected);
  // The transcription of the rules agrees, so the table also pins the reference down.
  EXPECT_EQ(test::referenceBufKensak(text, static_cast<int>(text.size()), c.selStart, c.selLength, what, c.options),
            c.expected);
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Folding, BufKensakCases,
    ::testing::Values(
        Case{"SmallFindsCapitals", "xx ABC", 0, 0, "abc", down, 3},
        Case{"SmallFindsMixedCase", "xx aBc", 0, 0, "abc", down, 3},
        Case{"CapitalsFindSmall", "xx abc", 0, 0, "ABC", down, 3},
        Case{"MatchCaseSkipsOtherCases", "ABC aBc abc", 0, 0, "abc", down | matchCase, 8},
        Case{"MatchCaseNothingFound", "ABC aBc", 0, 0, "abc", down | matchCase, std::nullopt},
        Case{"FoldingKeepsPunctuationApart", "[@] {`}", 0, 0, "`", down, 5},
        Case{"DoubleByteTextIsNotFolded", "Ａbc ＡBC", 0, 0, "ＡBC", down, 5},
        Case{"DoubleByteTextKeepsItsAsciiCase", "ＡBC", 0, 0, "Ａbc", down, std::nullopt},
        Case{"OtherOptionBitsAreIgnored", "ab AB", 0, 0, "AB", down | 0x2 | 0x400 | 0x10000, 0}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Direction, BufKensakCases,
    ::testing::Values(
        Case{"DownStartsBehindTheSelection", "ab ab ab", 0, 2, "ab", down, 3},
        Case{"DownSkipsAnOverlappingMatch", "aaaa", 0, 2, "aa", down, 2},
        Case{"DownOverlapAtTheEndIsNotFound", "aaa", 0, 2, "aa", down, std::nullopt},
        Case{"DownFindsAMatchEndingAtTheEnd", "xxab", 0, 0, "ab", down, 2},
        Case{"DownFindsAMatchFillingTheText", "ab", 0, 0, "ab", down, 0},
        Case{"DownTextLongerThanTheRest", "abc", 2, 0, "bc", down, std::nullopt},
        Case{"UpFindsAMatchEndingAtTheCaret", "ab ab", 5, 0, "ab", up, 3},
        Case{"UpFromASelectedMatchFindsTheOneBefore", "ab ab", 3, 2, "ab", up, 0},
        Case{"UpFindsAMatchAtOffsetZero", "abc", 2, 0, "ab", up, 0},
        Case{"UpCaretTooNearTheStart", "abc", 1, 0, "ab", up, std::nullopt},
        Case{"UpIgnoresTheSelectionLength", "abab", 2, 2, "ab", up, 0},
        Case{"EmptyTextFindsNothing", "", 0, 0, "a", down, std::nullopt},
        Case{"EmptySearchTextFindsNothing", "abc", 0, 0, "", down, std::nullopt},
        Case{"StartPastTheEndFindsNothing", "abc", 6, 0, "a", up, std::nullopt}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    WholeWord, BufKensakCases,
    ::testing::Values(
        Case{"NotInsideALongerWord", "x abc", 0, 0, "ab", down | whole, std::nullopt},
        Case{"BetweenBlanks", "x ab y", 0, 0, "ab", down | whole, 2},
        Case{"UnderscoreDelimits", "x_ab_y", 0, 0, "ab", down | whole, 2},
        Case{"BetweenJapaneseCharacters", "あabい", 0, 0, "ab", down | whole, 2},
        Case{"WordAtTheStartPositionIsPassedOver", "ab ab", 0, 0, "ab", down | whole, 3},
        Case{"WordEndingAtTheTextEnd", "x ab", 0, 0, "ab", down | whole, 2},
        Case{"NotAWordStartInTheMiddle", "x yab z", 0, 0, "ab", down | whole, std::nullopt},
        Case{"UpFindsTheWordBefore", "ab cd", 5, 0, "ab", up | whole, 0},
        Case{"UpNotInsideAWord", "xab cd", 6, 0, "ab", up | whole, std::nullopt},
        Case{"UpFromInsideAWordFindsItsStart", "xx ab", 5, 0, "ab", up | whole, 3},
        Case{"UpAllDelimitersEnds", "  ++  ", 6, 0, "+", up | whole, std::nullopt},
        Case{"UpDelimitersAtTheStartEnd", "  ab", 4, 0, "  ", up | whole, std::nullopt},
        Case{"FoldsToo", "x AB y", 0, 0, "ab", down | whole, 2}),
    caseName);

// Random texts from a small alphabet of ASCII letters in both cases, digits, delimiters, double-byte
// characters and half-width katakana, so that matches, word edges and folding all come up often.
class RandomScan {
 public:
  explicit RandomScan(unsigned seed) : rng_(seed) {}

  std::string text(int length) {
    static const std::string pieces[] = {"a", "b", "A", "B", "1", " ", "_", "\r\n", test::sjis("あ"), test::sjis("Ａ"),
                                         test::sjis("表"), test::sjis("ｱ"), "\x81", "`", "z"};
    std::string t;
    while (static_cast<int>(t.size()) < length) t += pieces[pick(std::size(pieces))];
    return t;
  }

  std::string pattern(const std::string& text) {
    std::string p;
    if (!text.empty() && pick(3) != 0) {
      const int at = pick(text.size());
      p = text.substr(at, 1 + pick(4));
    } else {
      p = this->text(1 + pick(3));
    }
    for (char& c : p)
      if (pick(3) == 0 && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) c ^= 0x20;
    return p;
  }

  unsigned options() {
    unsigned o = 0;
    if (pick(2)) o |= down;
    if (pick(2)) o |= matchCase;
    if (pick(2)) o |= whole;
    if (pick(4) == 0) o |= 0x2 | 0x400;
    return o;
  }

  int pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_)); }

 private:
  std::mt19937 rng_;
};

TEST(BufKensakRandom, FastScanReturnsWhatTheStraightforwardScanReturns) {
  RandomScan r(20240611);
  int found = 0;
  for (int round = 0; round < 60000; ++round) {
    // Mostly short texts, some long enough for the vector blocks in both directions.
    const int length = round % 10 == 0 ? r.pick(300) : r.pick(40);
    const std::string text = r.text(length);
    const int n = static_cast<int>(text.size());
    const std::string what = r.pattern(text);
    const int selStart = r.pick(n + 1);
    const int selLength = r.pick(n - selStart + 1);
    const unsigned options = r.options();
    const auto expected = test::referenceBufKensak(text, n, selStart, selLength, what, options);
    found += expected.has_value();
    ASSERT_EQ(search(text, selStart, selLength, what, options), expected)
        << "round " << round << " sel " << selStart << "+" << selLength << " options " << options
        << " what [" << what << "] text [" << text << "]";
  }
  // The comparison means something only if many scans do find a match.
  EXPECT_GT(found, 8000);
}

TEST(BufKensakRandom, RepeatedSearchesWalkTheSameMatches) {
  // Each search starts from the previous match, as repeated Find Next presses do.
  RandomScan r(7);
  for (int round = 0; round < 3000; ++round) {
    const std::string text = r.text(r.pick(400));
    const int n = static_cast<int>(text.size());
    const std::string what = r.pattern(text);
    const unsigned options = r.options();
    int selStart = (options & down) ? 0 : n;
    int selLength = 0;
    for (int step = 0; step < 200; ++step) {
      const auto expected = test::referenceBufKensak(text, n, selStart, selLength, what, options);
      ASSERT_EQ(search(text, selStart, selLength, what, options), expected) << round << "/" << step;
      if (!expected) break;
      selStart = *expected;
      selLength = static_cast<int>(what.size());
    }
  }
}

TEST(TangoTobas, LandsOnWordStartsAndStopsWhereTheCountRunsOut) {
  const std::string text = "ab  cd.ef";
  auto run = [&](int cursor, int count, int direction) {
    ScanState s{reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()),
                cursor, count, direction};
    tangoTobas(s);
    EXPECT_EQ(s.cursor - cursor, direction * (count - s.count))
        << "count moves with the cursor";
    return std::pair{s.cursor, s.count};
  };
  EXPECT_EQ(run(0, 7, 1), (std::pair{4, 3}));  // passes over the word at the cursor
  EXPECT_EQ(run(2, 7, 1), (std::pair{4, 5}));  // from delimiters to the next word
  EXPECT_EQ(run(0, 3, 1), (std::pair{3, 0}));  // count ran out among the blanks
  EXPECT_EQ(run(5, 5, -1), (std::pair{4, 4}));  // inside a word: its start
  EXPECT_EQ(run(6, 6, -1), (std::pair{4, 4}));  // on a delimiter: the word before
  EXPECT_EQ(run(3, 3, -1), (std::pair{0, 0}));  // a word at offset 0
}

// memoKensak over the in-memory editor.
struct MemoKensakTest : ::testing::Test {
  test::MemoryEditor memo;
};

TEST_F(MemoKensakTest, EmptySearchTextOrDocumentLeavesTheSelection) {
  memo.setText("abc abc");
  memo.select(1, 2);
  EXPECT_FALSE(memoKensak(memo, "", down));
  EXPECT_EQ(memo.selStart(), 1);
  EXPECT_EQ(memo.selLength(), 2);
  memo.setText("");
  EXPECT_FALSE(memoKensak(memo, "a", down));
  EXPECT_EQ(memo.selStart(), 0);
}

TEST_F(MemoKensakTest, RepeatedDownSearchesSelectEachMatchInTurn) {
  memo.setText("表 Abc\r\nabc xabc");
  std::vector<int> starts;
  while (memoKensak(memo, "abc", down)) {
    EXPECT_EQ(memo.selLength(), 3);
    starts.push_back(memo.selStart());
  }
  EXPECT_EQ(starts, (std::vector<int>{4, 9, 14}));
  EXPECT_EQ(memo.selStart(), 14);  // a failed search leaves the last match selected
  EXPECT_EQ(memo.selLength(), 3);
}

TEST_F(MemoKensakTest, UpSearchesWalkBackToOffsetZero) {
  memo.setText("ab ab ab");
  memo.select(8, 0);
  std::vector<int> starts;
  while (memoKensak(memo, "AB", up)) starts.push_back(memo.selStart());
  EXPECT_EQ(starts, (std::vector<int>{6, 3, 0}));
}

TEST_F(MemoKensakTest, FoundMatchIsScrolledOneLineFurtherInTheSearchDirection) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += (i == 40 || i == 5 ? "target" : "line") + std::string("\r\n");
  memo.setText(text);
  memo.select(memo.lineStart(10), 0);
  ASSERT_TRUE(memoKensak(memo, "target", down));
  // Bringing line 40 into view puts it on the last of 20 visible lines (top 21); one more: 22.
  EXPECT_EQ(memo.firstVisibleLine(), 40 - test::MemoryEditor::visibleLines + 2);
  memo.select(memo.lineStart(30), 0);
  ASSERT_TRUE(memoKensak(memo, "target", up));
  EXPECT_EQ(memo.lineFromOffset(memo.selStart()), 5);
  EXPECT_EQ(memo.firstVisibleLine(), 4);
}

TEST_F(MemoKensakTest, OneByteSearchTextAboveHex80IsDroppedEveryTime) {
  // Half-width katakana ｱ is the one byte B1 in Shift_JIS; every occurrence is dropped.
  memo.setText("ｱxｱｱ y ｱ");
  EXPECT_FALSE(memoKensak(memo, "ｱ", down));
  EXPECT_EQ(memo.selStart(), 16);  // two behind the start of the last occurrence, clamped to the end
  EXPECT_EQ(memo.selLength(), 0);
  memo.select(3, 0);
  EXPECT_FALSE(memoKensak(memo, "ｱ", up));
  EXPECT_EQ(memo.selStart(), 0);  // one before the occurrence at 0, clamped at the start
  memo.setText("x ｱ y ｱ z");
  memo.select(13, 0);
  EXPECT_FALSE(memoKensak(memo, "ｱ", up));
  EXPECT_EQ(memo.selStart(), 1);
}

TEST_F(MemoKensakTest, AnUndecodableByteIsFoundAsItselfNeverInsideACharacter) {
  // 0x82 is the lead byte of あ in Shift_JIS; a file's lone 0x82 is a character of its own.
  const std::string lone = utf::encode(utf::escapeOf(0x82));
  memo.setText("ああ" + lone + " a");
  ASSERT_TRUE(memoKensak(memo, lone, down));
  EXPECT_EQ(memo.selStart(), 6);
  EXPECT_EQ(memo.selText(), lone);
  memo.select(0, 0);
  EXPECT_TRUE(memoKensak(memo, "A", down));
  EXPECT_EQ(memo.selStart(), 10);
  EXPECT_EQ(memo.selLength(), 1);
}

TEST_F(MemoKensakTest, DoubleByteSearchTextIsFoundWholeAfterJapaneseText) {
  memo.setText("日本語のメモ、メモ帳");
  ASSERT_TRUE(memoKensak(memo, "メモ帳", down));
  EXPECT_EQ(memo.selStart(), 21);
  EXPECT_EQ(memo.selText(), "メモ帳");
  // Far into a long text, where offsets are converted from the nearest point both agree on.
  std::string longText;
  for (int i = 0; i < 5000; ++i) longText += "ｱ日本語";
  memo.setText(longText + "メモ帳ｱ");
  ASSERT_TRUE(memoKensak(memo, "メモ帳", down));
  EXPECT_EQ(memo.selStart(), static_cast<int>(longText.size()));
  EXPECT_EQ(memo.selLength(), 9);
  ASSERT_TRUE(memoKensak(memo, "日", up)) << "up from the match: the 日 before it";
  EXPECT_EQ(memo.selStart(), static_cast<int>(longText.size()) - 9);
  // A kanji found is selected with the variation selector that picks its form.
  memo.setText("x葛\U000E0100と葛");
  for (const std::string what : {"葛", "x葛"}) {
    memo.select(0, 0);
    ASSERT_TRUE(memoKensak(memo, what, down));
    EXPECT_EQ(memo.selStart() + memo.selLength(), 8) << what;
  }
}

}  // namespace
}  // namespace kakipo
