#include "win32/progress_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {
using test::pump;
using test::windowText;
using test::windowRect;
using test::clientRect;

// A child's rectangle in its parent's client coordinates.
RECT childRect(HWND child) {
  RECT r = windowRect(child);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The pixels of a window as they are on the screen now.
std::vector<COLORREF> pixels(HWND h) {
  const RECT r = clientRect(h);
  HDC dc = GetDC(h);
  std::vector<COLORREF> out;
  for (int y = 0; y < r.bottom; y += 2) {
    for (int x = 0; x < r.right; x += 2) out.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(h, dc);
  return out;
}

// The clip moves on its own thread while this one does nothing but wait, as a caller's load does.
bool animates(HWND animation) {
  const auto first = pixels(animation);
  for (int i = 0; i < 20; ++i) {
    Sleep(100);
    if (pixels(animation) != first) return true;
  }
  return false;
}

struct ProgressDialogTest : ::testing::Test {
  ProgressDialogWindow dialog;
  void TearDown() override { dialog.sinkouSyuryo(); }
};

TEST_F(ProgressDialogTest, DocumentLoadShowsCentredWithClipBarAndCancel) {
  ASSERT_TRUE(dialog.sinkouHyoj(true, "メモ.txtを開いています しばらく待っててね", 0, 1, 2));
  pump();
  const HWND h = dialog.window();
  ASSERT_TRUE(h);
  EXPECT_EQ(FindWindowW(L"TDlgSinkou", nullptr), h);
  EXPECT_TRUE(IsWindowVisible(h));
  EXPECT_EQ(windowText(h), L"メモ.txtを開いています しばらく待っててね");
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_FALSE(style & WS_SYSMENU) << "no title-bar buttons";
  EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";

  const RECT client = clientRect(h);
  EXPECT_EQ(client.right, 312);
  EXPECT_EQ(client.bottom, 135);
  const RECT outer = windowRect(h);
  EXPECT_LE(std::abs((outer.left + outer.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
  EXPECT_LE(std::abs((outer.top + outer.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);

  const RECT bar = childRect(dialog.bar());
  EXPECT_EQ(bar.left, 8);
  EXPECT_EQ(bar.top, 81);
  EXPECT_EQ(bar.right - bar.left, 294);
  EXPECT_EQ(bar.bottom - bar.top, 17);
  PBRANGE range{};
  SendMessageW(dialog.bar(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 1);
  EXPECT_EQ(SendMessageW(dialog.bar(), PBM_GETPOS, 0, 0), 0);

  const RECT button = childRect(dialog.button());
  EXPECT_EQ(button.left, 70);
  EXPECT_EQ(button.top, 105);
  EXPECT_EQ(button.right - button.left, 180);
  EXPECT_EQ(button.bottom - button.top, 25);
  EXPECT_TRUE(IsWindowEnabled(dialog.button()));
  EXPECT_EQ(windowText(dialog.button()), L"ｷｬﾝｾﾙ (ｽﾍﾟｰｽ or ﾘﾀｰﾝｷｰ)");

  EXPECT_EQ(dialog.clip(), ProgressDialogWindow::Clip::Own) << "under Wine the search clip is our own";
  const RECT anim = childRect(dialog.animation());
  EXPECT_EQ(anim.left, 0);
  EXPECT_EQ(anim.top, 13);
  EXPECT_EQ(anim.right - anim.left, 272) << "the control takes the clip's size";
  EXPECT_EQ(anim.bottom - anim.top, 60);
  EXPECT_TRUE(animates(dialog.animation()));
}

TEST_F(ProgressDialogTest, OurOwnSearchClipPlaysWhereTheShellHasNone) {
  dialog.setClipLibrary(GetModuleHandleW(L"kernel32.dll"));
  ASSERT_TRUE(dialog.sinkouHyoj(true, "x", 0, 1, 2));
  EXPECT_EQ(dialog.clip(), ProgressDialogWindow::Clip::Own);
  const RECT anim = childRect(dialog.animation());
  EXPECT_EQ(anim.left, 0);
  EXPECT_EQ(anim.top, 13);
  EXPECT_EQ(anim.right - anim.left, 272);
  EXPECT_EQ(anim.bottom - anim.top, 60);
  EXPECT_TRUE(animates(dialog.animation()));
  dialog.sinkouSyuryo();

  // The other clips are the shell's alone: no clip, but the strip stays.
  ASSERT_TRUE(dialog.sinkouHyoj(true, "x", 0, 1, 4));
  EXPECT_EQ(dialog.clip(), ProgressDialogWindow::Clip::None);
  EXPECT_EQ(clientRect(dialog.window()).bottom, 135);
}

TEST_F(ProgressDialogTest, LargePasteTakesTheButtonRowAway) {
  ASSERT_TRUE(dialog.sinkouHyoj(true, "x", 0, 1, 2));
  const int fullHeight = windowRect(dialog.window()).bottom - windowRect(dialog.window()).top;
  dialog.sinkouSyuryo();

  ASSERT_TRUE(dialog.sinkouHyoj(false, "貼り付け中 しばらくお待ちください", 0, 1, 2));
  const HWND h = dialog.window();
  EXPECT_EQ(windowRect(h).bottom - windowRect(h).top, fullHeight - 30);
  EXPECT_EQ(clientRect(h).bottom, 105);
  EXPECT_FALSE(IsWindowEnabled(dialog.button()));
  EXPECT_GE(childRect(dialog.button()).top, clientRect(h).bottom) << "the button is out of sight";
  EXPECT_EQ(childRect(dialog.bar()).top, 81);
  EXPECT_NE(dialog.clip(), ProgressDialogWindow::Clip::None);
}

TEST_F(ProgressDialogTest, KindZeroWithoutCancelIsNinetyPixelsShorterWithTheBarHigher) {
  ASSERT_TRUE(dialog.sinkouHyoj(true, "x", 0, 1, 2));
  const int fullHeight = windowRect(dialog.window()).bottom - windowRect(dialog.window()).top;
  dialog.sinkouSyuryo();

  ASSERT_TRUE(dialog.sinkouHyoj(false, "x", 5, 50, 0));
  const HWND h = dialog.window();
  EXPECT_EQ(windowRect(h).bottom - windowRect(h).top, fullHeight - 90);
  EXPECT_EQ(childRect(dialog.bar()).top, 21);
  EXPECT_EQ(childRect(dialog.button()).top, 45);
  EXPECT_EQ(dialog.clip(), ProgressDialogWindow::Clip::None);
  PBRANGE range{};
  SendMessageW(dialog.bar(), PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(range.iLow, 5);
  EXPECT_EQ(range.iHigh, 50);
  EXPECT_EQ(SendMessageW(dialog.bar(), PBM_GETPOS, 0, 0), 5);
}

TEST_F(ProgressDialogTest, ASecondShowIsRefusedAndChangesNothing) {
  ASSERT_TRUE(dialog.sinkouHyoj(true, "first", 0, 1, 2));
  const HWND first = dialog.window();
  ProgressDialogWindow other;
  EXPECT_FALSE(other.sinkouHyoj(false, "second", 0, 9, 0));
  EXPECT_FALSE(other.window());
  EXPECT_FALSE(dialog.sinkouHyoj(false, "second", 0, 9, 0));
  EXPECT_EQ(dialog.window(), first);
  EXPECT_EQ(windowText(first), L"first");
  EXPECT_TRUE(IsWindowEnabled(dialog.button()));
  other.sinkouSyuryo();
  EXPECT_TRUE(IsWindow(first)) << "a close without a dialog of its own does nothing";
}

TEST_F(ProgressDialogTest, CancelSetsTheFlagKeepsTheDialogAndTheNextShowClearsIt) {
  EXPECT_FALSE(dialog.cancelRequested());
  ASSERT_TRUE(dialog.sinkouHyoj(true, "x", 0, 1, 2));
  SendMessageW(dialog.button(), BM_CLICK, 0, 0);
  EXPECT_TRUE(dialog.cancelRequested());
  EXPECT_TRUE(IsWindow(dialog.window()));
  SendMessageW(dialog.button(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(dialog.cancelRequested());
  SendMessageW(dialog.window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(dialog.window())) << "only sinkouSyuryo closes it";

  dialog.sinkouSyuryo();
  EXPECT_FALSE(dialog.window());
  EXPECT_FALSE(FindWindowW(L"TDlgSinkou", nullptr));
  EXPECT_TRUE(dialog.cancelRequested()) << "closing keeps the flag";
  dialog.sinkouSyuryo();  // nothing open: nothing happens

  ASSERT_TRUE(dialog.sinkouHyoj(true, "x", 0, 1, 2));
  EXPECT_FALSE(dialog.cancelRequested());
}

TEST(ProgressDialogOwner, KeepsTheFocusWhereTheUserLeftIt) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(owner);
  SetFocus(edit);
  pump();
  ASSERT_EQ(GetFocus(), edit);
  {
    ProgressDialogWindow dialog(owner);
    ASSERT_TRUE(dialog.sinkouHyoj(true, "x", 0, 1, 2));
    pump();
    EXPECT_EQ(GetWindow(dialog.window(), GW_OWNER), owner);
    EXPECT_TRUE(IsWindowVisible(dialog.window()));
    dialog.sinkouSyuryo();
    pump();
  }
  EXPECT_EQ(GetFocus(), edit);
  DestroyWindow(owner);
}

TEST(ProgressDialogOfAnotherInstance, KeepsOursFromShowingAndIsLeftAlone) {
  // The other instance's dialog comes from the tools program built beside this one.
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring tools = self;
  tools = tools.substr(0, tools.find_last_of(L"\\/") + 1) + L"kakipo_tools.exe";
  std::wstring commandLine = L"\"" + tools + L"\" show-progress";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const BOOL started =
      CreateProcessW(tools.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
  ASSERT_TRUE(started);

  // Wait until the other dialog is fully up: the window exists before its caption is set.
  HWND foreign = nullptr;
  for (int i = 0; i < 600 && !(foreign && windowText(foreign) == L"other instance"); ++i) {
    Sleep(50);
    foreign = FindWindowW(L"TDlgSinkou", nullptr);
  }
  ASSERT_TRUE(foreign) << "the other process never showed its dialog";
  DWORD owner = 0;
  GetWindowThreadProcessId(foreign, &owner);
  EXPECT_EQ(owner, pi.dwProcessId);

  ProgressDialogWindow dialog;
  EXPECT_FALSE(dialog.sinkouHyoj(true, "ours", 0, 1, 2));
  EXPECT_FALSE(dialog.window());
  dialog.sinkouSyuryo();
  EXPECT_TRUE(IsWindow(foreign));
  EXPECT_EQ(windowText(foreign), L"other instance");

  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

}  // namespace
}  // namespace kakipo::win32
