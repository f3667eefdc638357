// The editor contract as one typed test suite. It runs natively against the in-memory editor and
// under Wine against the rich-edit adapter; a difference between the two shows up here first.
// Instantiate with a fixture type that has `Editor& editor()` and `void setText(std::string)`.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/editor.h"
#include "support/cp932_table.h"
#include "core/errors.h"

namespace kakipo::test {

template <class Fixture>
class EditorContract : public ::testing::Test {
 protected:
  Fixture fixture;
  Editor& ed() { return fixture.editor(); }
  void setText(const std::string& s) { fixture.setText(s); }
};

TYPED_TEST_SUITE_P(EditorContract);

TYPED_TEST_P(EditorContract, TextUsesCp932BytesAndCrLf) {
  this->setText("あいう\r\nabc\r\n");
  EXPECT_EQ(this->ed().text(), "あいう\r\nabc\r\n");
  EXPECT_EQ(this->ed().textLength(), 13);
  EXPECT_EQ(this->ed().lineCount(), 3);
  EXPECT_EQ(this->ed().line(0), "あいう");
  EXPECT_EQ(this->ed().line(1), "abc");
  EXPECT_EQ(this->ed().line(2), "");
}

TYPED_TEST_P(EditorContract, OffsetsCountDoubleByteCharactersAsTwo) {
  this->setText("漢字ab\r\nｶﾅ表x");
  EXPECT_EQ(this->ed().lineStart(1), 8);
  EXPECT_EQ(this->ed().lineLength(1), 5);  // two half-width katakana, 表, x
  this->ed().setSelStart(4);
  this->ed().setSelLength(2);
  EXPECT_EQ(this->ed().selText(), "ab");
  EXPECT_EQ(this->ed().selStart(), 4);
  EXPECT_EQ(this->ed().selLength(), 2);
  this->ed().setSelStart(12);
  EXPECT_EQ(this->ed().caret(), (CaretPos{1, 4}));
  this->ed().setSelStart(10);
  this->ed().setSelLength(3);
  EXPECT_EQ(this->ed().selText(), "表x");
  EXPECT_EQ(this->ed().caret(), (CaretPos{1, 5}));
}

TYPED_TEST_P(EditorContract, LineFromOffsetAtLineEnds) {
  this->setText("ab\r\nあ\r\n");
  EXPECT_EQ(this->ed().lineFromOffset(0), 0);
  EXPECT_EQ(this->ed().lineFromOffset(2), 0);  // the end of line 0, before its break
  EXPECT_EQ(this->ed().lineFromOffset(4), 1);
  EXPECT_EQ(this->ed().lineFromOffset(6), 1);
  EXPECT_EQ(this->ed().lineFromOffset(8), 2);
}

TYPED_TEST_P(EditorContract, ReplaceAndInsertLines) {
  this->setText("one\r\ntwo\r\nthree");
  this->ed().replaceLine(1, "二");
  EXPECT_EQ(this->ed().text(), "one\r\n二\r\nthree");
  this->ed().insertLine(1, "a\r\nb");
  EXPECT_EQ(this->ed().text(), "one\r\na\r\nb\r\n二\r\nthree");
  EXPECT_EQ(this->ed().lineCount(), 5);
  this->ed().insertLine(0, ">");
  EXPECT_EQ(this->ed().line(0), ">");
  EXPECT_EQ(this->ed().line(1), "one");
}

TYPED_TEST_P(EditorContract, ReplacingAnEmptySelectionInsertsAtTheCaret) {
  this->setText("前後");
  this->ed().setSelStart(2);
  this->ed().replaceSel("中");
  EXPECT_EQ(this->ed().text(), "前中後");
  EXPECT_EQ(this->ed().selStart(), 4);
  EXPECT_EQ(this->ed().selLength(), 0);
  this->ed().setSelStart(0);
  this->ed().setSelLength(2);
  this->ed().replaceSel("x\r\ny");
  EXPECT_EQ(this->ed().text(), "x\r\ny中後");
}

TYPED_TEST_P(EditorContract, FindHonoursRangeWholeWordAndCase) {
  this->setText("日本 Cat cat\r\ncatalog cat");
  auto& e = this->ed();
  EXPECT_EQ(e.find("cat", 0, 1000, false, false), 5);
  EXPECT_EQ(e.find("cat", 0, 1000, false, true), 9);
  EXPECT_EQ(e.find("cat", 6, 1000, false, false), 9);
  EXPECT_EQ(e.find("cat", 10, 1000, false, false), 14);
  EXPECT_EQ(e.find("cat", 10, 1000, true, false), 22);
  EXPECT_EQ(e.find("cat", 0, 7, false, false), -1);  // a match must end inside the range
  EXPECT_EQ(e.find("dog", 0, 1000, false, false), -1);
  EXPECT_EQ(e.find("本", 0, 1000, false, true), 2);
}

TYPED_TEST_P(EditorContract, ModifiedFlagFollowsEditsAndIsCleared) {
  this->setText("abc");
  EXPECT_FALSE(this->ed().modified());
  this->ed().setSelStart(3);
  this->ed().replaceSel("d");
  EXPECT_TRUE(this->ed().modified());
  this->ed().setModified(false);
  EXPECT_FALSE(this->ed().modified());
  this->ed().clear();
  EXPECT_EQ(this->ed().text(), "");
  EXPECT_FALSE(this->ed().modified());
}

TYPED_TEST_P(EditorContract, PlainTextModeChangesNothingShown) {
  this->setText("見える\r\ntext");
  this->ed().setModified(true);
  this->ed().setPlainText(false);
  EXPECT_EQ(this->ed().text(), "見える\r\ntext");
  EXPECT_TRUE(this->ed().modified());
  this->ed().setPlainText(true);
  EXPECT_EQ(this->ed().text(), "見える\r\ntext");
  EXPECT_TRUE(this->ed().plainText());
}

TYPED_TEST_P(EditorContract, StreamsRoundTripInBothModes) {
  auto& e = this->ed();
  e.setPlainText(true);
  e.load("１行目\r\nｶﾀｶﾅ\\表\r\n");
  EXPECT_EQ(e.text(), "１行目\r\nｶﾀｶﾅ\\表\r\n");
  EXPECT_EQ(e.save(), "１行目\r\nｶﾀｶﾅ\\表\r\n");
  EXPECT_FALSE(e.modified());
  e.setPlainText(false);
  const std::string rtf = e.save();
  e.setPlainText(true);
  e.load("other");
  e.setPlainText(false);
  e.load(rtf);
  EXPECT_EQ(e.text().substr(0, 15), "１行目\r\nｶﾀｶﾅ\\表");
}

TYPED_TEST_P(EditorContract, ViewSettingsAreKept) {
  auto& e = this->ed();
  e.setBackgroundColour(0x0000FF);
  e.setWordWrap(true);
  e.setScrollBars(ScrollBars::Vertical);
  EXPECT_EQ(e.backgroundColour(), 0x0000FFu);
  EXPECT_TRUE(e.wordWrap());
  EXPECT_EQ(e.scrollBars(), ScrollBars::Vertical);
  this->setText("x");
  e.clear();
  EXPECT_EQ(e.backgroundColour(), 0x0000FFu);
  EXPECT_TRUE(e.wordWrap());
}

TYPED_TEST_P(EditorContract, DefaultFormatTakesTheFont) {
  Font f;
  f.name = "ＭＳ ゴシック";
  f.setSize(14);
  f.style.bold = true;
  f.color = 0x0000FF;
  this->ed().setDefaultFormat(f);
  const Font got = this->ed().defaultFormat();
  EXPECT_EQ(got.name, f.name);
  EXPECT_EQ(got.size(), 14);
  EXPECT_TRUE(got.style.bold);
  EXPECT_FALSE(got.style.italic);
  EXPECT_EQ(got.color, 0x0000FFu);
}

TYPED_TEST_P(EditorContract, AFailedOrCancelledLoadLeavesTheDocumentAsItWas) {
  auto& e = this->ed();
  Font mine;
  mine.name = "ＭＳ ゴシック";
  e.setDefaultFormat(mine);
  this->setText("残す\r\ntext");
  e.setSelStart(2);
  e.setSelLength(2);
  e.setModified(true);
  Font next = mine;
  next.name = "ＭＳ 明朝";
  e.setPlainText(false);
  EXPECT_THROW(e.load("plain words, not RTF", &next), Error);
  e.setPlainText(true);
  EXPECT_THROW(e.load("new", &next, [] { return true; }), LoadCancelled);
  EXPECT_EQ(e.text(), "残す\r\ntext");
  EXPECT_EQ(e.selStart(), 2);
  EXPECT_EQ(e.selLength(), 2);
  EXPECT_TRUE(e.modified());
  EXPECT_EQ(e.defaultFormat().name, mine.name);
  e.load("new", &next);
  EXPECT_EQ(e.text(), "new");
  EXPECT_FALSE(e.modified());
  EXPECT_EQ(e.defaultFormat().name, next.name);
}

// Characters from every plane: BMP ones CP932 holds and one it cannot (鷗), then the emoji and
// 𠮷 (planes 1, 2), one of plane 3, a variation selector (14) and private use (15, 16).
inline const std::u16string everyPlane = u"A\u3042\u9DD7\U0001F600\U00020BB7\U0003134A\U000E0100\U000F0000\U0010FFFD\r\nx";

TYPED_TEST_P(EditorContract, PlainTextInEveryEncodingComesBackExactlyOffsetsCountingOneStandInPerUnit) {
  auto& e = this->ed();
  e.setPlainText(true);
  const std::string exact = utf8FromUtf16(everyPlane);
  for (const TextEncoding encoding : allEncodings) {
    if (encoding == TextEncoding::ShiftJis) continue;
    const std::string stream = isUtf16(encoding) ? utf16Bytes(everyPlane, encoding == TextEncoding::Utf16Le) : exact;
    e.setEncoding(encoding);
    e.load(stream);
    EXPECT_EQ(e.save(), stream) << encodingName(encoding);
    EXPECT_EQ(e.textUtf8(), exact);
  }
  EXPECT_EQ(e.text(), "Aあ?" + std::string(12, '?') + "\r\nx");
  EXPECT_EQ(e.searchText(), "Aあ" + std::string(13, '\0') + "\r\nx");
  EXPECT_EQ(e.lineLength(0), 16);
  EXPECT_EQ(e.lineStart(1), 18);
  e.setSelStart(4);
  e.setSelLength(2);
  EXPECT_EQ(e.selText(), "??");
  EXPECT_EQ(e.caret(), (CaretPos{0, 6}));
  e.setEncoding(TextEncoding::ShiftJis);
  EXPECT_EQ(e.save(), e.text());
}

TYPED_TEST_P(EditorContract, FindUtf8FindsTheCharacterNeverItsStandIn) {
  auto& e = this->ed();
  e.setPlainText(true);
  e.setEncoding(TextEncoding::Utf8);
  e.load(utf8(u8"?\u9DD7a\u9DD7\U00020BB7"));  // offsets: ? 0, 鷗 1, a 2, 鷗 3, 𠮷 4 and 5
  const std::string ougai = utf8(u8"\u9DD7");
  EXPECT_EQ(e.findUtf8(ougai, 0, 100, true, true), 1);
  EXPECT_EQ(e.findUtf8(ougai, 2, 100, true, true), 3);
  EXPECT_EQ(e.findUtf8(ougai, 0, 100, true, false), 3);
  EXPECT_EQ(e.findUtf8(ougai, 0, 3, true, false), 1);  // a match must lie wholly in the range
  EXPECT_EQ(e.findUtf8(utf8(u8"A\u9DD7"), 0, 100, false, true), 2);
  EXPECT_EQ(e.findUtf8(utf8(u8"A\u9DD7"), 0, 100, true, true), -1);
  EXPECT_EQ(e.findUtf8(utf8(u8"\U00020BB7"), 0, 100, true, true), 4);
  EXPECT_EQ(e.findAllUtf8(ougai, 0, true), (std::vector<int>{1, 3}));
  EXPECT_EQ(e.find("?", 0, 100, false, true), 0);
  EXPECT_EQ(e.find("?", 1, 100, false, true), -1);
}

TYPED_TEST_P(EditorContract, Utf8TextGoesInExactly) {
  auto& e = this->ed();
  this->setText("ab\r\ncd");
  e.setSelStart(1);
  e.replaceSelUtf8(utf8(u8"\U0001F600"));
  EXPECT_EQ(e.text(), "a??b\r\ncd");
  EXPECT_EQ(e.selStart(), 3);
  e.insertLineUtf8(1, utf8(u8"\u9DD7\r\n\u3042"));
  e.replaceRanges({{0, 1, utf8(u8"\U00020BB7"), true}, {4, 0, "表", false}});
  EXPECT_EQ(e.textUtf8(), utf8(u8"\U00020BB7\U0001F600b\u8868\r\n\u9DD7\r\n\u3042\r\ncd"));
  EXPECT_EQ(e.lineCount(), 4);
}

REGISTER_TYPED_TEST_SUITE_P(EditorContract, TextUsesCp932BytesAndCrLf, OffsetsCountDoubleByteCharactersAsTwo,
                            LineFromOffsetAtLineEnds, ReplaceAndInsertLines,
                            ReplacingAnEmptySelectionInsertsAtTheCaret, FindHonoursRangeWholeWordAndCase,
                            ModifiedFlagFollowsEditsAndIsCleared, PlainTextModeChangesNothingShown,
                            StreamsRoundTripInBothModes, ViewSettingsAreKept, DefaultFormatTakesTheFont,
                            AFailedOrCancelledLoadLeavesTheDocumentAsItWas,
                            PlainTextInEveryEncodingComesBackExactlyOffsetsCountingOneStandInPerUnit,
                            FindUtf8FindsTheCharacterNeverItsStandIn, Utf8TextGoesInExactly);

}  // namespace kakipo::test
