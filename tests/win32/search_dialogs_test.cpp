// Find and Replace through the real common dialogs under Wine: the test types into the dialog and
// presses its buttons with window messages; the dialog's notifications reach the commands through
// an owner window, as in the main window, and work on a real rich-edit control.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include "search/find_replace.h"
#include "support/scripted_ui.h"
#include "win32/control_ids.h"
#include "win32/encoding.h"
#include "win32/find_replace_dialogs.h"
#include "win32/rich_editor.h"

namespace kakipo::win32 {
namespace {

struct OwnerWindow : SearchWindow {
  void bringToFront() override { ++broughtToFront; }
  void activateEditor() override { ++editorActivated; }
  int broughtToFront = 0;
  int editorActivated = 0;
};

struct SearchDialogsTest;
SearchDialogsTest* current = nullptr;

LRESULT CALLBACK ownerProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l);

HWND makeOwner() {
  static ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ownerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KakipoSearchTestOwner";
    return RegisterClassW(&wc);
  }();
  (void)atom;
  return CreateWindowExW(0, L"KakipoSearchTestOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                         400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

struct SearchDialogsTest : ::testing::Test {
  HWND owner = makeOwner();
  win32::RichEditor memo{owner, 100, 10000000};
  test::ScriptedMessageBoxes ui;
  win32::FindReplaceDialogs dialogs{owner};
  OwnerWindow window;
  FindReplace commands{memo, ui, dialogs, window};
  std::vector<win32::SearchNotification> received;

  SearchDialogsTest() {
    current = this;
  }
  ~SearchDialogsTest() override {
    current = nullptr;
    DestroyWindow(owner);
  }

  // What the main window does with each notification.
  void notified(LPARAM l) {
    const auto n = dialogs.onFindMessage(l);
    received.push_back(n);
    switch (n.request) {
      case win32::SearchRequest::FindNext:
        if (n.dialog == SearchDialog::Find)
          commands.FindDialog1Find();
        else
          commands.ReplaceDialog1Find();
        break;
      case win32::SearchRequest::Replace:
      case win32::SearchRequest::ReplaceAll:
        commands.ReplaceDialog1Replace();
        break;
      default:
        break;
    }
  }

  HWND open(SearchDialog d) {
    d == SearchDialog::Find ? commands.tbtnFindClick() : commands.tbtnTikanClick();
    HWND h = dialogs.window(d);
    EXPECT_NE(h, nullptr);
    return h;
  }
  static void press(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }
};

LRESULT CALLBACK ownerProc(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == win32::FindReplaceDialogs::findMessage() && current) {
    current->notified(l);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, w, l);
}

TEST_F(SearchDialogsTest, FindNextSelectsMatchesBehindDoubleByteTextThenReportsTheEnd) {
  memo.loadText("日本語のテキスト abc\r\n表示 ABC");
  memo.setSelStart(0);
  HWND dlg = open(SearchDialog::Find);
  SetDlgItemTextW(dlg, edt1, L"abc");
  press(dlg, IDOK);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].request, win32::SearchRequest::FindNext);
  EXPECT_EQ(dialogs.options(SearchDialog::Find), fr::down | fr::findNext);
  EXPECT_EQ(memo.selStart(), 25);
  EXPECT_EQ(memo.selText(), "abc");
  press(dlg, IDOK);
  EXPECT_EQ(memo.selStart(), 37);
  EXPECT_EQ(memo.selText(), "ABC");
  press(dlg, IDOK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "abc\r\n\r\nは見つかりませんでした");
  EXPECT_EQ(memo.selStart(), 37);
}

TEST_F(SearchDialogsTest, FindDialogPassesUpAndMatchCase) {
  memo.loadText("表 abc ABC abc");
  memo.setSelStart(15);
  HWND dlg = open(SearchDialog::Find);
  SetDlgItemTextW(dlg, edt1, L"ABC");
  CheckRadioButton(dlg, rad1, rad2, rad1);
  CheckDlgButton(dlg, chx2, BST_CHECKED);
  press(dlg, IDOK);
  EXPECT_EQ(dialogs.options(SearchDialog::Find) & (fr::down | fr::matchCase), fr::matchCase);
  EXPECT_EQ(memo.selStart(), 8);
  EXPECT_EQ(memo.selLength(), 3);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SearchDialogsTest, ReplaceFindNextReplaceAndReplaceAllOnTheControl) {
  memo.loadText("メモ abc、abc。\r\nabc");
  memo.setSelStart(24);
  HWND dlg = open(SearchDialog::Replace);
  SetDlgItemTextW(dlg, edt1, L"abc");
  SetDlgItemTextW(dlg, edt2, L"漢字");
  press(dlg, IDOK);  // Find Next: from the start of the text, not from the caret
  EXPECT_EQ(memo.selStart(), 7);
  EXPECT_EQ(memo.selText(), "abc");
  press(dlg, psh1);  // Replace
  EXPECT_EQ(memo.text(), "メモ 漢字、abc。\r\nabc");
  EXPECT_EQ(memo.selStart(), 16);
  EXPECT_EQ(memo.selText(), "abc");
  ui.answers = {mb::idYes};
  press(dlg, psh2);  // Replace All
  EXPECT_EQ(memo.text(), "メモ 漢字、漢字。\r\n漢字");
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].flags, 308u);
  EXPECT_EQ(ui.shown[1].text, "置換文字列が見つかりませんでした");
  EXPECT_GT(window.broughtToFront, 0);
}

TEST_F(SearchDialogsTest, ClosingReportsAndTheDialogReopensWhereItWasLeft) {
  HWND dlg = open(SearchDialog::Find);
  SetWindowPos(dlg, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  press(dlg, IDCANCEL);
  ASSERT_FALSE(received.empty());
  EXPECT_EQ(received.back().request, win32::SearchRequest::Closing);
  EXPECT_EQ(dialogs.window(SearchDialog::Find), nullptr);
  dlg = open(SearchDialog::Find);
  RECT r;
  GetWindowRect(dlg, &r);
  EXPECT_EQ(r.left, 123);
  EXPECT_EQ(r.top, 77);
}

TEST_F(SearchDialogsTest, OpeningAnOpenDialogKeepsTheSameWindow) {
  HWND first = open(SearchDialog::Replace);
  HWND second = open(SearchDialog::Replace);
  EXPECT_EQ(first, second);
  EXPECT_NE(open(SearchDialog::Find), first);  // both may be open at once
}

// The texts come as they are, however long; the logic cuts what it searches for to 255 bytes.
TEST_F(SearchDialogsTest, LongTextsComeWhole) {
  HWND dlg = open(SearchDialog::Replace);
  std::wstring longText(200, L'x');
  longText += std::wstring(100, L'表');
  SetDlgItemTextW(dlg, edt1, longText.c_str());
  SetDlgItemTextW(dlg, edt2, longText.c_str());
  memo.loadText("x");
  press(dlg, IDOK);
  EXPECT_EQ(dialogs.findText(SearchDialog::Replace), narrow(longText));
  EXPECT_EQ(dialogs.replaceText(), narrow(longText));
}

// 鷗 is one character Shift_JIS cannot hold, 𠮷 a surrogate pair; the document's own "?" is a
// character of its own.
TEST_F(SearchDialogsTest, FindAndReplaceTheCharactersTypedEvenWhereShiftJisHasNone) {
  memo.loadText("a?b\u9DD7c\U00020BB7");
  memo.setSelStart(0);
  HWND dlg = open(SearchDialog::Find);
  SetDlgItemTextW(dlg, edt1, L"\u9DD7");
  press(dlg, IDOK);
  EXPECT_EQ(dialogs.findText(SearchDialog::Find), "\u9DD7");
  EXPECT_EQ(memo.selStart(), 3);
  EXPECT_EQ(memo.selLength(), 3);
  SetDlgItemTextW(dlg, edt1, L"\U00020BB7");
  press(dlg, IDOK);
  EXPECT_EQ(memo.selStart(), 7);
  EXPECT_EQ(memo.selLength(), 4);
  // "?" finds the document's own and none of the stand-ins.
  memo.setSelStart(0);
  SetDlgItemTextW(dlg, edt1, L"?");
  press(dlg, IDOK);
  EXPECT_EQ(memo.selStart(), 1);
  press(dlg, IDOK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(memo.selStart(), 1);

  memo.setSelStart(0);  // Replace All would begin with the selection, whatever it holds
  HWND replace = open(SearchDialog::Replace);
  SetDlgItemTextW(replace, edt1, L"\u9DD7");
  SetDlgItemTextW(replace, edt2, L"\U0001F600");
  ui.answers = {mb::idYes};
  press(replace, psh2);
  EXPECT_EQ(memo.text(), "a?b\U0001F600c\U00020BB7");
}

// The box the system's dialog lacks: it reaches the commands, which replace the text each match
// really has, and the dialog opens with it as the user left it.
TEST_F(SearchDialogsTest, FuzzyReplaceAllReplacesTheMatchedTextAndTheBoxStaysTicked) {
  memo.loadText("会議は３月〜４月、3月〜4月");
  HWND dlg = open(SearchDialog::Replace);
  SetDlgItemTextW(dlg, edt1, L"3月～4月");
  SetDlgItemTextW(dlg, edt2, L"X");
  SendDlgItemMessageW(dlg, ids::fuzzySearch, BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, chx2)));  // match case means nothing to it
  ui.answers = {mb::idYes};
  press(dlg, psh2);
  EXPECT_EQ(memo.text(), "会議はX、X");
  press(dlg, IDCANCEL);
  dlg = open(SearchDialog::Replace);
  EXPECT_EQ(IsDlgButtonChecked(dlg, ids::fuzzySearch), BST_CHECKED);
}

TEST(SearchOptionWord, TranslatesTheDialogFlags) {
  EXPECT_EQ(win32::optionWord(FR_DOWN), fr::down);
  EXPECT_EQ(win32::optionWord(FR_FINDNEXT | FR_MATCHCASE), fr::findNext | fr::matchCase);
  EXPECT_EQ(win32::optionWord(FR_REPLACE), fr::replace);
  EXPECT_EQ(win32::optionWord(FR_REPLACEALL | FR_DOWN), fr::replaceAll | fr::down);
  EXPECT_EQ(win32::optionWord(FR_WHOLEWORD), fr::wholeWord);
  EXPECT_EQ(win32::optionWord(FR_HIDEWHOLEWORD | FR_HIDEUPDOWN | FR_DIALOGTERM), 0u);
}

}  // namespace
}  // namespace kakipo::win32
