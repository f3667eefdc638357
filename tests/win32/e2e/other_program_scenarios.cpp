// Another program and the open file, seen from outside: a rewrite is read again when the user comes
// back to an unmodified memo, an overwrite-save over one asks first and Cancel keeps the other
// program's bytes; with the close that asks nothing, the unsaved memo is there at the next start.
#include "win32/e2e/scenario.h"

namespace e2e {
namespace {

TEST(OtherPrograms, ARewriteIsReadAgainAndAnOverwriteOfOneAsksFirst) {
  Kakipo k;
  const std::wstring file = k.path(L"shared.txt");
  writeFile(file, "first");
  k.start(L"\"" + file + L"\"");
  ASSERT_EQ(k.editorText(), L"first");

  writeFile(file, "second\r\nline");
  ASSERT_TRUE(waitUntil([&] {
    k.switchAwayAndBack();
    return k.editorText() == L"second\r\nline";
  })) << "the rewrite was not read again";
  EXPECT_FALSE(k.modified());
  EXPECT_TRUE(k.noDialog());

  k.type(L"mine ");
  writeFile(file, "third");
  k.clickButton(button::tbtnUwagaki);
  const MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪ファイル保存の確認",
            file + nameBreak +
                L"は開いた後にほかのプログラムが書き換えています。上書き保存すると、その内容は失われます。上書き保存しますか？\r\n"
                L"「いいえ」で別の名前で保存、「キャンセル」で保存しません",
            {IDYES, IDNO, IDCANCEL}, IDCANCEL);
  k.press(box.hwnd, IDCANCEL);
  k.settle();
  EXPECT_EQ(readFile(file), "third");
  EXPECT_TRUE(k.modified());
}

TEST(OtherPrograms, WithGoingOnAtTheNextStartACloseAsksNothingAndTheMemoComesBack) {
  Kakipo k;
  writeFile(k.settingsPath(), "[form]\r\nresume=1\r\n");
  k.start();
  k.type(L"続きの\u9DD7文章");
  k.close();
  ASSERT_TRUE(k.waitForExit()) << "the close waited for an answer";
  k.start();
  k.settle();
  EXPECT_TRUE(k.noDialog());
  EXPECT_EQ(k.editorText(), L"続きの\u9DD7文章");
  EXPECT_TRUE(k.modified());
}

}  // namespace
}  // namespace e2e
