#include <gtest/gtest.h>

#include "documents_fixture.h"
#include "support/sjis.h"

namespace kakipo::test {
namespace {

// One Save As: what the dialog returns, how the questions are answered, and what comes of it.
struct SaveAsCase {
  std::string label;
  std::string chosen;
  int filterIndex;
  bool targetExists;
  std::vector<int> answers;
  std::vector<std::string> questions;  // captions, in order
  std::string written;  // empty: nothing written
  bool rich;
};

class SaveAsTest : public DocumentsTest, public ::testing::WithParamInterface<SaveAsCase> {};

TEST_P(SaveAsTest, QuestionsAndTarget) {
  const auto& c = GetParam();
  memo1.setText("line1\r\nline2");
  memo1.setModified(true);
  if (c.targetExists) put(c.written.empty() ? c.chosen + ".txt" : c.written, "old");
  dialogs.saveAnswers.push_back({true, c.chosen, c.filterIndex});
  ui.answers.assign(c.answers.begin(), c.answers.end());

  const bool saved = commands.dlgSaveFile("");

  std::vector<std::string> captions;
  for (const auto& b : ui.shown) captions.push_back(b.caption);
  EXPECT_EQ(captions, c.questions);
  EXPECT_EQ(saved, !c.written.empty());
  if (c.written.empty()) {
    EXPECT_TRUE(files.writes.empty());
    EXPECT_EQ(document.path(), "");
    EXPECT_TRUE(memo1.modified());
    EXPECT_TRUE(document.plainText());  // an abandoned Save As leaves the kind alone
  } else {
    ASSERT_EQ(files.writes, std::vector<std::string>{c.written});
    EXPECT_EQ(files.files[c.written], c.rich ? rtfOf("line1\\par line2") : "line1\r\nline2");
    EXPECT_EQ(document.path(), c.written);
    EXPECT_EQ(document.plainText(), !c.rich);
    EXPECT_FALSE(memo1.modified());
  }
}

const std::string ask = "カキポ ♪ファイルセーブでの確認";
const std::string over = "カキポ ♪ファイル保存の確認";

INSTANTIATE_TEST_SUITE_P(
    Paths, SaveAsTest,
    ::testing::Values(
        SaveAsCase{"TxtFilterNoExtensionAsks", "C:\\memo", 1, false, {mb::idOk}, {ask}, "C:\\memo.txt", false},
        SaveAsCase{"TxtFilterCancelled", "C:\\memo", 1, false, {mb::idCancel}, {ask}, "", false},
        SaveAsCase{"TxtFilterExistingAsksBoth", "C:\\memo", 1, true, {mb::idOk, mb::idYes}, {ask, over}, "C:\\memo.txt", false},
        SaveAsCase{"OverwriteDeclined", "C:\\memo", 1, true, {mb::idOk, mb::idNo}, {ask, over}, "", false},
        SaveAsCase{"KpoFilterReplacesExtension", "C:\\memo.txt", 2, false, {mb::idOk}, {ask}, "C:\\memo.kpo", true},
        SaveAsCase{"KpoFilterAppendsExtension", "C:\\memo", 2, false, {mb::idOk}, {ask}, "C:\\memo.kpo", true},
        SaveAsCase{"KpoFilterCancelled", "C:\\memo.txt", 2, false, {mb::idCancel}, {ask}, "", false},
        SaveAsCase{"KpoFilterKpoNameAsksNothing", "C:\\memo.KPO", 2, false, {}, {}, "C:\\memo.KPO", true},
        SaveAsCase{"TxtFilterKpoNameWritesRich", "C:\\memo.kpo", 1, false, {}, {}, "C:\\memo.kpo", true},
        SaveAsCase{"AllFilesNoExtension", "C:\\memo", 3, false, {}, {}, "C:\\memo", false},
        SaveAsCase{"AllFilesOddExtension", "C:\\memo.doc", 3, false, {}, {}, "C:\\memo.doc", false},
        SaveAsCase{"DotInFolderOnly", "C:\\a.b\\memo", 1, false, {mb::idOk}, {ask}, "C:\\a.b\\memo.txt", false},
        SaveAsCase{"WideNameGetsItsExtension", "C:\\Åse 한\\résumé\U0001F600", 1, true, {mb::idOk, mb::idYes}, {ask, over},
                   "C:\\Åse 한\\résumé\U0001F600.txt", false},
        SaveAsCase{"WideNameMadeKpo", "C:\\鷗外.txt", 2, false, {mb::idOk}, {ask}, "C:\\鷗外.kpo", true}),
    [](const auto& info) { return info.param.label; });

TEST_F(DocumentsTest, SaveAsQuestionTextsNameTheFiles) {
  put("C:\\memo.kpo", "old");
  memo1.setText("x");
  dialogs.saveAnswers.push_back({true, "C:\\memo.txt", 2});
  ui.answers = {mb::idOk, mb::idYes};
  commands.dlgSaveFile("");
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "C:\\memo.txt\r\n\r\nのタイプを.kpo（カキポ形式）にして保存します");
  EXPECT_EQ(ui.shown[0].flags, mb::okCancel | mb::iconInformation | mb::defButton1);
  EXPECT_EQ(ui.shown[1].text, "C:\\memo.kpo\r\n\r\nという名前のファイルはすでに有りますが、上書き保存しますか？");
  EXPECT_EQ(ui.shown[1].flags, mb::yesNo | mb::iconWarning | mb::defButton1);

  ui.shown.clear();
  dialogs.saveAnswers.push_back({true, "C:\\memo", 1});
  ui.answers = {mb::idCancel};
  commands.dlgSaveFile("");
  EXPECT_EQ(ui.shown[0].text, "C:\\memo\r\n\r\nの拡張子を.txt（標準テキスト）にして保存します");
}

TEST_F(DocumentsTest, SaveDialogIsSeededWithTheNameAndKeepsTheUsersFilter) {
  dialogs.saveAnswers.push_back({true, "C:\\x.doc", 3});
  dialogs.saveAnswers.push_back({false, "", 0});
  commands.dlgSaveFile("C:\\seed.txt");
  EXPECT_FALSE(commands.dlgSaveFile(""));
  EXPECT_EQ(dialogs.saveSeeds[0].name, "C:\\seed.txt");
  EXPECT_EQ(dialogs.saveSeeds[0].filterIndex, 1);
  EXPECT_EQ(dialogs.saveSeeds[1].filterIndex, 3);
}

TEST_F(DocumentsTest, AbandonedSaveAsKeepsARichDocumentRich) {
  put("C:\\a.kpo", rtfOf("a"));
  commands.fileYomikomi("C:\\a.kpo");
  typeText("b");
  dialogs.saveAnswers.push_back({true, "C:\\a", 1});
  ui.answers = {mb::idCancel};
  commands.dlgSaveFile(document.path());
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.kpo"], rtfOf("ba"));
}

TEST_F(DocumentsTest, RichDocumentSavedAsTxtWritesTextAndStaysPlainAfterwards) {
  put("C:\\a.kpo", rtfOf("a"));
  commands.fileYomikomi("C:\\a.kpo");
  dialogs.saveAnswers.push_back({true, "C:\\a.txt", 1});
  commands.dlgSaveFile(document.path());
  EXPECT_EQ(files.files["C:\\a.txt"], "a");
  typeText("b");
  ui.answers = {};
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.txt"], "ba");
  EXPECT_EQ(state.history[0], "C:\\a.kpo");  // saving records nothing
}

TEST_F(DocumentsTest, FailedWriteLeavesOldFileModifiedFlagAndShowsNewName) {
  put("C:\\a.txt", "old");
  memo1.setText("new");
  memo1.setModified(true);
  files.failAfterBytes = 1;
  dialogs.saveAnswers.push_back({true, "C:\\a.txt", 1});
  ui.answers = {mb::idYes};
  try {
    commands.dlgSaveFile("");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "ファイル C:\\a.txt を作成できません");
  }
  EXPECT_EQ(files.files["C:\\a.txt"], "old");
  EXPECT_TRUE(memo1.modified());
  EXPECT_EQ(form.caption(), "カキポ C:\\a.txt");
}

TEST_F(DocumentsTest, OverwriteSaveWritesInTheCurrentModeAndTellsTheUser) {
  put("C:\\memo\\a.txt", "a");
  commands.fileYomikomi("C:\\memo\\a.txt");
  typeText("b");
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\memo\\a.txt"], "ba");
  EXPECT_FALSE(memo1.modified());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "C:\\memo\\a.txt\r\n\r\nにファイル内容を上書き保存したよ");
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪お知らせ");
  EXPECT_EQ(ui.shown[0].flags, mb::ok | mb::iconInformation);
  EXPECT_GT(memo1.focusCount, 0);
}

TEST_F(DocumentsTest, OverwriteSaveOfUnmodifiedDocumentWritesNothing) {
  put("C:\\a.txt", "a");
  commands.fileYomikomi("C:\\a.txt");
  files.files.clear();  // deleted meanwhile
  commands.tbtnUwagakiClick();
  EXPECT_TRUE(files.writes.empty());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(memo1.focusCount, 1);
}

TEST_F(DocumentsTest, OverwriteSaveOfUntitledDocumentGoesThroughTheSaveDialog) {
  typeText("x");
  dialogs.saveAnswers.push_back({false, "", 0});
  commands.tbtnUwagakiClick();
  ASSERT_EQ(dialogs.saveSeeds.size(), 1u);
  EXPECT_EQ(dialogs.saveSeeds[0].name, "");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(DocumentsTest, SaveAsRunsEvenWhenUnmodified) {
  dialogs.saveAnswers.push_back({true, "C:\\n.txt", 1});
  commands.tbtnSaveClick();
  EXPECT_EQ(files.files.count("C:\\n.txt"), 1u);
  EXPECT_EQ(memo1.focusCount, 1);
}

TEST_F(DocumentsTest, TitleAndHintFollowTheCurrentName) {
  EXPECT_EQ(form.caption(), "カキポ ");
  EXPECT_EQ(form.overwriteHint, "上書き保存 ");
  document.fnameSet("D:メモ帳\\表.txt");
  EXPECT_EQ(form.caption(), "カキポ D:メモ帳\\表.txt");
  EXPECT_EQ(form.overwriteHint, "上書き保存 表.txt");
  document.fnameSet("D:x.txt");
  EXPECT_EQ(form.overwriteHint, "上書き保存 x.txt");
}

// ---- The unsaved-changes guard ----

TEST_F(DocumentsTest, GuardAsksNamingTheDocumentOrUntitled) {
  typeText("x");
  ui.answers = {mb::idNo};
  EXPECT_TRUE(commands.ifHenkoSave());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "無題\r\n\r\nのファイル内容が変更されていますが、保存に行きますか？");
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイル保存の確認");
  EXPECT_EQ(ui.shown[0].flags, mb::yesNo | mb::iconWarning | mb::defButton1);
  EXPECT_EQ(front.count, 1);
  EXPECT_FALSE(memo1.modified());
  EXPECT_EQ(memo1.text(), "x");  // declined changes stay until replaced

  document.fnameSet("C:\\a.txt");
  memo1.setModified(true);
  ui.answers = {mb::idNo};
  commands.ifHenkoSave();
  EXPECT_EQ(ui.shown[1].text.substr(0, 12), "C:\\a.txt\r\n\r\n");
}

TEST_F(DocumentsTest, GuardOnUnmodifiedDocumentDoesNothing) {
  EXPECT_TRUE(commands.ifHenkoSave());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(front.count, 0);
}

TEST_F(DocumentsTest, GuardYesGoesThroughTheSaveDialogEvenForANamedDocument) {
  put("C:\\a.txt", "a");
  commands.fileYomikomi("C:\\a.txt");
  typeText("b");
  ui.answers = {mb::idYes, mb::idYes};  // save, then overwrite
  dialogs.saveAnswers.push_back({true, "C:\\a.txt", 1});
  EXPECT_TRUE(commands.ifHenkoSave());
  EXPECT_EQ(dialogs.saveSeeds[0].name, "C:\\a.txt");
  EXPECT_EQ(files.files["C:\\a.txt"], "ba");
  EXPECT_FALSE(memo1.modified());
}

// Who runs the guard and what a cancelled save (Yes, then Cancel in the Save dialog) does.
enum class Caller { New, Open, Drop, History };

struct GuardCase {
  Caller caller;
  bool answerYesThenCancel;  // false: answer No
};

class GuardTableTest : public DocumentsTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(GuardTableTest, CancelledSaveKeepsTheDocumentNoReplacesIt) {
  const auto& c = GetParam();
  put("C:\\other.txt", "other");
  state.history[0] = "C:\\other.txt";
  commands.PopupMenu2Popup();
  typeText("unsaved");
  if (c.answerYesThenCancel) {
    ui.answers = {mb::idYes};
    dialogs.saveAnswers.push_back({false, "", 0});
  } else {
    ui.answers = {mb::idNo};
    if (c.caller == Caller::Open) dialogs.openAnswers.push_back({true, "C:\\other.txt", 0});
  }
  switch (c.caller) {
    case Caller::New: commands.tbtnNewClick(); break;
    case Caller::Open: commands.tbtnOpenClick(); break;
    case Caller::Drop: commands.dropYomikomi({"C:\\other.txt"}); break;
    case Caller::History: commands.popRirek0Click(); break;
  }
  ASSERT_GE(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイル保存の確認");
  if (c.answerYesThenCancel) {
    EXPECT_EQ(memo1.text(), "unsaved");
    EXPECT_TRUE(memo1.modified());
    EXPECT_TRUE(dialogs.openSeeds.empty());
    EXPECT_TRUE(files.reads.empty());
  } else {
    EXPECT_EQ(memo1.text(), c.caller == Caller::New ? "" : "other");
    EXPECT_FALSE(memo1.modified());
  }
}

INSTANTIATE_TEST_SUITE_P(Callers, GuardTableTest,
                         ::testing::Values(GuardCase{Caller::New, true}, GuardCase{Caller::New, false},
                                           GuardCase{Caller::Open, true}, GuardCase{Caller::Open, false},
                                           GuardCase{Caller::Drop, true}, GuardCase{Caller::Drop, false},
                                           GuardCase{Caller::History, true},
                                           GuardCase{Caller::History, false}));

TEST_F(DocumentsTest, GuardNoThenOpenCancelledKeepsTextAsUnmodified) {
  typeText("kept");
  ui.answers = {mb::idNo};
  dialogs.openAnswers.push_back({false, "", 0});
  commands.tbtnOpenClick();
  EXPECT_EQ(memo1.text(), "kept");
  EXPECT_FALSE(memo1.modified());
  EXPECT_TRUE(commands.ifHenkoSave());
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(DocumentsTest, NewDocumentKeepsModeFiltersAndWrap) {
  put("C:\\a.kpo", rtfOf("a"));
  commands.fileYomikomi("C:\\a.kpo");
  form.wrapDown = true;
  state.nextOpenFont.name = "Next";
  commands.tbtnNewClick();
  EXPECT_EQ(memo1.text(), "");
  EXPECT_EQ(document.path(), "");
  EXPECT_FALSE(document.plainText());
  EXPECT_EQ(commands.saveFilterIndex(), 2);
  EXPECT_TRUE(memo1.wordWrap());
  EXPECT_EQ(memo1.scrollBars(), ScrollBars::Vertical);
  EXPECT_EQ(memo1.defaultFormat().name, "Next");
}

// ---- Recent files ----

TEST(RecentFiles, NewestFirstAndTheSixthPushesTheFirstOut) {
  std::array<std::string, historyCount> h;
  h.fill("nothing");
  for (const char* n : {"1", "2", "3", "4", "5", "6"}) recordRecentFile(h, n);
  EXPECT_EQ(h, (std::array<std::string, historyCount>{"6", "5", "4", "3", "2"}));
  recordRecentFile(h, "3");  // already there: no move
  EXPECT_EQ(h, (std::array<std::string, historyCount>{"6", "5", "4", "3", "2"}));
  recordRecentFile(h, "c:\\a.txt");
  recordRecentFile(h, "C:\\A.TXT");  // case counts
  EXPECT_EQ(h[0], "C:\\A.TXT");
  EXPECT_EQ(h[1], "c:\\a.txt");
}

TEST_F(DocumentsTest, HistoryMenuShowsTheSlotsWhenItOpens) {
  state.history[1] = "C:\\b.txt";
  commands.PopupMenu2Popup();
  EXPECT_EQ(historyMenu.captions,
            (std::array<std::string, 5>{"nothing", "C:\\b.txt", "nothing", "nothing", "nothing"}));
}

TEST_F(DocumentsTest, HistoryEntryOpensItsCaptionAndEmptyEntryDoesNothing) {
  put("C:\\b.txt", "b");
  put("C:\\Åse\\한글 \U0001F600.txt", "wide");
  state.history[1] = "C:\\b.txt";
  state.history[2] = "C:\\Åse\\한글 \U0001F600.txt";
  commands.popRirek1Click();  // menu not opened yet: captions are still the marker
  EXPECT_TRUE(files.reads.empty());
  commands.PopupMenu2Popup();
  commands.popRirek0Click();
  EXPECT_TRUE(files.reads.empty());
  commands.popRirek1Click();
  EXPECT_EQ(memo1.text(), "b");
  EXPECT_EQ(state.history[1], "C:\\b.txt");  // kept its place
  commands.popRirek2Click();
  EXPECT_EQ(memo1.text(), "wide");
  EXPECT_EQ(document.path(), "C:\\Åse\\한글 \U0001F600.txt");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(DocumentsTest, FailedOrDeclinedOpenRecordsNothingAndKeepsTheEntry) {
  state.history[2] = "C:\\gone.txt";
  commands.PopupMenu2Popup();
  commands.popRirek2Click();
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(state.history[2], "C:\\gone.txt");
  EXPECT_EQ(state.history[0], "nothing");
}

}  // namespace
}  // namespace kakipo::test

namespace kakipo::test {
namespace {

// ---- Characters a plain-text file cannot hold ----

std::vector<LostCharacter> lostCharacters(int n) {
  std::vector<LostCharacter> v;
  for (int i = 0; i < n; ++i) v.push_back({i, 2 * i, 0x1F600u + i});
  return v;
}

TEST(LossReport, NamesTheFirstTenWithLineAndColumnThenCountsTheRest) {
  const std::string text = lossReportText("C:\\a.txt", lostCharacters(12));
  EXPECT_EQ(text.substr(0, 12), "C:\\a.txt\r\n\r\n");
  EXPECT_NE(text.find("1 行 1 文字目 U+1F600"), std::string::npos);
  EXPECT_NE(text.find("10 行 19 文字目 U+1F609"), std::string::npos);
  EXPECT_EQ(text.find("U+1F60A"), std::string::npos);
  EXPECT_NE(text.find("ほか 2 文字"), std::string::npos);
  EXPECT_EQ(lossReportText("a", {{0, 0, 0x9DD7}}).find("ほか"), std::string::npos);
  EXPECT_NE(lossReportText("a", {{0, 0, 0x9DD7}}).find("U+9DD7"), std::string::npos);
}

TEST_F(DocumentsTest, LossyOverwriteSaveAsksAndCancelWritesNothingYesWritesQuestionMarksNoWritesUtf8) {
  put("C:\\a.txt", "a");
  commands.fileYomikomi("C:\\a.txt");
  memo1.replaceSel("\u9DD7", true);  // 鷗, which CP932 cannot hold
  ui.answers = {mb::idCancel};
  commands.tbtnUwagakiClick();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイル保存の確認");
  EXPECT_EQ(ui.shown[0].flags, mb::yesNoCancel | mb::iconWarning | mb::defButton3);
  EXPECT_TRUE(files.writes.empty());
  EXPECT_TRUE(memo1.modified());

  ui.answers = {mb::idYes};
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.txt"], "?a");
  EXPECT_FALSE(memo1.modified());

  memo1.setModified(true);
  ui.answers = {mb::idNo, mb::idOk};
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.txt"], "\u9DD7a");
  EXPECT_EQ(document.encoding, TextEncoding::Utf8);
}

// Look-alikes alone: replaced in the document as one undo step and saved as Shift_JIS; No goes on
// to the report as it was. With a character that has none, the report comes at once and names it.
TEST_F(DocumentsTest, LookAlikesArePutInBeforeAShiftJisSaveWhenTheyAreAllThatIsLost) {
  put("C:\\a.txt", "a");
  commands.fileYomikomi("C:\\a.txt");
  typeText("３月〜４月");
  ui.answers = {mb::idYes, mb::idOk};
  commands.tbtnUwagakiClick();
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text,
            "C:\\a.txt\r\n\r\nには Shift_JIS で保存できない文字がありますが、次のように Shift_JIS の似た文字に"
            "置き換えると保存できます\r\n\r\n〜（U+301C）→ ～（U+FF5E） 1 文字\r\n\r\n置き換えて保存しますか？\r\n"
            "「いいえ」を選ぶと、置き換えずに保存する方法を選べます");
  EXPECT_EQ(ui.shown[0].flags, mb::yesNoCancel | mb::iconWarning | mb::defButton1);
  EXPECT_EQ(files.files["C:\\a.txt"], sjis("３月～４月a"));
  memo1.undo();
  EXPECT_EQ(memo1.text(), "３月〜４月a");
  ui.answers = {mb::idNo, mb::idYes, mb::idOk};
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\a.txt"], sjis("３月?４月a"));
  EXPECT_EQ(ui.shown[3].text.find("このうち"), std::string::npos);  // the report, as it was
  typeText("\u9DD7");
  ui.answers = {mb::idCancel};
  commands.tbtnUwagakiClick();
  EXPECT_NE(ui.shown.back().text.find("このうち U+9DD7 には Shift_JIS の似た文字がないため"), std::string::npos);
}

TEST_F(DocumentsTest, LossySaveAsCancelledKeepsTheOldNameAndRichTargetsAskNothing) {
  typeText("\U0001F600");
  dialogs.saveAnswers.push_back({true, "C:\\a.txt", 1});
  ui.answers = {mb::idCancel};
  EXPECT_FALSE(commands.dlgSaveFile(""));
  EXPECT_EQ(document.path(), "");
  EXPECT_TRUE(files.writes.empty());

  ui.shown.clear();
  dialogs.saveAnswers.push_back({true, "C:\\a.kpo", 2});
  EXPECT_TRUE(commands.dlgSaveFile(""));  // RTF keeps every character
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace kakipo::test
