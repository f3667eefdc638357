// A UTF-8 memo written by another editor, as a user meets it: it opens readable, one line is
// edited and saved, and every other line keeps its bytes, breaks included.
#include "win32/e2e/scenario.h"

namespace e2e {
namespace {

// UTF-8 bytes of a UTF-16 text.
std::string utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

TEST(Encodings, AUtf8MemoIsEditedOnOneLineAndSavedWithEveryOtherLineAsItWas) {
  Kakipo k;
  // 鷗 and the emoji have no CP932 code; the third line ends in a bare LF, as Unix tools write.
  const std::wstring first = L"\u9DD7\u5916\u306E\u672C \U0001F600";
  const std::wstring third = L"\U00020BB7\u91CE\u5BB6";
  const std::string bytes = utf8(first) + "\r\nsecond line\r\n" + utf8(third) + "\nlast";
  const std::wstring file = k.path(L"utf8.txt");
  writeFile(file, bytes);
  k.start();
  k.clickButton(button::tbtnOpen);
  k.answerFileDialog(file);
  ASSERT_TRUE(waitUntil([&] { return k.title() == L"カキポ " + file; }));
  EXPECT_EQ(k.editorText(), first + L"\r\nsecond line\r\n" + third + L"\r\nlast");

  // "second" on the second line, which starts after the first line's seven units and its break.
  k.select(8, 14);
  k.type(L"2nd");
  k.clickButton(button::tbtnUwagaki);
  const MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪お知らせ", file + nameBreak + L"にファイル内容を上書き保存したよ", {IDOK});
  k.press(box.hwnd, IDOK);
  EXPECT_EQ(readFile(file), utf8(first) + "\r\n2nd line\r\n" + utf8(third) + "\nlast");
}

// With UTF-8 the setting for new memos, a memo with characters Shift_JIS has none for is saved as
// UTF-8 without the question about them.
TEST(Encodings, WithTheUtf8SettingANewMemoSavesWithoutTheLossQuestion) {
  Kakipo k;
  writeFile(k.settingsPath(), "[sinki]\r\nencoding=UTF-8\r\n");
  k.start();
  k.type(L"\u9DD7\u5916 \U0001F600");
  k.clickButton(button::tbtnSave);
  k.answerFileDialog(L"新.txt", 1);
  ASSERT_TRUE(waitUntil([&] { return fileExists(k.path(L"新.txt")); }));
  EXPECT_TRUE(k.noDialog());
  EXPECT_EQ(readFile(k.path(L"新.txt")), utf8(L"\u9DD7\u5916 \U0001F600"));
}

}  // namespace
}  // namespace e2e
