#include "search/find_replace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "search/search_texts.h"
#include "support/fake_search_dialogs.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"

namespace kakipo {
namespace {

const std::string replaceNotFound = "置換文字列が見つかりませんでした";
const std::string replaceCaption = "カキポ ♪置換文字列の検索";

struct FindReplaceTest : ::testing::Test {
  test::MemoryEditor memo1;
  test::ScriptedMessageBoxes ui;
  test::FakeSearchDialogs dialogs;
  test::FakeSearchWindow window;
  FindReplace commands{memo1, ui, dialogs, window};

  void replaceDialog(const std::string& what, const std::string& with, unsigned options = fr::down) {
    dialogs.replaceFindWhat = what;
    dialogs.replaceWith = with;
    dialogs.replaceOptions = options;
  }
  void expectSelection(int start, int length) {
    EXPECT_EQ(memo1.selStart(), start);
    EXPECT_EQ(memo1.selLength(), length);
  }
  void expectOnlyNotFoundShown() {
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, replaceNotFound);
    EXPECT_EQ(ui.shown[0].caption, replaceCaption);
    EXPECT_EQ(ui.shown[0].flags, 0x40u);
  }
};

TEST_F(FindReplaceTest, ButtonsResetTheAnchorAndOpenTheirDialogEveryTime) {
  memo1.setText("ab ab");
  replaceDialog("ab", "");
  commands.tbtnTikanClick();
  commands.ReplaceDialog1Find();
  ASSERT_EQ(commands.searchAnchor(), 2);
  commands.tbtnFindClick();
  EXPECT_EQ(commands.searchAnchor(), 0);
  commands.ReplaceDialog1Find();
  commands.tbtnTikanClick();
  EXPECT_EQ(commands.searchAnchor(), 0);
  commands.tbtnTikanClick();  // already open: brought to the top, anchor reset again
  EXPECT_EQ(dialogs.shown, (std::vector<SearchDialog>{SearchDialog::Replace, SearchDialog::Find,
                                                      SearchDialog::Replace, SearchDialog::Replace}));
}

TEST_F(FindReplaceTest, FindDialogFailureNamesTheSearchTextThenABlankLine) {
  memo1.setText("xyz");
  memo1.select(1, 1);
  dialogs.findWhat = "abc";
  commands.FindDialog1Find();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "abc\r\n\r\nは見つかりませんでした");
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪文字列の検索");
  EXPECT_EQ(ui.shown[0].flags, 0x40u);
  expectSelection(1, 1);
}

TEST_F(FindReplaceTest, FindDialogHonoursDirectionAndMatchCase) {
  memo1.setText("Abc abc ABC");
  memo1.select(4, 0);
  dialogs.findWhat = "abc";
  dialogs.findOptions = fr::down | fr::findNext;
  commands.FindDialog1Find();
  expectSelection(4, 3);
  commands.FindDialog1Find();
  expectSelection(8, 3);
  dialogs.findOptions = fr::findNext | fr::matchCase;  // up
  commands.FindDialog1Find();
  expectSelection(4, 3);
  commands.FindDialog1Find();
  EXPECT_EQ(ui.shown.size(), 1u);  // "Abc" at 0 differs in case
  EXPECT_TRUE(ui.shown.size() == 1 && ui.shown[0].caption == texts::findCaption);
  EXPECT_EQ(commands.searchAnchor(), 0);  // the Find dialog never moves the anchor
}

// 鷗 (which Shift_JIS cannot hold) and 𠮷 (a surrogate pair) are found exactly, and a search for
// "?" never finds them.
TEST_F(FindReplaceTest, TextsShiftJisCannotHoldAreFoundAndReplacedExactlyAndNeverAsQuestionMarks) {
  memo1.loadText("?\u9DD7 \U00020BB7 \u9DD7");  // ? 0, 鷗 1, 𠮷 5, 鷗 10
  const std::string ougai = "\u9DD7";
  dialogs.findWhat = ougai;
  dialogs.findOptions = fr::down | fr::findNext;
  commands.FindDialog1Find();
  expectSelection(1, 3);
  commands.FindDialog1Find();
  expectSelection(10, 3);
  dialogs.findOptions = fr::findNext;  // up
  commands.FindDialog1Find();
  expectSelection(1, 3);
  dialogs.findWhat = "?";
  memo1.select(1, 0);
  dialogs.findOptions = fr::down | fr::findNext;
  commands.FindDialog1Find();
  ASSERT_EQ(ui.shown.size(), 1u);

  replaceDialog("", "", fr::down | fr::replaceAll);
  dialogs.replaceFindWhat = ougai;
  dialogs.replaceWith = "\U0001F600";
  memo1.select(0, 0);
  ui.answers = {mb::idYes};
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "?\U0001F600 \U00020BB7 \U0001F600");
  EXPECT_EQ(commands.searchAnchor(), 15);
}

TEST_F(FindReplaceTest, FindAgainRepeatsTheLastSearchOfEitherDialogWithoutOpeningIt) {
  memo1.setText("Abc abc ABC abc");
  memo1.select(0, 0);
  commands.findAgain(true);  // nothing searched yet
  EXPECT_EQ(dialogs.shown, std::vector<SearchDialog>{SearchDialog::Find});
  dialogs.findWhat = "abc";
  dialogs.findOptions = fr::findNext | fr::matchCase;  // up, from the start: nothing
  commands.FindDialog1Find();
  ui.shown.clear();
  commands.findAgain(true);  // down, keeping the match case
  expectSelection(4, 3);
  commands.findAgain(true);
  expectSelection(12, 3);
  commands.findAgain(false);
  expectSelection(4, 3);
  // The Replace dialog searched last: its text and match case, from the selection, not its anchor.
  replaceDialog("ABC", "", fr::findNext);
  commands.tbtnTikanClick();
  commands.ReplaceDialog1Find();
  expectSelection(0, 3);
  memo1.select(5, 0);
  commands.findAgain(true);
  expectSelection(8, 3);
  EXPECT_EQ(commands.searchAnchor(), 3);
  dialogs.findWhat = "xyz";  // typed into the Find dialog but not searched yet
  commands.findAgain(true);
  expectSelection(12, 3);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(dialogs.shown.size(), 2u);
}

// あいまい検索 ticked: both dialogs select and replace the matched text itself, whose length is not
// the search text's, and F3 keeps the choice. Not ticked, the same text is not found.
TEST_F(FindReplaceTest, FuzzySearchSelectsAndReplacesTheMatchedText) {
  memo1.setText("会議は３月〜４月、3月〜4月");  // ３月〜４月 at 9 (15 bytes), 3月〜4月 at 27 (11)
  dialogs.findWhat = "3月～4月";
  commands.FindDialog1Find();
  EXPECT_EQ(ui.shown.size(), 1u);
  dialogs.findFuzzy = true;
  memo1.select(0, 0);
  commands.FindDialog1Find();
  expectSelection(9, 15);
  commands.findAgain(true);
  expectSelection(27, 11);
  dialogs.findOptions = fr::findNext;  // up
  commands.FindDialog1Find();
  expectSelection(9, 15);

  replaceDialog("３月～４月", "X", fr::findNext);
  dialogs.replaceFuzzy = true;
  commands.tbtnTikanClick();
  commands.ReplaceDialog1Find();
  expectSelection(9, 15);
  EXPECT_EQ(commands.searchAnchor(), 24);
  ui.answers = {mb::idYes};
  dialogs.replaceOptions = fr::replaceAll;
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "会議はX、X");
  EXPECT_EQ(commands.searchAnchor(), 14);
}

TEST_F(FindReplaceTest, FindAgainFailureSaysWhatTheFindDialogSays) {
  memo1.setText("abc");
  dialogs.findWhat = "abc";
  commands.FindDialog1Find();
  commands.findAgain(true);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "abc\r\n\r\nは見つかりませんでした");
  EXPECT_EQ(ui.shown[0].caption, texts::findCaption);
  expectSelection(0, 3);
}

TEST_F(FindReplaceTest, FirstFindNextStartsAtTheTextStartWhereverTheCaretIs) {
  memo1.setText("ab cd ab cd");
  memo1.select(7, 3);
  replaceDialog("ab", "");
  commands.tbtnTikanClick();
  commands.ReplaceDialog1Find();
  expectSelection(0, 2);  // a match at the very start is found
  EXPECT_EQ(commands.lastMatch(), 0);
  EXPECT_EQ(commands.searchAnchor(), 2);
  EXPECT_EQ(window.broughtToFront, 1);
  EXPECT_EQ(window.editorActivated, 1);
  memo1.select(10, 0);  // the caret moves; the next find still continues behind the last match
  commands.ReplaceDialog1Find();
  expectSelection(6, 2);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FindReplaceTest, ReplaceDialogFindFoldsCaseUnlessTicked) {
  memo1.setText("ABC abc");
  replaceDialog("abc", "", fr::down);
  commands.ReplaceDialog1Find();
  EXPECT_EQ(commands.lastMatch(), 0);
  commands.tbtnTikanClick();
  replaceDialog("abc", "", fr::down | fr::matchCase);
  commands.ReplaceDialog1Find();
  EXPECT_EQ(commands.lastMatch(), 4);
}

TEST_F(FindReplaceTest, ReplaceDialogFailureKeepsTheAnchorAndSelection) {
  memo1.setText("ab ab");
  replaceDialog("ab", "");
  commands.ReplaceDialog1Find();
  commands.ReplaceDialog1Find();
  commands.ReplaceDialog1Find();
  EXPECT_EQ(commands.lastMatch(), -1);
  EXPECT_EQ(commands.searchAnchor(), 5);
  expectSelection(3, 2);
  expectOnlyNotFoundShown();
}

TEST_F(FindReplaceTest, AnchorBeyondTheEndAfterDeletingFindsNothing) {
  memo1.setText("ab ab ab");
  replaceDialog("ab", "");
  commands.ReplaceDialog1Find();
  commands.ReplaceDialog1Find();
  memo1.setText("ab");
  commands.ReplaceDialog1Find();
  EXPECT_EQ(commands.lastMatch(), -1);
  expectOnlyNotFoundShown();
}

TEST_F(FindReplaceTest, EmptySearchTextFindsNothing) {
  memo1.setText("ab");
  replaceDialog("", "x");
  commands.ReplaceDialog1Find();
  EXPECT_EQ(commands.lastMatch(), -1);
  expectOnlyNotFoundShown();
}

TEST_F(FindReplaceTest, ReplaceWithNothingSelectedOnlyFindsTheNextMatch) {
  memo1.setText("ab ab");
  memo1.select(4, 0);
  replaceDialog("ab", "XY", fr::down | fr::replace);
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "ab ab");
  expectSelection(0, 2);
}

TEST_F(FindReplaceTest, ReplaceWithANonMatchingSelectionReplacesItThenFindsTheNextMatch) {
  memo1.setText("ab cd ab");
  replaceDialog("ab", "XY", fr::down | fr::replace);
  commands.ReplaceDialog1Find();  // selects the first "ab", anchor 2
  memo1.select(3, 2);             // the user selects "cd" instead
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "ab XY ab");
  expectSelection(6, 2);
}

TEST_F(FindReplaceTest, ShorterReplacementDoesNotSkipAnOccurrence) {
  memo1.setText("abab");
  replaceDialog("ab", "x", fr::down | fr::replace);
  commands.ReplaceDialog1Find();
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "xab");
  expectSelection(1, 2);  // found right behind the inserted "x"
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "xx");
  EXPECT_EQ(commands.searchAnchor(), 2);
  expectOnlyNotFoundShown();
}

TEST_F(FindReplaceTest, ReplacingBeforeTheAnchorShiftsIt) {
  memo1.setText("one two ab two ab");
  replaceDialog("ab", "", fr::down | fr::replace);
  commands.ReplaceDialog1Find();  // anchor behind the first "ab" at 10
  ASSERT_EQ(commands.searchAnchor(), 10);
  memo1.select(0, 3);  // "one" becomes "1"
  dialogs.replaceWith = "1";
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "1 two ab two ab");
  expectSelection(13, 2);  // the second "ab", not the first one again
  EXPECT_EQ(commands.searchAnchor(), 15);
}

TEST_F(FindReplaceTest, ReplaceAllAnsweredNoChangesNothing) {
  memo1.setText("ab ab");
  memo1.select(1, 2);
  replaceDialog("ab", "x", fr::down | fr::replaceAll);
  ui.answers = {mb::idNo};
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "ab ab");
  expectSelection(1, 2);
  EXPECT_EQ(commands.searchAnchor(), 0);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "☆安全のため確認しながら置換する場合は\r\n\r\n「置換して次に」を選んでください。☆\r\n\r\n"
            "では、確認無しですべて置換しますが,いいですか？");
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪置換操作の確認");
  EXPECT_EQ(ui.shown[0].flags, 308u);
  EXPECT_EQ(window.broughtToFront, 0);
}

TEST_F(FindReplaceTest, ReplaceAllEndsWithTheNotFoundMessage) {
  memo1.setText("表ab\r\nxAB ab");
  replaceDialog("ab", "漢字", fr::down | fr::replaceAll);
  ui.answers = {mb::idYes};
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "表漢字\r\nx漢字 漢字");
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, replaceNotFound);
  EXPECT_EQ(ui.shown[1].caption, replaceCaption);
  EXPECT_EQ(commands.lastMatch(), -1);
  expectSelection(25, 0);  // behind the last replacement
  EXPECT_EQ(commands.searchAnchor(), 25);
  EXPECT_GT(window.broughtToFront, 0);
}

TEST_F(FindReplaceTest, ReplaceAllEndsWhenTheReplacementContainsTheSearchText) {
  memo1.setText("a-a");
  replaceDialog("a", "bab", fr::down | fr::replaceAll);
  ui.answers = {mb::idYes};
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "bab-bab");
  EXPECT_EQ(ui.shown.size(), 2u);
}

TEST_F(FindReplaceTest, ReplaceAllFirstReplacesTheSelectionThenGoesOnFromTheAnchor) {
  memo1.setText("ab ab zz ab");
  replaceDialog("ab", "Q", fr::down | fr::replaceAll);
  commands.ReplaceDialog1Find();
  commands.ReplaceDialog1Find();  // anchor behind the second "ab", at 5
  memo1.select(6, 2);             // "zz"
  ui.answers = {mb::idYes};
  commands.ReplaceDialog1Replace();
  // The first "ab" lies before the anchor and stays; "zz" and the last "ab" are replaced.
  EXPECT_EQ(memo1.text(), "ab ab Q Q");
}

TEST_F(FindReplaceTest, OtherNotificationBitsDoNothing) {
  memo1.setText("ab");
  replaceDialog("ab", "x", fr::down | fr::findNext);
  commands.ReplaceDialog1Replace();
  EXPECT_EQ(memo1.text(), "ab");
  EXPECT_TRUE(ui.shown.empty());
}

// Replace All does in one bulk edit what pressing Replace until nothing is found does: same text,
// selection, anchor, last match and final message, on random texts, selections and anchors.
TEST(ReplaceAllRandom, MatchesReplacingOneByOneUntilNothingIsFound) {
  std::mt19937 rng(99);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  const char* const pieces[] = {"a", "b", "A", " ", "\r\n", "あ", "ab", "\U0001F600", "鷗"};
  const char* const whats[] = {"a", "ab", "aa", "B", "あ", "\r\n", "\U0001F600", "鷗a"};
  const char* const withs[] = {"", "x", "a", "aa", "bab", "漢字", "ab\r\nab", "\U0001F600", "鷗外"};
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int i = pick(30); i > 0; --i) text += pieces[pick(std::size(pieces))];
    test::MemoryEditor bulkMemo, stepMemo;
    test::ScriptedMessageBoxes bulkUi, stepUi;
    test::FakeSearchDialogs dialogs;
    test::FakeSearchWindow window;
    FindReplace bulk{bulkMemo, bulkUi, dialogs, window};
    FindReplace steps{stepMemo, stepUi, dialogs, window};
    dialogs.replaceFindWhat = whats[pick(std::size(whats))];
    dialogs.replaceWith = withs[pick(std::size(withs))];
    dialogs.replaceOptions = fr::down | (pick(2) ? fr::matchCase : 0);
    for (auto* m : {&bulkMemo, &stepMemo}) m->setText(text);
    // Put the anchor somewhere by a few finds, then a random selection.
    for (int finds = pick(3); finds > 0; --finds) {
      bulk.ReplaceDialog1Find();
      steps.ReplaceDialog1Find();
    }
    const int n = bulkMemo.textLength();
    const int start = pick(n + 1);
    const int length = pick(n - start + 1);
    bulkMemo.select(start, length);
    stepMemo.select(start, length);

    bulkUi.answers = {mb::idYes};
    dialogs.replaceOptions |= fr::replaceAll;
    bulk.ReplaceDialog1Replace();
    int presses = 0;
    do {
      steps.tikanSuru();
      ASSERT_LT(++presses, 1000) << "replacing one by one does not end";
    } while (steps.lastMatch() != -1);

    ASSERT_EQ(bulkMemo.text(), stepMemo.text()) << round;
    EXPECT_EQ(bulkMemo.selStart(), stepMemo.selStart()) << round;
    EXPECT_EQ(bulkMemo.selLength(), stepMemo.selLength()) << round;
    EXPECT_EQ(bulk.searchAnchor(), steps.searchAnchor()) << round;
    EXPECT_EQ(bulk.lastMatch(), -1);
    ASSERT_FALSE(bulkUi.shown.empty());
    EXPECT_EQ(bulkUi.shown.back().text, replaceNotFound);
  }
}

struct LimitCase {
  std::string text;
  std::size_t searched;  // bytes of the text that make the search text
};

class DialogTextLimit : public ::testing::TestWithParam<LimitCase> {};

// The not-found message quotes the search text, so it shows what was searched for.
TEST_P(DialogTextLimit, CutsAt255ShiftJisBytesWithoutSplittingACharacter) {
  test::MemoryEditor memo1;
  test::ScriptedMessageBoxes ui;
  test::FakeSearchDialogs dialogs;
  test::FakeSearchWindow window;
  FindReplace commands{memo1, ui, dialogs, window};
  dialogs.findWhat = GetParam().text;
  commands.FindDialog1Find();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text.substr(0, ui.shown[0].text.find("\r\n")), GetParam().text.substr(0, GetParam().searched));
}

// 表 takes two bytes, 鷗 (which Shift_JIS cannot hold) and 𠮷 (a surrogate pair) one "?" each.
INSTANTIATE_TEST_SUITE_P(Lengths, DialogTextLimit,
                         ::testing::Values(LimitCase{std::string(255, 'a'), 255}, LimitCase{std::string(300, 'a'), 255},
                                           LimitCase{std::string(254, 'a') + "表", 254},
                                           LimitCase{std::string(253, 'a') + "表x", 256},
                                           LimitCase{std::string(254, 'a') + "鷗x", 257},
                                           LimitCase{std::string(254, 'a') + "\U00020BB7", 258}));

}  // namespace
}  // namespace kakipo
