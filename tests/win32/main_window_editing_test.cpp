// The editing commands through the real main window: its context menu, the paste keys as the
// control reports them, and the date stamp in the user's regional formats.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win32/encoding.h"
#include "win32/main_window.h"
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {

using test::pump;

void putOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(mem)));
  GlobalUnlock(mem);
  SetClipboardData(CF_UNICODETEXT, mem);
  CloseClipboard();
}

void holdKey(int vk, bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[vk] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

struct EditingThroughTheWindow : ::testing::Test {
  MainWindow form{false};
  void SetUp() override {
    form.show("kakipo.exe", SW_SHOWNOACTIVATE);
    pump();
    form.memo1().loadText("前後");
    form.memo1().setSelStart(3);
  }
  void TearDown() override { holdKey(VK_CONTROL, false); }
  void menu(int item) { SendMessageW(form.hwnd(), WM_COMMAND, ids::firstPopup + item, 0); }
};

TEST_F(EditingThroughTheWindow, MenuPastesTheClipboardAtTheCaret) {
  putOnClipboard(form.hwnd(), L"貼る text");
  menu(2);  // 貼り付け
  EXPECT_EQ(form.memo1().text(), "前貼る text後");
  menu(0);  // 元に戻す
  EXPECT_EQ(form.memo1().text(), "前後");
}

TEST_F(EditingThroughTheWindow, CtrlVPastesOnceThroughTheControl) {
  putOnClipboard(form.hwnd(), L"ｶﾅ");
  holdKey(VK_CONTROL, true);
  SendMessageW(form.memo1().hwnd(), WM_KEYDOWN, 'V', 0);
  holdKey(VK_CONTROL, false);
  pump();
  EXPECT_EQ(form.memo1().text(), "前ｶﾅ後");
}

TEST_F(EditingThroughTheWindow, QuoteMarkersFromTheMenu) {
  form.memo1().loadText("one\r\ntwo\r\nthree");
  form.memo1().setSelStart(0);
  form.memo1().setSelLength(8);  // into the second line
  menu(6);
  EXPECT_EQ(form.memo1().text(), ">one\r\n>two\r\nthree");
  form.memo1().setSelStart(0);
  form.memo1().setSelLength(9);
  menu(7);
  EXPECT_EQ(form.memo1().text(), "one\r\ntwo\r\nthree");
}

// Each marker is an undo step of the control's; Ctrl+Z (and the character it types) and redo take all.
TEST_F(EditingThroughTheWindow, CtrlZTakesBackTheQuoteMarkersWholeAndRedoBringsThemBack) {
  form.memo1().loadText("one\r\ntwo\r\nthree");
  form.memo1().selectAll();
  menu(popInyofIn);
  holdKey(VK_CONTROL, true);
  PostMessageW(form.memo1().hwnd(), WM_KEYDOWN, 'Z', 0);
  pump();  // TearDown lets go of Ctrl
  EXPECT_EQ(form.memo1().text(), "one\r\ntwo\r\nthree");
  menu(popRedo);
  EXPECT_EQ(form.memo1().text(), ">one\r\n>two\r\n>three");
}

// The control keeps a conversion as one step of its own undo, and each character its format.
TEST_F(EditingThroughTheWindow, ConversionFromTheMenuIsOneUndoStepAndKeepsFormats) {
  auto& memo = form.memo1();
  const auto boldAt = [&](int at) {
    memo.setSelStart(at);
    memo.setSelLength(1);
    return memo.selectionFormat().style.bold;
  };
  memo.loadText("ﾃｽﾄABCｶﾞ!");
  Font bold = memo.selectionFormat();
  bold.style.bold = true;
  boldAt(9);  // A
  memo.setSelectionFormat(bold);
  memo.selectAll();
  menu(popZenkaku);
  menu(popHiragana);
  EXPECT_EQ(memo.text(), "てすとＡＢＣが！");
  menu(popUndo);
  EXPECT_EQ(memo.text(), "テストＡＢＣガ！");
  EXPECT_TRUE(boldAt(9));
  EXPECT_FALSE(boldAt(12));
}

// So many places that the document is rebuilt: the keyboard's undo still takes it back.
TEST_F(EditingThroughTheWindow, CtrlZUndoesAConversionOfManyPlaces) {
  const std::string many(600, 'a');
  form.memo1().loadText(many);
  form.memo1().selectAll();
  menu(popZenkaku);
  EXPECT_EQ(form.memo1().text().substr(0, 6), "ａａ");
  holdKey(VK_CONTROL, true);
  SendMessageW(form.memo1().hwnd(), WM_KEYDOWN, 'Z', 0);
  holdKey(VK_CONTROL, false);
  pump();
  EXPECT_EQ(form.memo1().text(), many);
}

TEST_F(EditingThroughTheWindow, DoubleClickOnTheStatusBarStampsTheRegionalDate) {
  wchar_t date[128] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128);
  NMMOUSE click{};
  click.hdr.hwndFrom = form.statusBar();
  click.hdr.idFrom = ids::statusBar;
  click.hdr.code = NM_DBLCLK;
  SendMessageW(form.hwnd(), WM_NOTIFY, ids::statusBar, reinterpret_cast<LPARAM>(&click));
  const std::string text = form.memo1().text();
  EXPECT_EQ(text.rfind("前", 0), 0u);
  EXPECT_NE(text.find(narrow(date)), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 3), "後");
}

TEST_F(EditingThroughTheWindow, TickShowsTheCaretInTheStatusBar) {
  form.memo1().loadText("ab\r\nあいう");
  form.memo1().setSelStart(10);
  SendMessageW(form.hwnd(), WM_TIMER, ids::timerGyoRet, 0);
  wchar_t panel[64] = {};
  SendMessageW(form.statusBar(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, L"2 : 5");  // line and byte column, both from 1
}

}  // namespace
}  // namespace kakipo::win32
