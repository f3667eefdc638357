// The rich-edit adapter keeps the text and the caret's place between reads; these check that every
// way the text or the lines change behind its back (typing, keys, the control's own paste and undo,
// a new width with wrap on) is seen by the next read, and that the parent hears of every change.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include "win32/rich_editor.h"

namespace kakipo::win32 {
namespace {

struct RichEditorReads : ::testing::Test {
  HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  RichEditor memo{host, 100, 10000000};
  ~RichEditorReads() override { DestroyWindow(host); }
  void type(const wchar_t* keys) {
    for (; *keys; ++keys) SendMessageW(memo.hwnd(), WM_CHAR, *keys, 1);
  }
};

TEST_F(RichEditorReads, TextAndOffsetsFollowWhatTheUserTypes) {
  memo.loadText("日本\r\nabc");
  EXPECT_EQ(memo.textLength(), 11);
  memo.setSelStart(11);
  type(L"表dx");
  SendMessageW(memo.hwnd(), WM_KEYDOWN, VK_BACK, 0);
  SendMessageW(memo.hwnd(), WM_CHAR, VK_BACK, 0);
  EXPECT_EQ(memo.text(), "日本\r\nabc表d");
  EXPECT_EQ(memo.caret(), (CaretPos{1, 7}));
  type(L"\xD83D\xDE00");
  EXPECT_EQ(memo.text(), "日本\r\nabc表d\U0001F600");
  EXPECT_EQ(memo.textLength(), 19);
  EXPECT_EQ(memo.caret(), (CaretPos{1, 11}));
  EXPECT_EQ(memo.caretLineHead(), "abc表d\U0001F600");
  // Same length, different text: undo of a typed character replaced by another.
  memo.setSelStart(0);
  memo.setSelLength(3);
  type(L"x");
  EXPECT_EQ(memo.text(), "x本\r\nabc表d\U0001F600");
  SendMessageW(memo.hwnd(), EM_UNDO, 0, 0);  // how much it takes back is the control's choice
  EXPECT_EQ(memo.text().substr(0, 11), "日本\r\nabc");
  EXPECT_EQ(memo.find("abc", 0, 100, false, true), 8);
}

TEST_F(RichEditorReads, CaretLineFollowsANewWrapWidth) {
  memo.loadText(std::string(200, 'a') + " " + std::string(200, 'b'));
  memo.setWordWrap(true);
  MoveWindow(memo.hwnd(), 0, 0, 300, 200, TRUE);
  memo.setSelStart(401);
  const CaretPos narrow = memo.caret();
  EXPECT_GT(narrow.line, 0);
  MoveWindow(memo.hwnd(), 0, 0, 5000, 200, TRUE);
  EXPECT_LT(memo.caret().line, narrow.line);
}

// Recovery hears of changes this way: the edits of an update, made with the control's events off,
// are told once at its end.
TEST_F(RichEditorReads, TheParentHearsOfTypingAndOfEditsInsideAnUpdate) {
  static int changes = 0;
  SetWindowSubclass(
      host,
      [](HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (msg == WM_COMMAND && LOWORD(w) == 100 && HIWORD(w) == EN_CHANGE) ++changes;
        return DefSubclassProc(h, msg, w, l);
      },
      1, 0);
  changes = 0;
  type(L"a");
  EXPECT_GT(changes, 0);
  changes = 0;
  memo.beginUpdate();
  memo.replaceSel("xyz");
  memo.replaceSel("w");
  EXPECT_EQ(changes, 0);
  memo.endUpdate();
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace kakipo::win32
