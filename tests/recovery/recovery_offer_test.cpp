#include "recovery/recovery_offer.h"

#include <gtest/gtest.h>

#include "recovery/recovery_fakes.h"
#include "support/editing_fakes.h"
#include "support/scripted_ui.h"

namespace kakipo {
namespace {

const RecoverySnapshot memo{"{\\rtf1 memo}", "C:\\memo\\todo.kpo", false, "", 4};
const RecoverySnapshot untitled{"draft", "", true, "Shift_JIS", 5};

struct RecoveryOfferTest : ::testing::Test {
  void TestBody() override {}
  test::FakeRecoveryStore store;
  test::FakeRecoveryDocument doc;
  test::ScriptedMessageBoxes ui;
  test::FakeClock clock;
  RecoveryKeeper keeper{store, doc, ui};

  void leaveTwo() {
    store.leave("older", encodeRecoveryFile(memo), {2024, 3, 8, 5, 23, 0, 0, 0});
    store.leave("newer", encodeRecoveryFile(untitled), {2024, 3, 9, 6, 7, 5, 2, 0});
  }
  bool offer(bool resume = true) { return offerRecovery({store, doc, ui, clock}, keeper, resume); }
};

TEST_F(RecoveryOfferTest, YesRestoresTheNewestWhoseFileGoesOnlyOnceItIsKeptAgain) {
  leaveTwo();
  ui.answers = {mb::idYes};
  EXPECT_TRUE(offer());
  ASSERT_EQ(ui.shown.size(), 1u);  // the older one waits for the next start
  EXPECT_EQ(ui.shown[0].text,
            "無題\r\n\r\nの保存していない内容が残っています（2024/03/09 7:05:02 の時点）。復元しますか？");
  EXPECT_EQ(doc.current, untitled);
  EXPECT_TRUE(doc.isModified);

  keeper.tick(200);
  EXPECT_TRUE(store.holds("newer"));  // a crash now still finds the text there
  keeper.writeFinished(store.finishWrite(), 400);
  EXPECT_FALSE(store.holds("newer"));
  EXPECT_EQ(parseRecoveryFile(store.files["own"].bytes), untitled);
  EXPECT_TRUE(store.holds("older"));
}

TEST_F(RecoveryOfferTest, NoKeepsTheFileUnlessTheUserConfirmsDeletingIt) {
  leaveTwo();
  ui.answers = {mb::idNo, mb::idNo, mb::idNo, mb::idYes};
  EXPECT_FALSE(offer());
  ASSERT_EQ(ui.shown.size(), 4u);
  EXPECT_EQ(ui.shown[3].flags, mb::yesNo | mb::iconWarning | mb::defButton2);
  EXPECT_TRUE(store.holds("newer"));
  EXPECT_FALSE(store.holds("older"));
  EXPECT_FALSE(doc.isModified);
}

TEST_F(RecoveryOfferTest, AnUnreadableFileIsToldOnceAndLeftInPlace) {
  store.leave("cut", encodeRecoveryFile(memo).substr(1));
  EXPECT_FALSE(offer());
  EXPECT_FALSE(offer());  // the next start
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "cut\r\n\r\nは壊れているため復元できません（ファイルはそのまま残してあります）");
  EXPECT_TRUE(store.holds("cut"));
}

TEST_F(RecoveryOfferTest, ARunningInstancesFileOrOneAnotherStartHasClaimedIsNeitherReadNorOffered) {
  store.leave("running", encodeRecoveryFile(memo), {}, true);
  store.leave("claimed", encodeRecoveryFile(memo));
  store.claimedElsewhere.insert("claimed");
  EXPECT_FALSE(offer());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(store.reads.empty());
  EXPECT_TRUE(store.holds("running"));
}

// A text kept at a close that asked nothing comes back first and without a question, but only in
// the first instance; a second one started meanwhile offers it like any other.
TEST_F(RecoveryOfferTest, AKeptTextIsRestoredWithoutAQuestionByTheFirstInstanceOnly) {
  leaveTwo();
  RecoverySnapshot kept = memo;
  kept.resume = true;
  store.leave("kept", encodeRecoveryFile(kept), {2024, 1, 1, 1, 0, 0, 0, 0});
  ui.answers = {mb::idNo, mb::idNo, mb::idNo, mb::idNo, mb::idYes};
  EXPECT_TRUE(offer(false));
  EXPECT_EQ(ui.shown.size(), 5u) << "offered last, as the oldest";
  EXPECT_EQ(doc.current, kept);

  RecoveryOfferTest first;
  first.leaveTwo();
  first.store.leave("kept", encodeRecoveryFile(kept), {2024, 1, 1, 1, 0, 0, 0, 0});
  EXPECT_TRUE(first.offer());
  EXPECT_TRUE(first.ui.shown.empty());
  EXPECT_EQ(first.doc.current, kept);
  EXPECT_TRUE(first.doc.isModified);
}

}  // namespace
}  // namespace kakipo
