#include "editing/quote_markers.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo {
namespace {

struct QuoteMarkersTest : ::testing::Test {
  test::MemoryEditor memo1;
  test::ScriptedMessageBoxes ui;
  QuoteMarkers quotes{memo1, ui};
};

struct QuoteCase {
  const char* name;
  bool insert;
  std::string before;
  int selStart, selLength;
  std::string after;
  int caret;
};

void PrintTo(const QuoteCase& c, std::ostream* os) { *os << c.name; }

class QuoteRangeTest : public QuoteMarkersTest, public ::testing::WithParamInterface<QuoteCase> {};

TEST_P(QuoteRangeTest, MarksEveryLineTheSelectionTouches) {
  const auto& c = GetParam();
  memo1.setText(c.before);
  memo1.select(c.selStart, c.selLength);
  if (c.insert)
    quotes.popInyofInClick();
  else
    quotes.popInyofOutClick();
  EXPECT_EQ(memo1.text(), c.after);
  EXPECT_EQ(memo1.selStart(), c.caret);
  EXPECT_EQ(memo1.selLength(), 0);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(memo1.focusCount, 1);
  EXPECT_EQ(memo1.updateDepth, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuoteRangeTest,
    ::testing::Values(
        QuoteCase{"InsideOneLine", true, "ab\r\ncdef\r\ngh", 5, 2, "ab\r\n>cdef\r\ngh", 7},
        // The caret keeps its number: three markers in front of it leave it three bytes short.
        QuoteCase{"ThreeLines", true, "one\r\ntwo\r\nthree\r\nfour", 1, 12, ">one\r\n>two\r\n>three\r\nfour", 13},
        // Whole lines selected with their last line break touch the next line too. The old end,
        // 4, now falls between a CR and its LF: the caret stays in front of the break.
        QuoteCase{"EndingAtALineStart", true, "aa\r\nbb\r\ncc", 0, 4, ">aa\r\n>bb\r\ncc", 3},
        QuoteCase{"EmptyLine", true, "x\r\n\r\ny", 3, 3, "x\r\n>\r\n>y", 6},
        QuoteCase{"OntoAMarker", true, ">q", 0, 1, ">>q", 1},
        QuoteCase{"RemoveAfterSpaceStays", false, "> a\r\n >b", 0, 8, " a\r\n >b", 7},
        QuoteCase{"RemoveOneOfTwo", false, ">>x\r\ny", 0, 3, ">x\r\ny", 2},
        QuoteCase{"RemoveLeavesOtherLinesAndEmptyLines", false, ">a\r\n\r\nb\r\n>c", 1, 9,
                  "a\r\n\r\nb\r\nc", 9},
        // The text shrinks under the caret's old number: it stops at the end.
        QuoteCase{"RemoveCaretPastTheNewEnd", false, ">a\r\n>b", 0, 6, "a\r\nb", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QuoteMarkersTest, VeryLongLineKeepsAllItsText) {
  std::string longLine;
  for (int i = 0; longLine.size() < 20000; ++i) longLine += "日本語" + std::to_string(i);
  memo1.setText("top\r\n" + longLine + "\r\nend");
  memo1.select(6, 3);
  quotes.inyofIn();
  EXPECT_EQ(memo1.line(1), ">" + longLine);
  memo1.select(5, 1);
  quotes.inyofOut();
  EXPECT_EQ(memo1.text(), "top\r\n" + longLine + "\r\nend");
}

TEST_F(QuoteMarkersTest, CaretNeverSplitsACharacterOrALineBreak) {
  // "あい" is four bytes; one marker shifts the old end (after "あ") into the middle of "あ".
  memo1.setText("あい\r\nう");
  memo1.select(0, 2);
  quotes.inyofIn();
  EXPECT_EQ(memo1.text(), ">あい\r\nう");
  EXPECT_EQ(memo1.selStart(), 1);
  // Two markers in front move the old end of the text onto the LF of the second line break.
  memo1.setText("a\r\nb\r\nc");
  memo1.selectAll();
  quotes.inyofIn();
  EXPECT_EQ(memo1.text(), ">a\r\n>b\r\n>c");
  EXPECT_EQ(memo1.selStart(), 6);
  EXPECT_EQ(characterStartAtOrBefore(memo1, 7), 6);
  EXPECT_EQ(characterStartAtOrBefore(memo1, 9), 9);
  EXPECT_EQ(characterStartAtOrBefore(memo1, 99), 10);
  // Nor between a kanji and the variation selector that picks its form.
  memo1.setText("葛\U000E0100x");
  EXPECT_EQ(characterStartAtOrBefore(memo1, 3), 0);
  EXPECT_EQ(characterStartAtOrBefore(memo1, 7), 7);
}

struct RefusalCase {
  const char* name;
  bool insert;
  bool wrap;
  int selLength;
  std::string caption, text;
  unsigned flags;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class QuoteRefusalTest : public QuoteMarkersTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(QuoteRefusalTest, RefusesWithItsMessageAndChangesNothing) {
  const auto& c = GetParam();
  memo1.setText("one\r\ntwo");
  memo1.select(1, c.selLength);
  memo1.setWordWrap(c.wrap);
  c.insert ? quotes.inyofIn() : quotes.inyofOut();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, c.caption);
  EXPECT_EQ(ui.shown[0].text, c.text);
  EXPECT_EQ(ui.shown[0].flags, c.flags);
  EXPECT_EQ(memo1.text(), "one\r\ntwo");
  EXPECT_EQ(memo1.selStart(), 1);
  EXPECT_EQ(memo1.selLength(), c.selLength);
  EXPECT_EQ(memo1.focusCount, 0);
}

const std::string inCaption = "カキポ ♪行頭に > を挿入する前に";
const std::string outCaption = "カキポ ♪行頭から > を削除する前に";
const std::string wrapText = "ワードラップ（右端で折り返す）はOFFにしておいてね";

INSTANTIATE_TEST_SUITE_P(
    Cases, QuoteRefusalTest,
    ::testing::Values(
        RefusalCase{"InsertWrapOn", true, true, 4, inCaption, wrapText, mb::ok | mb::iconWarning},
        // The wrap check comes first, even without a selection.
        RefusalCase{"InsertWrapOnNothingSelected", true, true, 0, inCaption, wrapText, mb::iconWarning},
        RefusalCase{"InsertNothingSelected", true, false, 0, inCaption,
                    "> を挿入する行を範囲選択しておいてね", mb::ok | mb::iconInformation},
        RefusalCase{"RemoveWrapOn", false, true, 4, outCaption, wrapText, mb::iconWarning},
        RefusalCase{"RemoveWrapOnNothingSelected", false, true, 0, outCaption, wrapText, mb::iconWarning},
        RefusalCase{"RemoveNothingSelected", false, false, 0, outCaption,
                    "> を削除する行を範囲選択しておいてね", mb::ok | mb::iconWarning}),
    [](const auto& info) { return std::string(info.param.name); });

// Records the bulk edits so that a command can be held to touching only the markers.
struct RecordingEditor : test::MemoryEditor {
  void replaceRanges(const std::vector<TextEdit>& e) override {
    edits.insert(edits.end(), e.begin(), e.end());
    MemoryEditor::replaceRanges(e);
  }
  std::vector<TextEdit> edits;
};

TEST(QuoteMarkersEdits, OnlyTheMarkersAreEdited) {
  RecordingEditor memo1;
  test::ScriptedMessageBoxes ui;
  QuoteMarkers quotes{memo1, ui};
  memo1.setText(">a\r\nbb\r\n>c\r\n\r\nd");
  memo1.selectAll();
  quotes.inyofOut();
  EXPECT_EQ(memo1.text(), "a\r\nbb\r\nc\r\n\r\nd");
  ASSERT_EQ(memo1.edits.size(), 2u);
  EXPECT_EQ(std::tie(memo1.edits[0].start, memo1.edits[0].length), std::make_tuple(0, 1));
  EXPECT_EQ(std::tie(memo1.edits[1].start, memo1.edits[1].length), std::make_tuple(8, 1));

  memo1.edits.clear();
  memo1.selectAll();
  quotes.inyofIn();
  ASSERT_EQ(memo1.edits.size(), 5u);
  for (const auto& e : memo1.edits) EXPECT_EQ(std::tie(e.length, e.text), std::make_tuple(0, std::string(">")));
  EXPECT_EQ(memo1.edits[4].start, 12);
  EXPECT_EQ(memo1.text(), ">a\r\n>bb\r\n>c\r\n>\r\n>d");
}

}  // namespace
}  // namespace kakipo
