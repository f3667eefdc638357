#include "app/main_form.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "support/main_form_harness.h"

namespace kakipo {
namespace {

struct MainFormTest : ::testing::Test {
  test::MainFormHarness h;
  test::MemoryEditor& memo1 = h.memo1;
  test::FakeForm& form = h.form;
  test::FakePhraseBox& phrases = h.phrases;
  test::ScriptedMessageBoxes& ui = h.ui;
  test::FakeProfile& profile = h.profile;
  MainForm& main = h.main;
};

TEST_F(MainFormTest, FirstShowSetsTheStartUpDefaults) {
  memo1.setText("leftover");
  main.FormShow("kakipo.exe");
  EXPECT_EQ(form.caption(), "カキポ ");
  EXPECT_EQ(form.bounds(), (Rect{0, 0, 280, 380}));
  EXPECT_EQ(phrases.text(), "Hi EveryOne,");
  EXPECT_EQ(phrases.itemIndex(), 0);
  ASSERT_EQ(phrases.items().size(), 10u);
  EXPECT_EQ(phrases.items()[9], "それではまた");
  EXPECT_EQ(phrases.items()[2].substr(0, 6), "mail: ");
  EXPECT_EQ(phrases.items()[3].substr(0, 6), "home: ");
  for (const auto& slot : main.state.history) EXPECT_EQ(slot, "nothing");
  EXPECT_EQ(main.state.phraseKeys[0], "items0");
  EXPECT_EQ(main.state.phraseKeys[9], "items9");
  EXPECT_EQ(memo1.backgroundColour(), 0x80000005u);
  EXPECT_EQ(memo1.text(), "");
  EXPECT_FALSE(memo1.modified());
  EXPECT_EQ(memo1.scrollBars(), ScrollBars::Both);
  EXPECT_TRUE(form.acceptsDrops);
  EXPECT_GT(memo1.focusCount, 0);
  EXPECT_TRUE(form.barVisible(Bar::ToolBar) && form.barVisible(Bar::PhraseBox) && form.barVisible(Bar::StatusBar));
}

TEST_F(MainFormTest, FirstShowAddsItsItemsToTheSystemMenu) {
  main.FormShow("kakipo.exe");
  ASSERT_EQ(form.systemMenu.size(), 7u);
  EXPECT_EQ(form.systemMenu[0], (std::pair<int, std::string>{1000, ""}));
  EXPECT_EQ(form.systemMenu[1], (std::pair<int, std::string>{1001, "ボタンバー表示ON/OFF(&B)"}));
  EXPECT_EQ(form.systemMenu[2], (std::pair<int, std::string>{1002, "定型文ボックス表示ON/OFF(&T)"}));
  EXPECT_EQ(form.systemMenu[3], (std::pair<int, std::string>{1003, "ステータスバー表示ON/OFF(&U)"}));
  EXPECT_EQ(form.systemMenu[4], (std::pair<int, std::string>{1004, "終了時に確認しないで、次回続きから(&R)"}));
  EXPECT_EQ(form.systemMenu[5], (std::pair<int, std::string>{1005, "常に手前に表示(&A)"}));
  EXPECT_EQ(form.systemMenu[6], (std::pair<int, std::string>{1006, "表示倍率 100%(&Z)"}));
  // The zoom item, which goes back to 100 %, can be chosen only away from it.
  EXPECT_FALSE(form.menuItems[1006].enabled);
  main.FormKeyDown(vk::numpadAdd, modifier::ctrl);
  EXPECT_EQ(h.statusBar.panels[4], "110%");
  EXPECT_EQ(form.menuItems[1006].text, "表示倍率 110%：100%に戻す(&Z)");
  EXPECT_TRUE(form.menuItems[1006].enabled);
  main.sysMenuOnOff(1006);
  EXPECT_EQ(memo1.zoom(), 100);
}

TEST_F(MainFormTest, CommandLineNameStaysCurrentWhenTheLoadFails) {
  main.FormShow("kakipo.exe C:\\My Notes\\メモ.txt");
  ASSERT_EQ(ui.shown.size(), 1u);  // the file does not exist: the open failure is shown
  EXPECT_EQ(main.document.path(), "C:\\My Notes\\メモ.txt");
  EXPECT_EQ(form.caption(), "カキポ C:\\My Notes\\メモ.txt");
  EXPECT_EQ(form.overwriteHint, "上書き保存 メモ.txt");
}

TEST_F(MainFormTest, SystemMenuCommandsToggleExactlyTheirBar) {
  main.FormShow("kakipo.exe");
  main.sysMenuOnOff(1001);
  EXPECT_FALSE(form.barVisible(Bar::ToolBar));
  EXPECT_TRUE(form.barVisible(Bar::PhraseBox));
  main.sysMenuOnOff(1002);
  main.sysMenuOnOff(1003);
  EXPECT_FALSE(form.barVisible(Bar::PhraseBox));
  EXPECT_FALSE(form.barVisible(Bar::StatusBar));
  main.sysMenuOnOff(1001);
  EXPECT_TRUE(form.barVisible(Bar::ToolBar));
  main.sysMenuOnOff(0xF060);  // SC_CLOSE and the like change no bar
  main.sysMenuOnOff(1000);
  EXPECT_TRUE(form.barVisible(Bar::ToolBar));
  EXPECT_FALSE(form.barVisible(Bar::StatusBar));
}

TEST_F(MainFormTest, OnlyTheRightButtonStartsAnotherInstance) {
  main.tbtnNewMouseDown(MouseButton::Left);
  main.tbtnNewMouseDown(MouseButton::Middle);
  EXPECT_EQ(form.instancesStarted, 0);
  main.tbtnNewMouseDown(MouseButton::Right);
  EXPECT_EQ(form.instancesStarted, 1);
}

TEST_F(MainFormTest, CloseTakesTheBackgroundColourFromTheEditorAndStoresIt) {
  main.FormShow("kakipo.exe");
  memo1.setBackgroundColour(0x00FFEEDD);
  EXPECT_TRUE(main.FormCloseQuery());
  EXPECT_EQ(main.state.backColour, 0x00FFEEDDu);
  EXPECT_EQ(profile.readString(test::harnessIniPath, "memoFont", "backcolor", ""), "16772829");
}

TEST_F(MainFormTest, RefusedGuardKeepsTheWindowAndWritesNoSettings) {
  main.FormShow("kakipo.exe");
  h.helpWindows.viewerShown = 1;
  memo1.replaceSel("unsaved", true);
  ui.answers = {mb::idYes};  // save? yes -- then the Save dialog is cancelled
  h.fileDialogs.saveAnswers.push_back({false, "", 0});
  EXPECT_FALSE(main.FormCloseQuery());
  EXPECT_EQ(profile.readString(test::harnessIniPath, "form", "width", "none"), "none");
  EXPECT_EQ(memo1.text(), "unsaved");
  EXPECT_EQ(h.helpWindows.viewerReleased, 1);  // the help viewer is gone all the same
}

TEST_F(MainFormTest, StartUpReadsTheSettingsFile) {
  profile.writeString(test::harnessIniPath, "form", "width", "500");
  profile.writeString(test::harnessIniPath, "combobox", "items0", "こんにちは");
  profile.writeString(test::harnessIniPath, "memoFont", "backcolor", "255");
  main.FormShow("kakipo.exe");
  EXPECT_EQ(form.bounds().width, 500);
  EXPECT_EQ(phrases.text(), "こんにちは");
  EXPECT_EQ(memo1.backgroundColour(), 255u);
}

// The file holds the size at 96 dpi, as Windows showed it to the program before it knew the
// display's scale, so a file written before opens the window as large as it was; the place is pixels.
TEST_F(MainFormTest, TheWindowsSizeIsStoredAt96DpiAndScaledToTheDisplay) {
  form.displayDpi = 144;
  main.FormShow("kakipo.exe");
  EXPECT_EQ(form.bounds(), (Rect{0, 0, 420, 570}));
  form.setBounds({10, 20, 423, 600});
  main.FormCloseQuery();
  for (const auto& [key, value] : {std::pair{"left", "10"}, {"top", "20"}, {"width", "282"}, {"height", "400"}})
    EXPECT_EQ(profile.readString(test::harnessIniPath, "form", key, "none"), value) << key;
  test::MainFormHarness again(&profile);
  again.form.displayDpi = 144;
  again.main.FormShow("kakipo.exe");
  EXPECT_EQ(again.form.bounds(), (Rect{10, 20, 423, 600}));
}

TEST_F(MainFormTest, KeysRunTheButtonsCommands) {
  using namespace modifier;
  main.FormShow("kakipo.exe");
  memo1.replaceSel("unsaved", true);
  h.fileDialogs.saveAnswers = {{false, "", 0}, {false, "", 0}};
  EXPECT_TRUE(main.FormKeyDown(vk::keyS, ctrl));  // untitled: overwrite-save asks for a name
  EXPECT_TRUE(main.FormKeyDown(vk::keyS, ctrl | shift));
  EXPECT_EQ(h.fileDialogs.saveSeeds.size(), 2u);
  EXPECT_TRUE(main.FormKeyDown(vk::keyN, ctrl | shift));
  EXPECT_EQ(form.instancesStarted, 1);
  EXPECT_TRUE(main.FormKeyDown(vk::f3, none));  // nothing searched yet: the Find dialog
  EXPECT_TRUE(main.FormKeyDown(vk::keyH, ctrl));
  EXPECT_EQ(h.searchDialogs.shown, (std::vector<SearchDialog>{SearchDialog::Find, SearchDialog::Replace}));
  EXPECT_TRUE(main.FormKeyDown(vk::f1, none));
  EXPECT_EQ(h.helpWindows.viewerShown, 1);
  EXPECT_EQ(h.helpWindows.aboutShown, 0);
  EXPECT_FALSE(main.FormKeyDown(vk::keyV, ctrl));
  EXPECT_EQ(memo1.text(), "unsaved");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(MainFormTest, DispatchShowsWhatAHandlerThrowsAndGoesOn) {
  main.FormShow("kakipo.exe");
  main.document.fnameSet("a.txt");
  main.dispatch([] { throw std::runtime_error("読めません"); });
  main.dispatch([] {});
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, "カキポ a.txt");
  EXPECT_EQ(ui.shown[0].text, "読めません.");
  EXPECT_EQ(ui.shown[0].flags, mb::ok | mb::iconError);
}

// A settings file that cannot be written keeps the window at the first close; from the second on,
// the user may close without it. The session's end never waits for it.
struct CloseRow {
  const char* name;
  int failFromWrite;                // 0: every write succeeds
  std::vector<CloseReason> closes;  // one close attempt each, in order
  std::deque<int> answers;          // to every box, the error boxes included
  std::vector<bool> closed;         // what each attempt answered
  std::vector<unsigned> boxes;      // the flags of every box shown, in order
};

struct SettingsCloseTest : MainFormTest, ::testing::WithParamInterface<CloseRow> {};

TEST_P(SettingsCloseTest, TheSecondFailureMayCloseAndTheSessionNeverWaits) {
  const CloseRow& r = GetParam();
  main.FormShow("kakipo.exe");
  profile.failFromWrite = r.failFromWrite;
  ui.answers = r.answers;
  std::vector<bool> closed;
  for (const CloseReason reason : r.closes) closed.push_back(main.FormCloseQuery(reason));
  EXPECT_EQ(closed, r.closed);
  std::vector<unsigned> boxes;
  for (const auto& box : ui.shown) boxes.push_back(box.flags);
  EXPECT_EQ(boxes, r.boxes);
  if (r.failFromWrite == 0) return;
  // Keys before the failing one are written and stay; the rest never are.
  EXPECT_EQ(profile.readString(test::harnessIniPath, "form", "left", "<missing>"), "0");
  EXPECT_EQ(profile.readString(test::harnessIniPath, "memoFont", "backcolor", "<missing>"), "<missing>");
  for (const auto& box : ui.shown) {
    if (box.flags == (mb::ok | mb::iconError)) continue;
    EXPECT_EQ(box.text, test::harnessIniPath + "\r\n\r\nに設定を書き込めませんでした。設定を保存しないで終了しますか？");
  }
}

constexpr int ok = mb::idOk;
constexpr unsigned errorBox = mb::ok | mb::iconError;
constexpr unsigned question = mb::yesNo | mb::iconQuestion | mb::defButton2;
const CloseReason user = CloseReason::User;
const CloseReason sessionEnd = CloseReason::SessionEnd;

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsCloseTest,
    ::testing::Values(CloseRow{"Written", 0, {user}, {}, {true}, {}},
                      CloseRow{"FirstFailureKeepsTheWindow", 2, {user}, {}, {false}, {errorBox}},
                      CloseRow{"SecondFailureAnsweredNoStays", 2, {user, user}, {ok, ok, mb::idNo}, {false, false},
                               {errorBox, errorBox, question}},
                      CloseRow{"SecondFailureAnsweredYesCloses", 2, {user, user}, {ok, ok, mb::idYes}, {false, true},
                               {errorBox, errorBox, question}},
                      CloseRow{"EveryLaterFailureAsksAgain", 2, {user, user, user}, {ok, ok, mb::idNo, ok, mb::idYes},
                               {false, false, true}, {errorBox, errorBox, question, errorBox, question}},
                      CloseRow{"SessionEndIsNeverRefused", 2, {sessionEnd}, {}, {true}, {}},
                      CloseRow{"SessionEndAfterAFailedClose", 2, {user, sessionEnd}, {}, {false, true}, {errorBox}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kakipo
