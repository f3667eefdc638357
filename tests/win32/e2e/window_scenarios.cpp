// The main window as a user meets it: the first start, the settings file it leaves behind, the
// phrase box, and a second instance.
#include "win32/e2e/scenario.h"

#include <commctrl.h>

namespace e2e {
namespace {

std::wstring phrase(HWND box, int index) {
  const auto n = SendMessageW(box, CB_GETLBTEXTLEN, index, 0);
  if (n < 0) return L"<none>";
  std::wstring buf(static_cast<std::size_t>(n) + 1, L'\0');
  SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buf.data()));
  buf.resize(static_cast<std::size_t>(n));
  return buf;
}

TEST(Window, FirstStartShowsDefaultsAndWritesTheSettingsFileOnClose) {
  Kakipo k;
  ASSERT_FALSE(fileExists(k.settingsPath()));
  k.start();
  EXPECT_EQ(k.title(), L"カキポ ");
  const RECT r = windowRect(k.window());
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right - r.left, 280);
  EXPECT_EQ(r.bottom - r.top, 380);
  EXPECT_EQ(windowText(k.phraseBox()), L"Hi EveryOne,");
  EXPECT_EQ(SendMessageW(k.phraseBox(), CB_GETCOUNT, 0, 0), 10);
  EXPECT_EQ(phrase(k.phraseBox(), 9), L"それではまた");
  EXPECT_EQ(k.editorText(), L"");
  EXPECT_EQ(SendMessageW(k.toolBar(), TB_BUTTONCOUNT, 0, 0), 10);
  // The caret panel is refreshed by the timer.
  EXPECT_TRUE(waitUntil([&] { return windowText(k.statusBar()) == L"1 : 1"; }, 10s)) << windowText(k.statusBar());

  k.close();
  ASSERT_TRUE(k.waitForExit()) << "an unmodified document must close without a question";
  const std::string ini = readFile(k.settingsPath());
  EXPECT_EQ(iniValue(ini, "form", "left"), "0");
  EXPECT_EQ(iniValue(ini, "form", "width"), "280");
  EXPECT_EQ(iniValue(ini, "form", "height"), "380");
  EXPECT_EQ(iniValue(ini, "combobox", "items0"), "Hi EveryOne,");
  EXPECT_EQ(iniValue(ini, "combobox", "items4"), cp932(L"前略"));
  EXPECT_EQ(iniValue(ini, "rireki", "filmei4"), "nothing");
  EXPECT_EQ(iniValue(ini, "memoFont", "name"), cp932(L"ＭＳ Ｐゴシック"));
  EXPECT_EQ(iniValue(ini, "memoFont", "size"), "11");
  EXPECT_EQ(iniValue(ini, "memoFont", "backcolor"), "-2147483643");
  // A new file holds its sections in the order they are written.
  const auto form = ini.find("[form]"), combo = ini.find("[combobox]"), rireki = ini.find("[rireki]"),
             font = ini.find("[memoFont]");
  ASSERT_NE(font, std::string::npos);
  EXPECT_TRUE(form < combo && combo < rireki && rireki < font) << ini;
}

TEST(Window, PlaceIsKeptAndASecondInstanceOpensTwentyPixelsFurther) {
  Kakipo k;
  k.start();
  SetWindowPos(k.window(), nullptr, 100, 50, 320, 420, SWP_NOZORDER | SWP_NOACTIVATE);
  k.close();
  ASSERT_TRUE(k.waitForExit());
  const std::string ini = readFile(k.settingsPath());
  EXPECT_EQ(iniValue(ini, "form", "left"), "100");
  EXPECT_EQ(iniValue(ini, "form", "top"), "50");
  EXPECT_EQ(iniValue(ini, "form", "width"), "320");
  EXPECT_EQ(iniValue(ini, "form", "height"), "420");

  k.start();
  RECT r = windowRect(k.window());
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 420);
  k.type(L"この文書はそのまま");

  // A right click on New starts another instance; this one stays as it is.
  k.rightClickButton(button::tbtnNew);
  HWND second = nullptr;
  ASSERT_TRUE(waitUntil([&] {
    for (HWND w : allMainWindows())
      if (w != k.window() && windowText(w).rfind(L"カキポ", 0) == 0) second = w;
    return second != nullptr;
  })) << "no second window";
  DWORD pid = 0;
  GetWindowThreadProcessId(second, &pid);
  Kakipo other(k.folder(), pid);
  r = windowRect(second);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 70);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 420);
  EXPECT_EQ(other.title(), L"カキポ ");
  EXPECT_EQ(other.editorText(), L"");
  EXPECT_EQ(k.editorText(), L"この文書はそのまま");
  other.close();
  EXPECT_TRUE(other.waitForExit());
}

TEST(Window, AnEditedPhraseIsKeptAcrossARestart) {
  Kakipo k;
  k.start();
  HWND edit = k.phraseEdit();
  ASSERT_TRUE(edit);
  // Pick the third phrase from the list with the arrow keys.
  PostMessageW(edit, WM_KEYDOWN, VK_DOWN, 1);
  PostMessageW(edit, WM_KEYDOWN, VK_DOWN, 1);
  k.settle();
  ASSERT_EQ(SendMessageW(k.phraseBox(), CB_GETCURSEL, 0, 0), 2);
  const std::wstring third = phrase(k.phraseBox(), 2);
  const std::wstring fourth = phrase(k.phraseBox(), 3);
  EXPECT_EQ(windowText(k.phraseBox()), third);

  // Change its text and press Enter: it goes to the end of the list.
  SendMessageW(edit, EM_SETSEL, 0, -1);
  for (wchar_t c : std::wstring(L"ごきげんよう、皆様")) PostMessageW(edit, WM_CHAR, c, 1);
  PostMessageW(edit, WM_CHAR, L'\r', 0x001C0001);
  k.settle();
  EXPECT_EQ(phrase(k.phraseBox(), 9), L"ごきげんよう、皆様");
  EXPECT_EQ(phrase(k.phraseBox(), 2), fourth);
  EXPECT_EQ(SendMessageW(k.phraseBox(), CB_GETCOUNT, 0, 0), 10);
  EXPECT_EQ(windowText(k.phraseBox()), L"ごきげんよう、皆様");

  // A double click puts the box text at the caret.
  k.type(L"前置き：");
  PostMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  k.settle();
  EXPECT_EQ(k.editorText(), L"前置き：ごきげんよう、皆様");

  k.close();
  const MessageBoxSeen box = k.waitMessageBox();
  ASSERT_TRUE(box);
  k.press(box.hwnd, IDNO);
  ASSERT_TRUE(k.waitForExit());
  EXPECT_EQ(iniValue(readFile(k.settingsPath()), "combobox", "items9"), cp932(L"ごきげんよう、皆様"));

  k.start();
  EXPECT_EQ(phrase(k.phraseBox(), 9), L"ごきげんよう、皆様");
  EXPECT_EQ(phrase(k.phraseBox(), 2), fourth);
  EXPECT_EQ(windowText(k.phraseBox()), phrase(k.phraseBox(), 0));
}

// A settings file another program holds: the first close keeps the window, the second offers to
// close without the settings, and Yes ends the program with the file as it was.
TEST(Window, ASettingsFileThatCannotBeWrittenStopsTheCloseOnlyOnce) {
  Kakipo k;
  const std::string stored = "[form]\r\nleft=40\r\n";
  writeFile(k.settingsPath(), stored);
  k.start();
  const HANDLE holder = CreateFileW(k.settingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const std::wstring error = k.settingsPath() + L" に書き込めません.";

  k.close();
  MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, k.title(), error, {IDOK});
  k.press(box.hwnd, IDOK);
  k.settle();
  EXPECT_TRUE(k.running()) << "the first failure keeps the window";

  k.close();
  box = k.waitMessageBox();
  expectBox(box, k.title(), error, {IDOK});
  k.press(box.hwnd, IDOK);
  box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪終了の確認",
            k.settingsPath() + nameBreak + L"に設定を書き込めませんでした。設定を保存しないで終了しますか？",
            {IDYES, IDNO}, IDNO);
  k.press(box.hwnd, IDYES);
  EXPECT_TRUE(k.waitForExit());
  CloseHandle(holder);
  EXPECT_EQ(readFile(k.settingsPath()), stored);
}

}  // namespace
}  // namespace e2e
