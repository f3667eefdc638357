// Editing aids and search as a user meets them: Find and Replace through their dialogs, quote
// markers, a large paste and a date stamp.
#include "e2e/scenario.h"

#include <commctrl.h>

namespace e2e {
namespace {

constexpr int findWhatBox = 0x480;     // edt1
constexpr int replaceWithBox = 0x481;  // edt2
constexpr int replaceAllButton = 0x401;  // psh2

void setDialogText(HWND dialog, int id, const std::wstring& text) {
  SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  // The dialog enables its buttons when it hears that the text changed.
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST(Editing, FindSelectsAMatchAndReportsASearchTextThatIsNotThere) {
  Kakipo k;
  k.start();
  k.type(L"hello 世界 world");
  k.select(0, 0);
  k.clickButton(button::tbtnFind);
  HWND find = k.waitDialogWith(findWhatBox);
  ASSERT_TRUE(find) << "no Find dialog";
  EXPECT_FALSE(GetDlgItem(find, replaceWithBox));
  setDialogText(find, findWhatBox, L"world");
  k.push(find, IDOK);
  EXPECT_TRUE(waitUntil([&] { return k.selection() == std::make_pair(9, 14); }, 10s))
      << k.selection().first << "," << k.selection().second;

  setDialogText(find, findWhatBox, L"xyz");
  k.push(find, IDOK);
  const MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪文字列の検索", L"xyz" + nameBreak + L"は見つかりませんでした", {IDOK});
  k.press(box.hwnd, IDOK);
  EXPECT_TRUE(IsWindowVisible(find)) << "the Find dialog stays open";
  EXPECT_EQ(k.editorText(), L"hello 世界 world");
}

TEST(Editing, ReplaceAllAsksFirstAndEndsWithNotFound) {
  Kakipo k;
  k.start();
  k.type(L"aa bb aa\r猫 aa");
  k.clickButton(button::tbtnTikan);
  HWND replace = k.waitDialogWith(replaceWithBox);
  ASSERT_TRUE(replace) << "no Replace dialog";
  setDialogText(replace, findWhatBox, L"aa");
  setDialogText(replace, replaceWithBox, L"いぬ");
  const std::wstring confirmCaption = L"カキポ ♪置換操作の確認";
  const std::wstring confirmText =
      L"☆安全のため確認しながら置換する場合は\r\n\r\n「置換して次に」を選んでください。☆\r\n\r\nでは、確認無しですべて"
      L"置換しますが,いいですか？";

  k.push(replace, replaceAllButton);
  MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, confirmCaption, confirmText, {IDYES, IDNO}, IDNO);
  k.press(box.hwnd, IDNO);
  k.settle();
  EXPECT_EQ(k.editorText(), L"aa bb aa\r\n猫 aa");

  k.push(replace, replaceAllButton);
  box = k.waitMessageBox();
  expectBox(box, confirmCaption, confirmText, {IDYES, IDNO}, IDNO);
  k.press(box.hwnd, IDYES);
  box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪置換文字列の検索", L"置換文字列が見つかりませんでした", {IDOK});
  k.press(box.hwnd, IDOK);
  EXPECT_EQ(k.editorText(), L"いぬ bb いぬ\r\n猫 いぬ");
  EXPECT_TRUE(k.modified());
}

TEST(Editing, QuoteMarkersGoInAndOutOnTheSelectedLines) {
  Kakipo k;
  k.start();
  k.type(L"一行目\r二行目\r三行目");
  // From inside the first line to inside the second.
  k.select(1, 5);
  k.chooseMenu(menu::popInyofIn);
  EXPECT_TRUE(waitUntil([&] { return k.editorText() == L">一行目\r\n>二行目\r\n三行目"; }, 10s)) << k.editorText();
  k.select(0, -1);
  k.chooseMenu(menu::popInyofOut);
  EXPECT_TRUE(waitUntil([&] { return k.editorText() == L"一行目\r\n二行目\r\n三行目"; }, 10s)) << k.editorText();

  // Nothing selected: the command says what to do first.
  k.select(2, 2);
  k.chooseMenu(menu::popInyofIn);
  MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪行頭に > を挿入する前に", L"> を挿入する行を範囲選択しておいてね", {IDOK});
  k.press(box.hwnd, IDOK);
  k.chooseMenu(menu::popInyofOut);
  box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪行頭から > を削除する前に", L"> を削除する行を範囲選択しておいてね", {IDOK});
  k.press(box.hwnd, IDOK);

  // With word wrap on, the markers would go on wrapped lines: refused.
  SendMessageW(k.toolBar(), TB_CHECKBUTTON, 200 + button::tbtnWrap, TRUE);
  k.clickButton(button::tbtnWrap);
  k.select(0, -1);
  k.chooseMenu(menu::popInyofIn);
  box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪行頭に > を挿入する前に", L"ワードラップ（右端で折り返す）はOFFにしておいてね", {IDOK});
  k.press(box.hwnd, IDOK);
  EXPECT_EQ(k.editorText(), L"一行目\r\n二行目\r\n三行目");
}

TEST(Editing, ALargePasteAsksAndGoesInAsWholeLines) {
  Kakipo k;
  k.start();
  k.type(L"最初\r二番目");

  // A small text pastes at the caret without a question.
  setClipboardText(L"小");
  k.select(0, 0);
  k.chooseMenu(menu::popPaste);
  ASSERT_TRUE(waitUntil([&] { return k.editorText() == L"小最初\r\n二番目"; }, 10s)) << k.editorText();
  EXPECT_TRUE(k.noDialog());

  std::wstring large;
  for (int i = 0; cp932(large).size() < 100000; ++i)
    large += L"貼り付け行 " + std::to_wstring(i) + L" のテキスト abcdefghij\r\n";
  large += L"おしまい";
  setClipboardText(large);
  // The caret in the middle of the second line: the text goes in front of that line.
  k.select(6, 6);
  const std::wstring question = L"クリップボードのデータが大きいため\n\r\n\rカーソル行の位置に貼り付けします\r\n\r\n時間がかかりますがいいですか？";
  k.chooseMenu(menu::popPaste);
  MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪貼り付けの確認", question, {IDOK, IDCANCEL}, IDOK);
  k.press(box.hwnd, IDCANCEL);
  k.settle();
  EXPECT_EQ(k.editorText(), L"小最初\r\n二番目");

  k.chooseMenu(menu::popPaste);
  box = k.waitMessageBox();
  ASSERT_TRUE(box);
  k.press(box.hwnd, IDOK);
  const std::wstring expected = L"小最初\r\n" + large + L"\r\n二番目";
  EXPECT_TRUE(waitUntil([&] { return k.editorText() == expected; })) << "the large text did not go in as lines";
  EXPECT_TRUE(k.noDialog());
}

// The date-time text for every second from `from` to `to`: the stamp is one of them.
std::vector<std::wstring> stampsBetween(SYSTEMTIME from, SYSTEMTIME to) {
  std::vector<std::wstring> out;
  FILETIME f, t;
  SystemTimeToFileTime(&from, &f);
  SystemTimeToFileTime(&to, &t);
  ULARGE_INTEGER a{{f.dwLowDateTime, f.dwHighDateTime}}, b{{t.dwLowDateTime, t.dwHighDateTime}};
  for (ULONGLONG x = a.QuadPart - a.QuadPart % 10000000ULL; x <= b.QuadPart; x += 10000000ULL) {
    FILETIME ft{static_cast<DWORD>(x), static_cast<DWORD>(x >> 32)};
    SYSTEMTIME st;
    FileTimeToSystemTime(&ft, &st);
    wchar_t date[128], time[128];
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 128);
    const bool midnight = st.wHour == 0 && st.wMinute == 0 && st.wSecond == 0;
    out.push_back(midnight ? std::wstring(date) : std::wstring(date) + L" " + time);
  }
  return out;
}

TEST(Editing, ADoubleClickOnTheStatusBarStampsTheDateAtTheCaret) {
  Kakipo k;
  k.start();
  k.type(L"記録：");
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  PostMessageW(k.statusBar(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 8));
  PostMessageW(k.statusBar(), WM_LBUTTONUP, 0, MAKELPARAM(20, 8));
  ASSERT_TRUE(waitUntil([&] { return k.editorText().size() > 3; }, 10s)) << "nothing was stamped";
  GetLocalTime(&after);
  const std::wstring text = k.editorText();
  const auto stamps = stampsBetween(before, after);
  EXPECT_NE(std::find(stamps.begin(), stamps.end(), text.substr(3)), stamps.end()) << "stamp: " << cp932(text);
  EXPECT_EQ(text.substr(0, 3), L"記録：");
  // The caret stands after the stamp; the status bar counts its column in bytes.
  const std::wstring caret = L"1 : " + std::to_wstring(cp932(text).size() + 1);
  EXPECT_TRUE(waitUntil([&] { return windowText(k.statusBar()) == caret; }, 10s)) << windowText(k.statusBar());
}

}  // namespace
}  // namespace e2e
