#include "editing/clipboard_commands.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "support/editing_fakes.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo {
namespace {

// A clipboard text of exactly n bytes made of short lines, so that it looks like a pasted log.
std::string textOfSize(std::size_t n) {
  std::string s;
  while (s.size() + 12 <= n) s += "log line 1\r\n";
  s.append(n - s.size(), 'x');
  return s;
}

struct ClipboardCommandsTest : ::testing::Test {
  test::MemoryEditor memo1;
  test::ScriptedMessageBoxes ui;
  test::RecordingProgressDialog progress;
  test::FakeClipboard clipboard;
  ClipboardCommands commands{memo1, ui, progress, clipboard};

  void putOnClipboard(const std::string& s) {
    clipboard.setText(s);
    memo1.clipboard = s;
  }
};

TEST_F(ClipboardCommandsTest, ThresholdIsOneHundredThousandBytes) {
  for (const std::size_t size : {std::size_t{99999}, std::size_t{100000}}) {
    SCOPED_TRACE(size);
    memo1.setText("first\r\nsecond");
    memo1.select(2, 3);
    ui.shown.clear();
    ui.answers = {mb::idOk};
    putOnClipboard(textOfSize(size));
    commands.popPasteClick();
    if (size < 100000) {
      EXPECT_TRUE(ui.shown.empty());
      EXPECT_EQ(memo1.text(), "fi" + textOfSize(size) + "\r\nsecond");
      ui.answers.clear();
    } else {
      ASSERT_EQ(ui.shown.size(), 1u);
      EXPECT_EQ(memo1.text(), textOfSize(size) + "\r\nfirst\r\nsecond");
    }
  }
}

// 100,000 emoji are 100,000 bytes as Shift_JIS counts them (one "?" each): large, and pasted
// exactly.
TEST_F(ClipboardCommandsTest, LargeTextShiftJisCannotHoldCountsItsStandInsAndGoesInExactly) {
  std::string exact;
  for (int i = 0; i < 100000; ++i) exact += "\U0001F600";
  clipboard.setText(exact);
  ui.answers = {mb::idOk};
  commands.popPasteClick();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(memo1.text(), exact + "\r\n");
}

TEST_F(ClipboardCommandsTest, LargePasteAsksWithItsExactBytes) {
  putOnClipboard(textOfSize(100000));
  ui.answers = {mb::idCancel};
  commands.popPasteClick();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪貼り付けの確認");
  EXPECT_EQ(ui.shown[0].text,
            "クリップボードのデータが大きいため\x0A\x0D\x0A\x0D"
            "カーソル行の位置に貼り付けします\x0D\x0A\x0D\x0A"
            "時間がかかりますがいいですか？");
  EXPECT_EQ(ui.shown[0].flags, mb::okCancel | mb::iconInformation | mb::defButton1);
}

TEST_F(ClipboardCommandsTest, CancellingALargePasteLeavesEverythingAsItWas) {
  memo1.setText("keep\r\nthis");
  memo1.select(1, 6);
  putOnClipboard(textOfSize(150000));
  ui.answers = {mb::idCancel};
  commands.popPasteClick();
  EXPECT_EQ(memo1.text(), "keep\r\nthis");
  EXPECT_EQ(memo1.selStart(), 1);
  EXPECT_EQ(memo1.selLength(), 6);
  EXPECT_FALSE(memo1.modified());
  EXPECT_TRUE(progress.shows.empty());
}

TEST_F(ClipboardCommandsTest, MenuPasteWithoutTextPastesNothing) {
  memo1.setText("doc");
  memo1.clipboard = "would be pasted";  // what the editor's own paste would take
  clipboard.holdsText = false;
  commands.popPasteClick();
  EXPECT_EQ(memo1.text(), "doc");
  EXPECT_TRUE(ui.shown.empty());
}

struct LargePasteCase {
  const char* name;
  std::string before;
  int selStart, selLength;
  std::string tail;  // appended to a large text to make the clipboard text
  std::string after;  // with "<big>" for the large text; the caret ends right after it and its CR LF
};

void PrintTo(const LargePasteCase& c, std::ostream* os) { *os << c.name; }

class LargePasteTest : public ClipboardCommandsTest,
                       public ::testing::WithParamInterface<LargePasteCase> {};

TEST_P(LargePasteTest, InsertsWholeLinesInFrontOfTheCaretsLine) {
  const auto& c = GetParam();
  const std::string big = textOfSize(100000) + c.tail;
  memo1.setText(c.before);
  memo1.select(c.selStart, c.selLength);
  putOnClipboard(big);
  ui.answers = {mb::idOk};
  commands.popPasteClick();

  std::string expected = c.after;
  const auto at = expected.find("<big>");
  expected.replace(at, 5, test::normaliseLineBreaks(big));
  EXPECT_EQ(memo1.text(), expected);
  EXPECT_EQ(memo1.selLength(), 0);
  const std::string inserted = test::normaliseLineBreaks(big) + "\r\n";
  EXPECT_EQ(memo1.selStart(), static_cast<int>(c.after.find("<big>") + inserted.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LargePasteTest,
    ::testing::Values(
        LargePasteCase{"EmptyDocument", "", 0, 0, "", "<big>\r\n"},
        LargePasteCase{"CaretMidLine", "one\r\ntwo three\r\nfour", 9, 0, "",
                       "one\r\n<big>\r\ntwo three\r\nfour"},
        // The selection's end decides the line; the selected text stays.
        LargePasteCase{"SelectionKept", "one\r\ntwo\r\nthree", 1, 7, "",
                       "one\r\n<big>\r\ntwo\r\nthree"},
        // The text's own final line break plus the one added leave an empty line before "two".
        LargePasteCase{"TextEndingInALineBreak", "one\r\ntwo", 6, 0, "end\r\n",
                       "one\r\n<big>\r\ntwo"},
        LargePasteCase{"CaretOnTheLastEmptyLine", "one\r\n", 5, 0, "", "one\r\n<big>\r\n"},
        // Bare LFs become CR LFs in the control; the caret must still land after the text.
        LargePasteCase{"BareLineFeeds", "one\r\ntwo", 7, 0, "a\nb\nc", "one\r\n<big>\r\ntwo"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClipboardCommandsTest, LargePasteRunsInsideOneUpdateWithTheDialogUp) {
  memo1.setText("a\r\nb");
  putOnClipboard(textOfSize(120000));
  ui.answers = {mb::idOk};
  std::vector<std::string> events;
  progress.onShow = [&] { events.push_back("show at depth " + std::to_string(memo1.updateDepth)); };
  progress.onClose = [&] {
    events.push_back("close at depth " + std::to_string(memo1.updateDepth) + " lines " +
                     std::to_string(memo1.lineCount()));
  };
  commands.popPasteClick();
  const std::string lines = std::to_string(memo1.lineCount());
  EXPECT_EQ(events, (std::vector<std::string>{"show at depth 1", "close at depth 1 lines " + lines}));
  EXPECT_EQ(memo1.updateDepth, 0);
  ASSERT_EQ(progress.shows.size(), 1u);
  const auto& shown = progress.shows[0];
  EXPECT_FALSE(shown.cancelAllowed);
  EXPECT_EQ(shown.caption, "貼り付け中 しばらくお待ちください");
  EXPECT_EQ(std::tie(shown.minimum, shown.maximum, shown.kind), std::make_tuple(0, 1, 2));
}

TEST_F(ClipboardCommandsTest, LargePasteGoesOnWhenNoDialogCanBeShown) {
  progress.canShow = false;
  memo1.setText("x");
  putOnClipboard(textOfSize(100000));
  ui.answers = {mb::idOk};
  commands.popPasteClick();
  EXPECT_EQ(memo1.text(), textOfSize(100000) + "\r\nx");
  EXPECT_EQ(progress.closes, 1);
}

// An editor whose insertion fails as the control does when the text would exceed its limit.
struct FullEditor : test::MemoryEditor {
  void insertLine(int, const std::string&) override { throw std::length_error("too much text"); }
};

TEST(ClipboardCommandsFailure, AFailedInsertionStillClosesTheDialogAndEndsTheUpdate) {
  FullEditor memo1;
  test::ScriptedMessageBoxes ui;
  test::RecordingProgressDialog progress;
  test::FakeClipboard clipboard;
  ClipboardCommands commands{memo1, ui, progress, clipboard};
  memo1.setText("doc");
  clipboard.setText(textOfSize(100000));
  ui.answers = {mb::idOk};
  EXPECT_THROW(commands.popPasteClick(), std::length_error);
  EXPECT_EQ(progress.shows.size(), 1u);
  EXPECT_EQ(progress.closes, 1);
  EXPECT_EQ(memo1.updateDepth, 0);
  EXPECT_EQ(memo1.text(), "doc");
}

struct KeyCase {
  const char* name;
  int key;
  ShiftState shift;
  bool routed;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class PasteKeyTest : public ClipboardCommandsTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(PasteKeyTest, OnlyShiftInsertAndCtrlVReachThePasteProcedure) {
  const auto& c = GetParam();
  putOnClipboard(textOfSize(100000));
  ui.answers = {mb::idCancel};
  const bool consumed = commands.memo1KeyDown(c.key, c.shift);
  EXPECT_EQ(consumed, c.routed);
  EXPECT_EQ(ui.shown.size(), c.routed ? 1u : 0u);
  EXPECT_EQ(memo1.text(), "");
}

using namespace modifier;
INSTANTIATE_TEST_SUITE_P(
    Keys, PasteKeyTest,
    ::testing::Values(KeyCase{"ShiftInsert", vk::insert, shift, true},
                      KeyCase{"CtrlV", vk::keyV, ctrl, true},
                      KeyCase{"CtrlShiftV", vk::keyV, ctrl | shift, false},
                      KeyCase{"CtrlAltV", vk::keyV, ctrl | alt, false},
                      KeyCase{"ShiftAltInsert", vk::insert, shift | alt, false},
                      KeyCase{"CtrlShiftInsert", vk::insert, ctrl | shift, false},
                      KeyCase{"CtrlInsert", vk::insert, ctrl, false},
                      KeyCase{"ShiftV", vk::keyV, shift, false},
                      KeyCase{"AltV", vk::keyV, alt, false},
                      KeyCase{"PlainV", vk::keyV, 0, false},
                      KeyCase{"PlainInsert", vk::insert, 0, false},
                      KeyCase{"CtrlOtherKey", 0x43, ctrl, false},
                      KeyCase{"ShiftOtherKey", 0x2E, shift, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClipboardCommandsTest, PasteKeysPasteExactlyOnce) {
  struct Case {
    std::size_t size;
    int answer;
    bool pasted;
    bool consumed;
  };
  for (const Case c : {Case{99999, 0, true, false}, Case{100000, mb::idOk, true, true},
                       Case{100000, mb::idCancel, false, true}}) {
    for (const auto& [key, shift] : {std::pair{vk::keyV, ctrl}, std::pair{vk::insert, shift}}) {
      SCOPED_TRACE(std::to_string(c.size) + " answer " + std::to_string(c.answer) + " key " +
                   std::to_string(key));
      memo1.setText("");
      ui.shown.clear();
      if (c.answer) ui.answers = {c.answer};
      const std::string text = textOfSize(c.size);
      putOnClipboard(text);
      EXPECT_EQ(commands.memo1KeyDown(key, shift), c.consumed);
      if (!c.consumed) memo1.paste();  // the editor's own handling of the key
      const std::string expected = !c.pasted ? "" : c.consumed ? text + "\r\n" : text;
      EXPECT_EQ(memo1.text(), expected);
      EXPECT_EQ(ui.shown.size(), c.size < 100000 ? 0u : 1u);
    }
  }
}

TEST_F(ClipboardCommandsTest, PasteKeyWithoutTextGoesOnToTheEditor) {
  clipboard.holdsText = false;
  EXPECT_FALSE(commands.memo1KeyDown(vk::keyV, modifier::ctrl));
  EXPECT_FALSE(commands.memo1KeyDown(vk::insert, modifier::shift));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ClipboardCommandsTest, MenuCommandsDriveTheEditorsOwnOperations) {
  memo1.setText("abc\r\ndef");
  memo1.clipboard = "kept";
  memo1.select(1, 5);
  commands.popDelClick();
  EXPECT_EQ(memo1.text(), "aef");
  commands.popAllSelClick();
  EXPECT_EQ(memo1.selStart(), 0);
  EXPECT_EQ(memo1.selLength(), 3);
  commands.popCutClick();
  EXPECT_EQ(memo1.clipboard, "aef");
  commands.popUndoClick();
  EXPECT_EQ(memo1.text(), "aef");
}

}  // namespace
}  // namespace kakipo
