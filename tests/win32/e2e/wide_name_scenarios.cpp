// Names Shift_JIS cannot hold, from outside: カキポ kept in a folder so named, files so named opened
// from the command line and by a drop, a phrase of any character; the settings file and the
// recovery of unsaved text work there like anywhere.
#include "win32/e2e/scenario.h"

namespace e2e {
namespace {

std::wstring phrase(HWND box, int index) {
  std::wstring buf(static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
  buf.resize(static_cast<std::size_t>(SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(buf.data()))));
  return buf;
}

TEST(WideNames, AFolderAndFilesNamedBeyondShiftJisWorkLikeAnyOther) {
  Kakipo k(L"\u00C5se \uD55C");  // Åse 한
  const std::wstring first = k.path(L"r\u00E9sum\u00E9 \uD55C\uAE00 \U0001F600.txt");
  const std::wstring second = k.path(L"\u9DD7\u5916\u306E\u624B\u7D19.txt");  // 鷗外の手紙
  writeFile(first, "\xEF\xBB\xBF" "first \xF0\x9F\x98\x80");
  writeFile(second, "\xE9\xB7\x97\xE5\xA4\x96");  // 鷗外, UTF-8 without a mark
  k.start(L"\"" + first + L"\"");
  EXPECT_EQ(k.title(), L"カキポ " + first);
  EXPECT_EQ(k.editorText(), L"first \U0001F600");
  k.dropFiles({second});
  k.settle();
  EXPECT_EQ(k.title(), L"カキポ " + second);
  EXPECT_EQ(k.editorText(), L"\u9DD7\u5916");

  const std::wstring stored = L"\u9DD7\u5916\u3068 \U0001F600 caf\u00E9";  // 鷗外と 😀 café
  HWND edit = k.phraseEdit();
  SetWindowTextW(edit, stored.c_str());
  PostMessageW(edit, WM_CHAR, L'\r', 0x001C0001);
  k.settle();
  EXPECT_EQ(phrase(k.phraseBox(), 9), stored);
  k.close();
  ASSERT_TRUE(k.waitForExit());

  // The settings file became UTF-16 with its mark, the one form that holds these values.
  const std::string ini = readFile(k.settingsPath());
  ASSERT_EQ(ini.substr(0, 2), "\xFF\xFE");
  const std::wstring text(reinterpret_cast<const wchar_t*>(ini.data() + 2), (ini.size() - 2) / 2);
  EXPECT_NE(text.find(L"filmei0=" + second), std::wstring::npos);
  EXPECT_NE(text.find(L"filmei1=" + first), std::wstring::npos);
  EXPECT_NE(text.find(L"items9=" + stored), std::wstring::npos);

  k.start();
  EXPECT_EQ(phrase(k.phraseBox(), 9), stored);
  k.type(L"\u9DD7 unsaved");
  // Kept in the recovery folder beside the program, and offered after the process dies.
  ASSERT_TRUE(waitUntil([&] {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(k.path(L"recovery\\*.rcv").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
  })) << "no recovery file was written";
  k.kill();
  k.start();
  const MessageBoxSeen box = k.waitMessageBox();
  ASSERT_TRUE(box) << "the unsaved text was not offered";
  k.press(box.hwnd, IDYES);
  k.settle();
  EXPECT_EQ(k.editorText(), L"\u9DD7 unsaved");
}

}  // namespace
}  // namespace e2e
