// The editor contract as one typed test suite. It runs natively against the in-memory editor and
// under Wine against the rich-edit adapter; a difference between the two shows up here first.
// Instantiate with a fixture type that has `Editor& editor()` and `void setText(std::string)`.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "core/editor.h"
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

TYPED_TEST_P(EditorContract, TextIsUtf8WithCrLf) {
  this->setText("あいう\r\nabc\r\n");
  EXPECT_EQ(this->ed().text(), "あいう\r\nabc\r\n");
  EXPECT_EQ(this->ed().textLength(), 16);
  EXPECT_EQ(this->ed().lineCount(), 3);
  EXPECT_EQ(this->ed().line(0), "あいう");
  EXPECT_EQ(this->ed().line(1), "abc");
  EXPECT_EQ(this->ed().line(2), "");
}

TYPED_TEST_P(EditorContract, OffsetsCountUtf8BytesAndNeverSplitACharacter) {
  this->setText("漢字ab\r\nｶﾅ表x");
  EXPECT_EQ(this->ed().lineStart(1), 10);
  EXPECT_EQ(this->ed().lineLength(1), 10);  // two half-width katakana, 表, x
  this->ed().setSelStart(6);
  this->ed().setSelLength(2);
  EXPECT_EQ(this->ed().selText(), "ab");
  EXPECT_EQ(this->ed().selStart(), 6);
  EXPECT_EQ(this->ed().selLength(), 2);
  this->ed().setSelStart(16);
  EXPECT_EQ(this->ed().caret(), (CaretPos{1, 6}));
  EXPECT_EQ(this->ed().caretLineHead(), "ｶﾅ");
  this->ed().setSelStart(16);
  this->ed().setSelLength(4);
  EXPECT_EQ(this->ed().selText(), "表x");
  EXPECT_EQ(this->ed().caret(), (CaretPos{1, 10}));
  // Inside a character or a line break: moved to its end.
  this->ed().setSelStart(1);
  EXPECT_EQ(this->ed().selStart(), 3);
  this->ed().setSelStart(9);
  EXPECT_EQ(this->ed().selStart(), 10);
  this->ed().setSelStart(0);
  this->ed().setSelLength(5);
  EXPECT_EQ(this->ed().selText(), "漢字");
}

TYPED_TEST_P(EditorContract, LineFromOffsetAtLineEnds) {
  this->setText("ab\r\nあ\r\n");
  EXPECT_EQ(this->ed().lineFromOffset(0), 0);
  EXPECT_EQ(this->ed().lineFromOffset(2), 0);  // the end of line 0, before its break
  EXPECT_EQ(this->ed().lineFromOffset(4), 1);
  EXPECT_EQ(this->ed().lineFromOffset(7), 1);
  EXPECT_EQ(this->ed().lineFromOffset(9), 2);
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
  this->ed().setSelStart(3);
  this->ed().replaceSel("中");
  EXPECT_EQ(this->ed().text(), "前中後");
  EXPECT_EQ(this->ed().selStart(), 6);
  EXPECT_EQ(this->ed().selLength(), 0);
  this->ed().setSelStart(0);
  this->ed().setSelLength(3);
  this->ed().replaceSel("x\r\ny");
  EXPECT_EQ(this->ed().text(), "x\r\ny中後");
}

TYPED_TEST_P(EditorContract, FindHonoursRangeWholeWordAndCase) {
  this->setText("日本 Cat cat\r\ncatalog cat");
  auto& e = this->ed();
  EXPECT_EQ(e.find("cat", 0, 1000, false, false), 7);
  EXPECT_EQ(e.find("cat", 0, 1000, false, true), 11);
  EXPECT_EQ(e.find("cat", 8, 1000, false, false), 11);
  EXPECT_EQ(e.find("cat", 12, 1000, false, false), 16);
  EXPECT_EQ(e.find("cat", 12, 1000, true, false), 24);
  EXPECT_EQ(e.find("cat", 0, 9, false, false), -1);  // a match must end inside the range
  EXPECT_EQ(e.find("dog", 0, 1000, false, false), -1);
  EXPECT_EQ(e.find("本", 0, 1000, false, true), 3);
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

TYPED_TEST_P(EditorContract, TextAndRtfRoundTrip) {
  auto& e = this->ed();
  e.loadText("１行目\r\nｶﾀｶﾅ\\表\r\n");
  EXPECT_EQ(e.text(), "１行目\r\nｶﾀｶﾅ\\表\r\n");
  EXPECT_FALSE(e.modified());
  const std::string rtf = e.rtf();
  e.loadText("other");
  e.loadRtf(rtf);
  EXPECT_EQ(e.text().substr(0, 27), "１行目\r\nｶﾀｶﾅ\\表");
}

TYPED_TEST_P(EditorContract, ViewSettingsAreKept) {
  auto& e = this->ed();
  e.setBackgroundColour(0x0000FF);
  e.setWordWrap(true);
  e.setScrollBars(ScrollBars::Vertical);
  e.setZoom(150);
  EXPECT_EQ(e.backgroundColour(), 0x0000FFu);
  EXPECT_TRUE(e.wordWrap());
  EXPECT_EQ(e.scrollBars(), ScrollBars::Vertical);
  this->setText("x");
  e.clear();
  e.loadText("y");
  EXPECT_EQ(e.backgroundColour(), 0x0000FFu);
  EXPECT_TRUE(e.wordWrap());
  EXPECT_EQ(e.zoom(), 150);
}

// One step at a time, a bulk edit and an inserted line one each; an edit not undoable ends them all.
TYPED_TEST_P(EditorContract, UndoAndRedoGoStepByStep) {
  auto& e = this->ed();
  this->setText("a\r\nb");
  e.replaceRanges({{0, 0, ">"}, {3, 0, ">"}});
  e.insertLine(0, "new");
  for (auto step : {&Editor::undo, &Editor::undo, &Editor::redo}) (e.*step)();
  EXPECT_EQ(e.text(), ">a\r\n>b");
  e.setSelStart(0);
  e.replaceSel("x");
  for (auto step : {&Editor::undo, &Editor::redo}) (e.*step)();
  EXPECT_EQ(e.text(), "x>a\r\n>b");
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
  e.setSelStart(3);
  e.setSelLength(3);
  e.setModified(true);
  Font next = mine;
  next.name = "ＭＳ 明朝";
  EXPECT_THROW(e.loadRtf("plain words, not RTF", &next), Error);
  EXPECT_THROW(e.loadText("new", &next, [] { return true; }), LoadCancelled);
  EXPECT_EQ(e.text(), "残す\r\ntext");
  EXPECT_EQ(e.selStart(), 3);
  EXPECT_EQ(e.selLength(), 3);
  EXPECT_TRUE(e.modified());
  EXPECT_EQ(e.defaultFormat().name, mine.name);
  e.loadText("new", &next);
  EXPECT_EQ(e.text(), "new");
  EXPECT_FALSE(e.modified());
  EXPECT_EQ(e.defaultFormat().name, next.name);
}

// Characters from every plane: BMP ones CP932 holds and one it cannot (鷗), then the emoji and
// 𠮷 (planes 1, 2), one of plane 3, a variation selector (14) and private use (15, 16); and a
// byte a file could not decode, carried as its lone surrogate.
inline const std::string everyPlane =
    "A\u3042\u9DD7\U0001F600\U00020BB7\U0003134A\U000E0100\U000F0000\U0010FFFD\xED\xB2\x82\r\nx";

TYPED_TEST_P(EditorContract, EveryCharacterComesBackExactlyAndIsNeverSplit) {
  auto& e = this->ed();
  e.loadText(everyPlane);
  EXPECT_EQ(e.text(), everyPlane);
  EXPECT_EQ(e.lineLength(0), 34);
  EXPECT_EQ(e.lineStart(1), 36);
  e.setSelStart(8);  // inside the emoji
  EXPECT_EQ(e.selStart(), 11);
  e.setSelStart(7);
  e.setSelLength(2);
  EXPECT_EQ(e.selText(), "\U0001F600");
  EXPECT_EQ(e.caret(), (CaretPos{0, 11}));
  EXPECT_EQ(e.caretLineHead(), "A\u3042\u9DD7\U0001F600");
  // Ranges read in order, ends inside characters and a line break; then one after an edit.
  EXPECT_EQ(e.textRange(31, 4), "\xED\xB2\x82\r\n");
  EXPECT_EQ(e.textRange(36, 9), "x");
  EXPECT_EQ(e.textRange(2, 6), "\u9DD7\U0001F600");
  EXPECT_EQ(e.textRange(11, 4), "\U00020BB7");
  e.replaceSel("ab");  // the emoji
  EXPECT_EQ(e.textRange(15, 4), "\U000E0100");
}

TYPED_TEST_P(EditorContract, FindFindsEveryCharacter) {
  auto& e = this->ed();
  e.loadText("?\u9DD7a\u9DD7\U00020BB7");  // offsets: ? 0, 鷗 1, a 4, 鷗 5, 𠮷 8
  const std::string ougai = "\u9DD7";
  EXPECT_EQ(e.find(ougai, 0, 100, false, true), 1);
  EXPECT_EQ(e.find(ougai, 2, 100, false, true), 5);
  EXPECT_EQ(e.find(ougai, 0, 7, false, true), 1);  // a match must lie wholly in the range
  EXPECT_EQ(e.find("A\u9DD7", 0, 100, false, false), 4);
  EXPECT_EQ(e.find("A\u9DD7", 0, 100, false, true), -1);
  EXPECT_EQ(e.find("\U00020BB7", 0, 100, false, true), 8);
  EXPECT_EQ(e.findAll(ougai, 0, true), (std::vector<int>{1, 5}));
  EXPECT_EQ(e.find("?", 1, 100, false, true), -1);
}

TYPED_TEST_P(EditorContract, EditsTakeAnyText) {
  auto& e = this->ed();
  this->setText("ab\r\ncd");
  e.setSelStart(1);
  e.replaceSel("\U0001F600");
  EXPECT_EQ(e.text(), "a\U0001F600b\r\ncd");
  EXPECT_EQ(e.selStart(), 5);
  e.insertLine(1, "\u9DD7\r\n\u3042");
  e.replaceRanges({{0, 1, "\U00020BB7"}, {6, 0, "表"}});
  EXPECT_EQ(e.text(), "\U00020BB7\U0001F600b表\r\n\u9DD7\r\n\u3042\r\ncd");
  EXPECT_EQ(e.lineCount(), 4);
}

// So many places that the control is rebuilt: still one step each way, and a step made after it
// is taken back first.
TYPED_TEST_P(EditorContract, BulkEditOfManyPlacesIsOneStep) {
  auto& e = this->ed();
  const std::string before = std::string(600, 'a') + "\r\n\u8868";
  e.loadText(before);
  std::vector<TextEdit> edits;
  for (int i = 0; i < 600; ++i) edits.push_back({i, 1, "\uFF41"});
  e.replaceRanges(edits);
  const std::string after = e.text();
  EXPECT_EQ(after.substr(1800), "\r\n\u8868");
  EXPECT_TRUE(e.modified());
  e.setSelStart(0);
  e.replaceSel("x", true);
  for (auto step : {&Editor::undo, &Editor::undo}) (e.*step)();
  EXPECT_EQ(e.text(), before);
  e.redo();
  EXPECT_EQ(e.text(), after);
  e.undo();
  EXPECT_EQ(e.text(), before);
}

REGISTER_TYPED_TEST_SUITE_P(EditorContract, TextIsUtf8WithCrLf, OffsetsCountUtf8BytesAndNeverSplitACharacter,
                            LineFromOffsetAtLineEnds, ReplaceAndInsertLines,
                            ReplacingAnEmptySelectionInsertsAtTheCaret, FindHonoursRangeWholeWordAndCase,
                            ModifiedFlagFollowsEditsAndIsCleared, TextAndRtfRoundTrip, ViewSettingsAreKept,
                            DefaultFormatTakesTheFont, AFailedOrCancelledLoadLeavesTheDocumentAsItWas,
                            EveryCharacterComesBackExactlyAndIsNeverSplit, FindFindsEveryCharacter,
                            EditsTakeAnyText, UndoAndRedoGoStepByStep, BulkEditOfManyPlacesIsOneStep);

}  // namespace kakipo::test
