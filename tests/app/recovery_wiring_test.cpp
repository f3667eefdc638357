// The main window's recovery wiring: what a snapshot of memo1 holds, what a restore leaves in the
// window, and that a handler leaving the document safe removes its file at once.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include <functional>

#include "recovery/recovery_fakes.h"
#include "support/main_form_harness.h"

namespace kakipo {
namespace {

struct RecoveryWiringTest : ::testing::Test {
  void TestBody() override {}
  test::MainFormHarness h;
  test::FakeRecoveryStore store;
  MainForm& main = h.main;

  RecoveryWiringTest() { main.recovery.keep(store); }
  void handle(const std::function<void()>& handler) { main.dispatch(handler); }
  // A change, then a pause long enough for the keeper to start a write.
  void changeAndPause() {
    h.memo1.setModified(true);
    handle([&] { main.recovery.memo1Change(); });
    h.clock.ticks += 2200;
    handle([&] { main.recovery.timerGyoRetTimer(); });
  }
  void offerAfterStart(const std::string& commandLine, const RecoverySnapshot& left) {
    store.leave("dead", encodeRecoveryFile(left));
    main.FormShow(commandLine);
    h.ui.answers = {mb::idYes};
    handle([&] { main.offerRecovery(); });
  }
};

TEST_F(RecoveryWiringTest, ASnapshotTakesPlainTextLosslessWithItsEncodingAndRichTextAsRtf) {
  main.FormShow("kakipo.exe");
  main.document.fnameSet("C:\\memo\\買い物.txt");
  h.memo1.setText("牛乳とパン鷗");  // 鷗, which CP932 cannot hold
  main.document.encoding = TextEncoding::Utf8Bom;
  h.memo1.select(3, 6);
  changeAndPause();
  ASSERT_EQ(store.pending.size(), 1u);
  EXPECT_EQ(store.pending[0], (RecoverySnapshot{"牛乳とパン鷗", "C:\\memo\\買い物.txt", true, "UTF-8 BOM", 9}));

  store.finishWrite();
  handle([&] { main.recovery.writeFinished(true); });
  main.document.kind = DocumentKind::RichText;
  changeAndPause();
  ASSERT_EQ(store.pending.size(), 1u);
  EXPECT_EQ(store.pending[0], (RecoverySnapshot{"{\\rtf1 \\u29275?\\u20083?\\u12392?\\u12497?\\u12531?\\u40407?}",
                                                "C:\\memo\\買い物.txt", false, "", 9}));
}

TEST(RecoveryWiring, ARestoredPlainTextHasEveryCharacterAndTheEncodingItsFileHad) {
  for (const TextEncoding encoding : allEncodings) {
    RecoveryWiringTest t;
    t.offerAfterStart("kakipo.exe", {"鷗\r\n\U0001F600", "C:\\memo\\u.txt", true, encodingName(encoding), 3});
    EXPECT_EQ(t.h.memo1.text(), "鷗\r\n\U0001F600");
    EXPECT_TRUE(t.main.document.plainText());
    EXPECT_EQ(t.main.document.encoding, encoding);
    EXPECT_TRUE(t.h.memo1.modified());
  }
}

TEST_F(RecoveryWiringTest, ARestoreReplacesTheCommandLineFileWhichStaysInTheHistory) {
  h.files.files["C:\\memo\\cmd.txt"] = "from the command line";
  offerAfterStart("kakipo.exe C:\\memo\\cmd.txt", {"{\\rtf1 restored}", "C:\\memo\\装飾.kpo", false, "", 3});
  EXPECT_EQ(h.memo1.text(), "restored");
  EXPECT_FALSE(main.document.plainText());
  EXPECT_TRUE(h.memo1.modified());
  EXPECT_EQ(h.memo1.selStart(), 3);
  EXPECT_EQ(main.document.path(), "C:\\memo\\装飾.kpo");
  EXPECT_EQ(h.form.caption(), "カキポ C:\\memo\\装飾.kpo");
  EXPECT_FALSE(main.document.original.holds()) << "a save must write the editor's text";
  EXPECT_EQ(main.state.history[0], "C:\\memo\\cmd.txt");
  EXPECT_EQ(h.files.files["C:\\memo\\cmd.txt"], "from the command line");
}

TEST_F(RecoveryWiringTest, ARestoreTheEditorCannotHoldLeavesAnUntitledDocumentAndTheFile) {
  h.files.files["C:\\memo\\cmd.txt"] = "from the command line";
  offerAfterStart("kakipo.exe C:\\memo\\cmd.txt", {"not whole", "C:\\memo\\大きい.kpo", false, "", 0});
  EXPECT_EQ(h.memo1.text(), "");
  EXPECT_FALSE(h.memo1.modified());
  EXPECT_EQ(main.document.path(), "");
  EXPECT_EQ(h.ui.shown.back().text, "RTF.");
  EXPECT_TRUE(store.holds("dead"));
}

// With the setting on, a close asks nothing: the text is written at once, marked to be restored
// without asking; a close whose text cannot be kept asks as ever.
TEST_F(RecoveryWiringTest, WithGoingOnAtTheNextStartACloseAsksNothingAndKeepsTheText) {
  main.FormShow("kakipo.exe");
  main.state.resumeAtClose = true;
  h.memo1.setText("unsaved 鷗");
  h.memo1.setModified(true);
  EXPECT_TRUE(main.FormCloseQuery(CloseReason::SessionEnd));
  EXPECT_TRUE(h.ui.shown.empty());
  const RecoverySnapshot kept = parseRecoveryFile(store.files.at("own").bytes);
  EXPECT_EQ(kept.content, "unsaved 鷗");
  EXPECT_TRUE(kept.resume);
  EXPECT_TRUE(h.memo1.modified());

  store.failWrites = true;
  h.ui.answers = {mb::idNo};  // the unsaved-changes question, as without the setting
  EXPECT_TRUE(main.FormCloseQuery());
  EXPECT_EQ(h.ui.shown.size(), 1u);
}

TEST_F(RecoveryWiringTest, AHandlerThatSavesRemovesTheFileAtOnce) {
  h.files.files["C:\\memo\\a.txt"] = "old";
  main.FormShow("kakipo.exe C:\\memo\\a.txt");
  changeAndPause();
  store.finishWrite();
  handle([&] { main.recovery.writeFinished(true); });
  ASSERT_TRUE(store.holds("own"));
  handle([&] { main.commands.tbtnUwagakiClick(); });
  EXPECT_FALSE(store.holds("own"));
}

}  // namespace
}  // namespace kakipo
