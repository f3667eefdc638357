// The program's keys through the real main window: a key as the message loop hands it over, with
// the modifiers held in the thread's key state, reaches the command before any control sees it.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "probe/box_answerer.h"
#include "probe/window_query.h"
#include "win32/main_window.h"
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {

using test::pump;

// A visible dialog of this thread that is not a message box (a common dialog), or null.
HWND commonDialog() {
  for (HWND h : probe::topLevelWindows()) {
    if (GetWindowThreadProcessId(h, nullptr) == GetCurrentThreadId() && probe::className(h) == L"#32770" &&
        IsWindowVisible(h) && !probe::isMessageBox(h))
      return h;
  }
  return nullptr;
}

struct KeysThroughTheWindow : ::testing::Test {
  MainWindow form{false};
  void SetUp() override {
    form.show("kakipo.exe", SW_SHOWNOACTIVATE);
    pump();
  }
  void TearDown() override {
    if (HWND dialog = commonDialog()) SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
  // The key as the message loop would take it from the queue for target, the modifiers held.
  bool press(HWND target, int key, std::initializer_list<int> held = {}) {
    BYTE keys[256];
    GetKeyboardState(keys);
    for (int k : held) keys[k] = 0x80;
    SetKeyboardState(keys);
    MSG msg{target, WM_KEYDOWN, static_cast<WPARAM>(key), 1};
    const bool taken = form.preTranslate(msg);
    for (int k : held) keys[k] = 0;
    SetKeyboardState(keys);
    return taken;
  }
};

// Cancels the Save dialog from a timer once it is up, noting that it was.
bool saveDialogSeen = false;
void CALLBACK cancelSaveDialog(HWND, UINT, UINT_PTR id, DWORD) {
  if (HWND dialog = commonDialog()) {
    KillTimer(nullptr, id);
    saveDialogSeen = GetDlgItem(dialog, IDOK) != nullptr;
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  }
}

TEST_F(KeysThroughTheWindow, CtrlSOnAModifiedUntitledDocumentOpensTheSaveDialog) {
  form.memo1().replaceSel("メモ", true);
  ASSERT_TRUE(form.memo1().modified());
  saveDialogSeen = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, cancelSaveDialog);
  EXPECT_TRUE(press(form.memo1().hwnd(), 'S', {VK_CONTROL}));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(saveDialogSeen);
  EXPECT_EQ(form.memo1().text(), "メモ");  // the key never reached the editor
  EXPECT_TRUE(form.memo1().modified());
}

TEST_F(KeysThroughTheWindow, F3FindsTheNextMatchOfTheFindDialogsSearch) {
  probe::MessageBoxAnswerer boxes;
  form.memo1().loadText("abc 表 abc 表 abc");
  form.memo1().setSelStart(0);
  // Ctrl+F from the phrase box's edit field, as from anywhere in the window.
  ASSERT_TRUE(press(GetWindow(form.comboBox(), GW_CHILD), 'F', {VK_CONTROL}));
  const HWND find = commonDialog();
  ASSERT_NE(find, nullptr);
  SetDlgItemTextW(find, edt1, L"abc");
  SendMessageW(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(find, IDOK)));
  EXPECT_EQ(form.memo1().selStart(), 0);
  SendMessageW(find, WM_COMMAND, IDCANCEL, 0);
  pump();
  EXPECT_TRUE(press(form.memo1().hwnd(), VK_F3));
  EXPECT_EQ(form.memo1().selStart(), 8);
  EXPECT_EQ(form.memo1().selText(), "abc");
  EXPECT_TRUE(press(form.memo1().hwnd(), VK_F3, {VK_SHIFT}));
  EXPECT_EQ(form.memo1().selStart(), 0);
  EXPECT_EQ(commonDialog(), nullptr);
  EXPECT_TRUE(boxes.shown().empty());
  // Keys the program does not take go on to the control.
  EXPECT_FALSE(press(form.memo1().hwnd(), 'A', {VK_CONTROL}));
  EXPECT_FALSE(press(form.memo1().hwnd(), VK_F3, {VK_MENU}));
}

TEST_F(KeysThroughTheWindow, ASearchThatIsNotThereIsQuotedExactly) {
  probe::MessageBoxAnswerer boxes;
  form.memo1().loadText("森鴎外");
  ASSERT_TRUE(press(form.memo1().hwnd(), 'F', {VK_CONTROL}));
  const HWND find = commonDialog();
  ASSERT_NE(find, nullptr);
  SetDlgItemTextW(find, edt1, L"鷗外");  // 鷗 has no CP932 code; the document's 鴎 is another character
  SendMessageW(find, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(find, IDOK)));
  SendMessageW(find, WM_COMMAND, IDCANCEL, 0);
  pump();
  EXPECT_TRUE(press(form.memo1().hwnd(), VK_F3));
  ASSERT_EQ(boxes.shown().size(), 2u);
  const std::wstring quoted = L"鷗外\r\n\r\nは見つかりませんでした";
  for (const auto& box : boxes.shown()) EXPECT_EQ(box.text, quoted);
}

// Answers the go-to-line dialog from a timer: "x" first, then line 50 as a Japanese input method
// types it.
int goToLineTicks = 0;
void CALLBACK answerGoToLine(HWND, UINT, UINT_PTR, DWORD) {
  if (const HWND dialog = commonDialog()) {
    SetDlgItemTextW(dialog, ids::goToLineBox, goToLineTicks++ ? L"\uFF15\uFF10" : L"x");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
}

TEST_F(KeysThroughTheWindow, CtrlGRefusesWhatIsNoNumberThenPutsTheCaretAtTheLine) {
  probe::MessageBoxAnswerer boxes;
  std::string text;
  for (int i = 1; i <= 60; ++i) text += "line\r\n";
  form.memo1().loadText(text);
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, answerGoToLine);
  EXPECT_TRUE(press(form.memo1().hwnd(), 'G', {VK_CONTROL}));
  KillTimer(nullptr, timer);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, L"行番号は数字で入れてね");
  EXPECT_EQ(form.memo1().caret(), (CaretPos{49, 0}));
  EXPECT_GT(form.memo1().firstVisibleLine(), 30) << "scrolled into view";
}

TEST_F(KeysThroughTheWindow, CtrlWithTheWheelZoomsByTheProgramsStepsAndCtrl0GoesBack) {
  const HWND memo = form.memo1().hwnd();
  int num = 0, den = 0;
  SendMessageW(memo, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 2 * WHEEL_DELTA), MAKELPARAM(10, 10));
  SendMessageW(memo, EM_GETZOOM, reinterpret_cast<WPARAM>(&num), reinterpret_cast<LPARAM>(&den));
  EXPECT_EQ(std::pair(num, den), std::pair(120, 100));
  EXPECT_TRUE(press(memo, '0', {VK_CONTROL}));
  SendMessageW(memo, EM_GETZOOM, reinterpret_cast<WPARAM>(&num), reinterpret_cast<LPARAM>(&den));
  EXPECT_EQ(std::pair(num, den), std::pair(0, 0)) << "100 %: the control's zoom off";
}

// Wine's dialog clears the direction in the structure at every command of its own (text typed in
// its box) and closes on Cancel without putting it back.
TEST_F(KeysThroughTheWindow, TheFindDialogOpensWithTheDirectionLeftAlsoAfterCancel) {
  const auto reopen = [&] {
    EXPECT_TRUE(press(form.memo1().hwnd(), 'F', {VK_CONTROL}));
    return commonDialog();
  };
  HWND find = reopen();
  ASSERT_NE(find, nullptr);
  SetDlgItemTextW(find, edt1, L"abc");
  SendMessageW(find, WM_COMMAND, IDCANCEL, 0);
  ASSERT_NE(find = reopen(), nullptr);
  EXPECT_EQ(IsDlgButtonChecked(find, rad2), BST_CHECKED) << "down, as at first";
  SendDlgItemMessageW(find, rad1, BM_CLICK, 0, 0);
  SendMessageW(find, WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(IsDlgButtonChecked(reopen(), rad1), BST_CHECKED) << "up, as the user left it";
}

}  // namespace
}  // namespace kakipo::win32
