#include "win32/main_window.h"

#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"
#include "win32/encoding.h"
#include "win32/single_instance.h"
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {
using test::pump;
using test::windowText;
using test::windowRect;




struct MainWindowTest : ::testing::Test {
  MainWindow form{false};
  void SetUp() override {
    form.show("kakipo.exe", SW_SHOWNOACTIVATE);
    pump();
  }
  std::wstring tooltipOf(int button) {
    NMTTDISPINFOW di{};
    di.hdr.hwndFrom = nullptr;
    di.hdr.idFrom = static_cast<UINT_PTR>(ids::firstButton + button);
    di.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(form.hwnd(), WM_NOTIFY, di.hdr.idFrom, reinterpret_cast<LPARAM>(&di));
    return di.lpszText ? di.lpszText : L"";
  }
};

TEST_F(MainWindowTest, FirstStartShowsTitleSizeAndPhraseBox) {
  EXPECT_EQ(windowText(form.hwnd()), L"カキポ ");
  wchar_t cls[64];
  GetClassNameW(form.hwnd(), cls, 64);
  EXPECT_STREQ(cls, L"TForm1");
  const RECT r = windowRect(form.hwnd());
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right - r.left, 280);
  EXPECT_EQ(r.bottom - r.top, 380);
  EXPECT_EQ(windowText(form.comboBox()), L"Hi EveryOne,");
  EXPECT_EQ(SendMessageW(form.comboBox(), CB_GETCOUNT, 0, 0), 10);
  EXPECT_EQ(SendMessageW(form.comboBox(), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(MainWindowTest, TenButtonsWithTheirTooltips) {
  ASSERT_EQ(SendMessageW(form.toolBar(), TB_BUTTONCOUNT, 0, 0), 10);
  const wchar_t* expected[10] = {L"新規ファイル作成（右クリック：もう一つカキポ起動）", L"ファイルを開く（右クリック：履歴）",
                                 L"名前をつけて保存", L"上書き保存 ", L"フォント変更（右クリック：背景色変更）",
                                 L"次回ファイルを開く時のフォント", L"ワードラップON/OFF", L"文字列検索",
                                 L"文字列置換", L"バージョン＆ヘルプ"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(tooltipOf(i), expected[i]) << i;
  // Only the word-wrap button toggles, and it starts up (wrap off).
  TBBUTTONINFOW info{sizeof info};
  info.dwMask = TBIF_STYLE;
  SendMessageW(form.toolBar(), TB_GETBUTTONINFOW, ids::firstButton + tbtnWrap, reinterpret_cast<LPARAM>(&info));
  EXPECT_TRUE(info.fsStyle & BTNS_CHECK);
  EXPECT_FALSE(form.wrapButtonDown());
}

TEST_F(MainWindowTest, OverwriteHintNamesTheCurrentFile) {
  form.logic().document.fnameSet("C:\\メモ\\買い物.txt");
  EXPECT_EQ(tooltipOf(tbtnUwagaki), L"上書き保存 買い物.txt");
  EXPECT_EQ(windowText(form.hwnd()), L"カキポ C:\\メモ\\買い物.txt");
}

TEST_F(MainWindowTest, AlwaysOnTopFromTheSystemMenuWithItsCheckMark) {
  const auto topmost = [&] { return (GetWindowLongW(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  const auto checked = [&] { return GetMenuState(GetSystemMenu(form.hwnd(), FALSE), 1005, 0) & MF_CHECKED; };
  SendMessageW(form.hwnd(), WM_SYSCOMMAND, 1005, 0);
  EXPECT_TRUE(topmost() && checked());
  SendMessageW(form.hwnd(), WM_SYSCOMMAND, 1005, 0);
  EXPECT_FALSE(topmost() || checked());
}

TEST_F(MainWindowTest, SystemMenuHasTheBarToggles) {
  HMENU menu = GetSystemMenu(form.hwnd(), FALSE);
  wchar_t buf[128];
  ASSERT_GT(GetMenuStringW(menu, 1001, buf, 128, MF_BYCOMMAND), 0);
  EXPECT_STREQ(buf, L"ボタンバー表示ON/OFF(&B)");
  ASSERT_GT(GetMenuStringW(menu, 1002, buf, 128, MF_BYCOMMAND), 0);
  EXPECT_STREQ(buf, L"定型文ボックス表示ON/OFF(&T)");
  ASSERT_GT(GetMenuStringW(menu, 1003, buf, 128, MF_BYCOMMAND), 0);
  EXPECT_STREQ(buf, L"ステータスバー表示ON/OFF(&U)");
}

TEST_F(MainWindowTest, HidingBarsGivesTheEditorTheirSpace) {
  const RECT before = windowRect(form.memo1().hwnd());
  SendMessageW(form.hwnd(), WM_SYSCOMMAND, 1001, 0);
  pump();
  const RECT noButtons = windowRect(form.memo1().hwnd());
  EXPECT_LT(noButtons.top, before.top);
  EXPECT_EQ(noButtons.bottom, before.bottom);
  SendMessageW(form.hwnd(), WM_SYSCOMMAND, 1002, 0);
  pump();
  const RECT noBars = windowRect(form.memo1().hwnd());
  EXPECT_LT(noBars.top, noButtons.top);
  SendMessageW(form.hwnd(), WM_SYSCOMMAND, 1003, 0);
  pump();
  EXPECT_FALSE(IsWindowVisible(form.statusBar()));
  EXPECT_GT(windowRect(form.memo1().hwnd()).bottom, before.bottom);
  for (int id : {1001, 1002, 1003}) SendMessageW(form.hwnd(), WM_SYSCOMMAND, id, 0);
  pump();
  const RECT again = windowRect(form.memo1().hwnd());
  EXPECT_EQ(again.top, before.top);
  EXPECT_EQ(again.bottom, before.bottom);
}

TEST_F(MainWindowTest, HandlerErrorsReachTheErrorBoxAndTheWindowGoesOn) {
  // The box is modal; close it from a timer as a user would press OK.
  static std::wstring seenText, seenCaption;
  SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    HWND box = FindWindowW(L"#32770", nullptr);
    if (!box) return;
    seenCaption = windowText(box);
    HWND label = GetDlgItem(box, 0xFFFF);
    seenText = label ? windowText(label) : L"";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  form.logic().dispatch([] { throw Error("ファイルが見つかりません"); });
  EXPECT_EQ(seenCaption, L"カキポ ");
  EXPECT_EQ(seenText, L"ファイルが見つかりません.");
  EXPECT_TRUE(IsWindow(form.hwnd()));
}

TEST(Instances, SecondInstanceSeesTheMutex) {
  {
    const SingleInstance first;
    EXPECT_FALSE(first.anotherInstanceRuns());
    const SingleInstance second;
    EXPECT_TRUE(second.anotherInstanceRuns());
  }
  EXPECT_FALSE(SingleInstance().anotherInstanceRuns());
}

std::wstring besideTests(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L"\\/") + 1) + name;
}

HWND otherMainWindow(HWND mine) {
  HWND found = nullptr;
  for (int i = 0; i < 100 && !found; ++i) {
    for (HWND h = FindWindowW(L"TForm1", nullptr); h; h = FindWindowExW(nullptr, h, L"TForm1", nullptr))
      if (h != mine && IsWindowVisible(h)) found = h;
    if (!found) Sleep(100);
  }
  return found;
}

TEST_F(MainWindowTest, RightClickOnNewStartsAnotherInstance) {
  form.setProgramPath(besideTests(L"kakipo.exe"));
  NMMOUSE click{};
  click.hdr.hwndFrom = form.toolBar();
  click.hdr.idFrom = ids::toolBar;
  click.hdr.code = NM_RCLICK;
  click.dwItemSpec = ids::firstButton + tbtnNew;
  SendMessageW(form.hwnd(), WM_NOTIFY, ids::toolBar, reinterpret_cast<LPARAM>(&click));
  HWND other = otherMainWindow(form.hwnd());
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(windowText(other), L"カキポ ");
  EXPECT_EQ(windowText(form.hwnd()), L"カキポ ");
  DWORD pid = 0;
  GetWindowThreadProcessId(other, &pid);
  EXPECT_NE(pid, GetCurrentProcessId());
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  PostMessageW(other, WM_CLOSE, 0, 0);
  if (process) {
    EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0);
    CloseHandle(process);
  }
}

}  // namespace
}  // namespace kakipo::win32

namespace kakipo::win32 {
namespace {

TEST_F(MainWindowTest, ButtonBarFloatsWhenDraggedOutAndDocksBack) {
  const RECT before = windowRect(form.memo1().hwnd());
  SetCursorPos(500, 700);  // well below the bar
  NMREBAR drag{};
  drag.hdr.hwndFrom = form.coolBar();
  drag.hdr.idFrom = ids::coolBar;
  drag.hdr.code = RBN_ENDDRAG;
  drag.wID = 0;
  SendMessageW(form.hwnd(), WM_NOTIFY, ids::coolBar, reinterpret_cast<LPARAM>(&drag));
  pump();
  HWND floating = GetParent(form.toolBar());
  ASSERT_NE(floating, form.coolBar());
  EXPECT_EQ(windowText(floating), L"カキポ ボタンバー");
  EXPECT_TRUE(IsWindowVisible(floating));
  EXPECT_LT(windowRect(form.memo1().hwnd()).top, before.top);
  // Its buttons still work from the floating window: the wrap toggle reaches the editor.
  SendMessageW(form.toolBar(), TB_CHECKBUTTON, ids::firstButton + tbtnWrap, TRUE);
  SendMessageW(floating, WM_COMMAND, ids::firstButton + tbtnWrap, 0);
  EXPECT_TRUE(form.memo1().wordWrap());
  // Closing the floating bar puts it back as the first row.
  SendMessageW(floating, WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(GetParent(form.toolBar()), form.coolBar());
  EXPECT_FALSE(IsWindow(floating));
  EXPECT_EQ(windowRect(form.memo1().hwnd()).top, before.top);
  REBARBANDINFOW band{sizeof band};
  band.fMask = RBBIM_CHILD;
  SendMessageW(form.coolBar(), RB_GETBANDINFOW, 0, reinterpret_cast<LPARAM>(&band));
  EXPECT_EQ(band.hwndChild, form.toolBar());
}

}  // namespace
}  // namespace kakipo::win32

namespace kakipo::win32 {
namespace {

TEST(MainWindowStartUp, FileFromTheCommandLineIsShownInAVisibleEditor) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring file = std::wstring(temp) + L"kakipo-cmdline.txt";
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(h, "shown\r\ntext", 11, &written, nullptr);
  CloseHandle(h);
  MainWindow form{false};
  form.show("kakipo.exe " + narrow(file), SW_SHOWNOACTIVATE);
  pump();
  EXPECT_EQ(form.memo1().text(), "shown\r\ntext");
  EXPECT_TRUE(IsWindowVisible(form.memo1().hwnd()));
  EXPECT_GT(windowRect(form.memo1().hwnd()).bottom - windowRect(form.memo1().hwnd()).top, 100);
  EXPECT_EQ(windowText(form.hwnd()), L"カキポ " + file);
  DeleteFileW(file.c_str());
}

}  // namespace
}  // namespace kakipo::win32
