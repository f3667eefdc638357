#include <gtest/gtest.h>

#include <functional>

#include "documents/document_texts.h"
#include "documents/long_lines.h"
#include "documents_fixture.h"

namespace kakipo::test {
namespace {

struct KindCase {
  std::string name;
  bool plainText;
  int filterIndex;
};

class DocumentKindTest : public DocumentsTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(DocumentKindTest, ExtensionChoosesModeAndBothFilterIndexes) {
  const auto& c = GetParam();
  put(c.name, c.plainText ? "plain" : rtfOf("rich"));
  document.kind = c.plainText ? DocumentKind::RichText : DocumentKind::PlainText;  // the opposite, so the test sees it change
  commands.fileYomikomi(c.name);
  EXPECT_EQ(document.plainText(), c.plainText);
  EXPECT_EQ(commands.openFilterIndex(), c.filterIndex);
  EXPECT_EQ(commands.saveFilterIndex(), c.filterIndex);
  EXPECT_EQ(memo1.text(), c.plainText ? "plain" : "rich");
  EXPECT_EQ(document.path(), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DocumentKindTest,
    ::testing::Values(KindCase{"C:\\m\\memo.kpo", false, 2}, KindCase{"C:\\m\\memo.Kpo", false, 2},
                      KindCase{"C:\\m\\memo.TXT", true, 1}, KindCase{"C:\\m\\memo.txt", true, 1},
                      KindCase{"C:\\m\\memo", true, 3}, KindCase{"C:\\m\\memo.txt.bak", true, 3},
                      KindCase{"C:\\a.kpo\\memo", true, 3}, KindCase{"C:\\m\\memo.kpox", true, 3},
                      KindCase{"C:\\m\\表.kpo", false, 2},
                      // Names Shift_JIS cannot hold are names like any other.
                      KindCase{"C:\\résumé 한글\\\U0001F600.kpo", false, 2}, KindCase{"C:\\Åse\\鷗外.txt", true, 1}));

TEST_F(DocumentsTest, SuccessfulOpenMakesTheFileCurrentRecordedAndUnmodified) {
  put("C:\\memo\\a.txt", "abc");
  typeText("old");
  commands.fileYomikomi("C:\\memo\\a.txt");
  EXPECT_EQ(memo1.text(), "abc");
  EXPECT_EQ(form.caption(), "カキポ C:\\memo\\a.txt");
  EXPECT_EQ(form.overwriteHint, "上書き保存 a.txt");
  EXPECT_EQ(state.history[0], "C:\\memo\\a.txt");
  EXPECT_FALSE(memo1.modified());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(DocumentsTest, LoadRunsInsideTheProgressDialog) {
  put("C:\\memo\\a.txt", "abc");
  bool upDuringRead = false;
  files.onRead = [&] { upDuringRead = progress.open; };
  commands.fileYomikomi("C:\\memo\\a.txt");
  EXPECT_TRUE(upDuringRead);
  EXPECT_FALSE(progress.open);
  ASSERT_EQ(progress.shows.size(), 1u);
  const auto& s = progress.shows[0];
  EXPECT_TRUE(s.cancelAllowed);
  EXPECT_EQ(s.caption, "a.txtを開いています しばらく待っててね");
  EXPECT_EQ(s.minimum, 0);
  EXPECT_EQ(s.maximum, 1);
  EXPECT_EQ(s.kind, 2);
}

struct SizeCase {
  std::int64_t size;
  bool asks;
};

class LargeFileTest : public DocumentsTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(LargeFileTest, AsksOnlyAboveTheThreshold) {
  put("C:\\big.txt", "x");
  files.reportedSizes["C:\\big.txt"] = GetParam().size;
  if (GetParam().asks) ui.answers.push_back(mb::idOk);
  commands.fileYomikomi("C:\\big.txt");
  if (GetParam().asks) {
    ASSERT_GE(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "C:\\big.txt\r\n\r\nは大きな容量なので時間がかかりますが、読み込みますか？");
    EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイル読み込みの確認");
    EXPECT_EQ(ui.shown[0].flags, mb::okCancel | mb::iconInformation | mb::defButton1);
  }
  // Sizes beyond 2 GiB are refused before reading; the rest load after OK.
  if (GetParam().size <= maxDocumentBytes) {
    EXPECT_TRUE(ui.shown.size() == (GetParam().asks ? 1u : 0u));
    EXPECT_EQ(document.path(), "C:\\big.txt");
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, LargeFileTest,
                         ::testing::Values(SizeCase{1000000, false}, SizeCase{1000001, true},
                                           SizeCase{0, false},
                                           // 4 GiB and a few bytes: its low 32 bits look tiny.
                                           SizeCase{0x100000005LL, true}));

TEST_F(DocumentsTest, DeclinedLargeFileQuestionChangesNothing) {
  put("C:\\big.kpo", rtfOf("x"));
  files.reportedSizes["C:\\big.kpo"] = 1000001;
  typeText("mine");
  const Font before = memo1.defaultFormat();
  state.nextOpenFont.name = "Other";
  ui.answers.push_back(mb::idCancel);
  commands.fileYomikomi("C:\\big.kpo");
  EXPECT_TRUE(document.plainText());
  EXPECT_EQ(commands.openFilterIndex(), 1);
  EXPECT_EQ(memo1.defaultFormat(), before);
  EXPECT_EQ(memo1.text(), "mine");
  EXPECT_TRUE(memo1.modified());
  EXPECT_EQ(state.history[0], "nothing");
  EXPECT_TRUE(files.reads.empty());
}

TEST_F(DocumentsTest, OpenFailureNamesTheFileAndKeepsTheDocument) {
  typeText("mine");
  state.nextOpenFont.name = "Other";
  ui.answers.push_back(mb::idOk);
  commands.fileYomikomi("C:\\gone.kpo");
  ASSERT_EQ(ui.shown.size(), 1u);  // a missing file asks no size question
  EXPECT_EQ(ui.shown[0].text, "C:\\gone.kpo\r\n\r\nという名前のファイルは無いかもしれません");
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイルを開くエラー");
  EXPECT_EQ(ui.shown[0].flags, mb::ok | mb::iconError);
  EXPECT_EQ(memo1.text(), "mine");
  EXPECT_TRUE(memo1.modified());
  EXPECT_EQ(form.caption(), "カキポ ");
  EXPECT_EQ(state.history[0], "nothing");
  EXPECT_FALSE(progress.open);
  // A refused open changes nothing: not the kind, the filter indexes nor the default font.
  EXPECT_TRUE(document.plainText());
  EXPECT_EQ(commands.saveFilterIndex(), 1);
  EXPECT_NE(memo1.defaultFormat().name, "Other");
}

TEST_F(DocumentsTest, FileHeldOpenForWritingIsAnOpenFailure) {
  put("C:\\busy.txt", "x");
  files.heldForWriting.insert("C:\\busy.txt");
  commands.fileYomikomi("C:\\busy.txt");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ ♪ファイルを開くエラー");
}

TEST_F(DocumentsTest, RelativeNameStaysRelativeButItsSizeIsFound) {
  put("C:\\work\\memo.txt", "x");
  files.reportedSizes["C:\\work\\memo.txt"] = 2000000;
  ui.answers.push_back(mb::idOk);
  commands.fileYomikomi("memo.txt");
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(document.path(), "memo.txt");
  EXPECT_EQ(state.history[0], "memo.txt");
}

TEST_F(DocumentsTest, EmptySlotMarkerDoesNothingButCapitalisedIsAName) {
  commands.fileYomikomi("nothing");
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(progress.shows.empty());
  commands.fileYomikomi("Nothing");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Nothing\r\n\r\nという名前のファイルは無いかもしれません");
}

TEST_F(DocumentsTest, KpoHoldingPlainTextIsShownThroughTheRetryAndStaysRich) {
  put("C:\\a.kpo", "just text");
  commands.fileYomikomi("C:\\a.kpo");
  EXPECT_EQ(memo1.text(), "just text");
  EXPECT_EQ(document.path(), "C:\\a.kpo");
  EXPECT_FALSE(document.plainText());  // an overwrite-save writes RTF into the .kpo
}

TEST_F(DocumentsTest, TxtHoldingRtfShowsTheSource) {
  put("C:\\a.txt", rtfOf("x"));
  commands.fileYomikomi("C:\\a.txt");
  EXPECT_EQ(memo1.text(), rtfOf("x"));
}

// An editor whose reader fails for text and RTF alike, as with a file the control cannot read at all.
class UnreadableEditor : public LimitedEditor {
 public:
  void loadText(const std::string&, const Font*, const std::function<bool()>&) override { throw Error("bad"); }
  void loadRtf(const std::string&, const Font*, const std::function<bool()>&) override { throw Error("bad"); }
};

TEST_F(DocumentsTest, FailedRetryIsAReadErrorForTheGeneralReport) {
  UnreadableEditor broken;
  DocumentCommands cmds{state, document, appearance, {broken, ui, files, dialogs, progress, historyMenu, front, clock, {}}};
  put("C:\\a.kpo", "x");
  try {
    cmds.fileYomikomi("C:\\a.kpo");
    FAIL() << "no error";
  } catch (const OpenError&) {
    FAIL() << "not an open failure";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "ストリームからの読み込みに失敗しました");
  }
  EXPECT_FALSE(progress.open);
  EXPECT_TRUE(document.plainText());  // the kind it had
  EXPECT_EQ(document.path(), "");
  EXPECT_EQ(state.history[0], "nothing");
}

TEST_F(DocumentsTest, FileTheEditorCannotHoldIsRefusedByName) {
  put("C:\\huge.txt", std::string(100, 'x'));
  memo1.capacity = 50;
  commands.fileYomikomi("C:\\huge.txt");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "C:\\huge.txt\r\n\r\nは大きすぎてカキポでは開けません");
  EXPECT_EQ(ui.shown[0].flags, mb::ok | mb::iconError);
  EXPECT_EQ(memo1.text(), "");
  EXPECT_EQ(document.path(), "");
  EXPECT_EQ(state.history[0], "nothing");
  EXPECT_FALSE(progress.open);
}

TEST_F(DocumentsTest, FileTooLargeToReadLeavesTheOldDocument) {
  put("C:\\grown.txt", "x");
  files.tooLargeToRead.insert("C:\\grown.txt");
  typeText("mine");
  commands.fileYomikomi("C:\\grown.txt");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "C:\\grown.txt\r\n\r\nは大きすぎてカキポでは開けません");
  EXPECT_EQ(memo1.text(), "mine");
  EXPECT_TRUE(memo1.modified());
}

TEST_F(DocumentsTest, FileBeyondTwoGigabytesIsRefusedWithoutReading) {
  put("C:\\huge.txt", "x");
  files.reportedSizes["C:\\huge.txt"] = 0x100000005LL;
  typeText("mine");
  ui.answers.push_back(mb::idOk);
  commands.fileYomikomi("C:\\huge.txt");
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, "C:\\huge.txt\r\n\r\nは大きすぎてカキポでは開けません");
  EXPECT_TRUE(files.reads.empty());
  EXPECT_EQ(memo1.text(), "mine");
}

// Every way an open can fail leaves the open document exactly as it was, down to the bytes its
// unedited lines are written back with.
struct FailedOpen {
  const char* name;
  std::function<void(DocumentsTest&)> arrange;  // makes the open of C:\\other.kpo fail
};

struct FailedOpenTest : DocumentsTest, ::testing::WithParamInterface<FailedOpen> {};

TEST_P(FailedOpenTest, LeavesTheOpenDocumentAsItWas) {
  put("C:\\mine.txt", "one\ntwo");
  commands.fileYomikomi("C:\\mine.txt");
  typeText("X");
  state.nextOpenFont.name = "Other";
  const Font font = memo1.defaultFormat();
  GetParam().arrange(*this);
  commands.fileYomikomi("C:\\other.kpo");
  EXPECT_EQ(memo1.text(), "Xone\r\ntwo");
  EXPECT_TRUE(memo1.modified());
  EXPECT_TRUE(document.plainText());
  EXPECT_EQ(memo1.defaultFormat(), font);
  EXPECT_EQ(document.path(), "C:\\mine.txt");
  EXPECT_EQ(form.caption(), "カキポ C:\\mine.txt");
  EXPECT_EQ(state.history[0], "C:\\mine.txt");
  EXPECT_EQ(commands.openFilterIndex(), filter::text);
  EXPECT_EQ(commands.saveFilterIndex(), filter::text);
  EXPECT_FALSE(progress.open);
  ui.answers.clear();
  commands.tbtnUwagakiClick();
  EXPECT_EQ(files.files["C:\\mine.txt"], "Xone\ntwo") << "the line break the file had";
}

INSTANTIATE_TEST_SUITE_P(
    Table, FailedOpenTest,
    ::testing::Values(
        FailedOpen{"Missing", [](DocumentsTest&) {}},
        FailedOpen{"HeldByAWriter",
                   [](DocumentsTest& t) {
                     t.put("C:\\other.kpo", rtfOf("x"));
                     t.files.heldForWriting.insert("C:\\other.kpo");
                   }},
        FailedOpen{"MoreThanTheEditorHolds",
                   [](DocumentsTest& t) {
                     t.put("C:\\other.kpo", rtfOf(std::string(100, 'x')));
                     t.memo1.capacity = 50;
                   }},
        FailedOpen{"RtfCutShort", [](DocumentsTest& t) { t.put("C:\\other.kpo", "{\\rtf1 cut"); }},
        FailedOpen{"TooLargeToRead",
                   [](DocumentsTest& t) {
                     t.put("C:\\other.kpo", rtfOf("x"));
                     t.files.tooLargeToRead.insert("C:\\other.kpo");
                   }},
        FailedOpen{"GoneAfterItsSizeWasRead",
                   [](DocumentsTest& t) {
                     t.put("C:\\other.kpo", rtfOf("x"));
                     t.progress.onShow = [&t] { t.files.files.erase("C:\\other.kpo"); };
                   }},
        FailedOpen{"ALineTooLongDeclined",
                   [](DocumentsTest& t) {
                     std::string line;
                     for (std::size_t i = 0; i < slowLineRuns; ++i) line += i % 2 ? "\u3042" : "\u6F22";
                     t.put("C:\\other.kpo", line);
                     t.ui.answers = {mb::idCancel};
                   }},
        FailedOpen{"CancelledAtTheProgressDialog",
                   [](DocumentsTest& t) {
                     t.put("C:\\other.kpo", rtfOf("x"));
                     t.progress.cancel = true;
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentsTest, OpenDialogStartsFromItsLastNameAndTheSetFilter) {
  put("C:\\a.kpo", rtfOf("a"));
  dialogs.openAnswers.push_back({true, "C:\\a.kpo", 1});
  dialogs.openAnswers.push_back({false, "", 0});
  commands.dlgOpenFile();
  EXPECT_EQ(document.path(), "C:\\a.kpo");
  commands.dlgOpenFile();
  ASSERT_EQ(dialogs.openSeeds.size(), 2u);
  EXPECT_EQ(dialogs.openSeeds[0].name, "");
  EXPECT_EQ(dialogs.openSeeds[0].filterIndex, 1);
  EXPECT_EQ(dialogs.openSeeds[1].name, "C:\\a.kpo");
  EXPECT_EQ(dialogs.openSeeds[1].filterIndex, 2);  // set by the load, over the user's 1
}

TEST_F(DocumentsTest, DropOpensOnlyTheFirstFile) {
  put("C:\\1.txt", "one");
  put("C:\\2.txt", "two");
  commands.dropYomikomi({"C:\\1.txt", "C:\\2.txt", "C:\\3.txt"});
  EXPECT_EQ(memo1.text(), "one");
  EXPECT_EQ(files.reads, std::vector<std::string>{"C:\\1.txt"});
  EXPECT_EQ(front.count, 1);
  EXPECT_FALSE(memo1.modified());
}

TEST_F(DocumentsTest, DropOfUnopenableFileLeavesAnEmptyUntitledDocument) {
  put("C:\\cur.txt", "cur");
  commands.fileYomikomi("C:\\cur.txt");
  commands.dropYomikomi({"C:\\gone.txt"});
  EXPECT_EQ(memo1.text(), "");
  EXPECT_EQ(form.caption(), "カキポ ");
  EXPECT_FALSE(memo1.modified());
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(DocumentsTest, DropKeepsALongNameWhole) {
  const std::string name = "C:\\" + std::string(300, 'n') + ".txt";
  put(name, "long");
  commands.dropYomikomi({name});
  EXPECT_EQ(document.path(), name);
  EXPECT_EQ(memo1.text(), "long");
}

TEST_F(DocumentsTest, DropDeclinedAtTheSizeQuestionStillLeavesANewDocument) {
  put("C:\\big.txt", "x");
  files.reportedSizes["C:\\big.txt"] = 1000001;
  memo1.setText("old");
  ui.answers.push_back(mb::idCancel);
  commands.dropYomikomi({"C:\\big.txt"});
  EXPECT_EQ(memo1.text(), "");
  EXPECT_EQ(document.path(), "");
}

}  // namespace
}  // namespace kakipo::test
