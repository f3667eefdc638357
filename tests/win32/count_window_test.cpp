// The count window through the real main window: the control's own change and selection
// notifications (a new document among them) reach the counts, the adapter's ranges are counted,
// and the window and the status bar show them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "win32/main_window.h"
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {

using test::pump;
using test::windowText;

TEST(CountWindowThroughTheMainWindow, ShowsTheSelectionsCountsAndFollowsThem) {
  MainWindow form{false};
  form.show("kakipo.exe", SW_SHOWNOACTIVATE);
  pump();
  const auto tick = [&] { SendMessageW(form.hwnd(), WM_TIMER, ids::timerGyoRet, 0); };
  tick();
  form.memo1().loadText("日本語 ABC\r\nｶﾅ　。𠮷");  // a new document is counted anew
  tick();
  wchar_t panel[64] = {};
  SendMessageW(form.statusBar(), SB_GETTEXTW, 3, reinterpret_cast<LPARAM>(panel));
  EXPECT_STREQ(panel, L"12 文字");
  form.memo1().setSelStart(0);
  form.memo1().setSelLength(13);
  SendMessageW(form.hwnd(), WM_COMMAND, ids::countWindow, 0);  // the status bar menu's item
  const auto shown = [&] {
    const CountWindow& w = form.countWindow();
    std::array<std::wstring, 6> texts{windowText(w.scopeLine())};
    for (int row = 0; row < 5; ++row) texts[row + 1] = windowText(w.value(row));
    return texts;
  };
  tick();
  ASSERT_TRUE(IsWindowVisible(form.countWindow().hwnd()));
  EXPECT_EQ(windowText(form.countWindow().hwnd()), L"文字数");
  EXPECT_EQ(shown(), (std::array<std::wstring, 6>{L"選択範囲", L"7", L"6", L"10", L"1", L"1 枚（最後は 1 行）"}));
  form.memo1().selectAll();
  tick();
  EXPECT_EQ(shown(), (std::array<std::wstring, 6>{L"選択範囲", L"12", L"10", L"18", L"2", L"1 枚（最後は 2 行）"}));
  SendMessageW(form.memo1().hwnd(), WM_CHAR, L'あ', 1);  // typed over the selection
  tick();
  EXPECT_EQ(shown(), (std::array<std::wstring, 6>{L"文書全体", L"1", L"1", L"2", L"1", L"1 枚（最後は 1 行）"}));
  SendMessageW(form.countWindow().hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(form.countWindow().countWindowOpen());
}

}  // namespace
}  // namespace kakipo::win32
