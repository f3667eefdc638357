// Unsaved text that outlives the process: typed, the process killed, offered at the next start and
// restored, with the file on disk left alone until the user saves.
#include "win32/e2e/scenario.h"

namespace e2e {
namespace {

const std::wstring offerCaption = L"カキポ ♪書きかけの復元";

// The recovery files in the folder beside the program.
std::vector<std::wstring> recoveryFiles(const Kakipo& k) {
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW(k.path(L"recovery\\*.rcv").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return found;
  do found.push_back(fd.cFileName);
  while (FindNextFileW(h, &fd));
  FindClose(h);
  return found;
}

bool ownsTheOnlyRecoveryFile(const Kakipo& k) {
  const auto files = recoveryFiles(k);
  return files.size() == 1 && files[0].rfind(L"kakipo-" + std::to_wstring(k.pid()) + L"-", 0) == 0;
}

// Kills the program once its text is kept, starts it again and answers the offer with Yes.
void killAndRestore(Kakipo& k, const std::wstring& name) {
  ASSERT_TRUE(waitUntil([&] { return ownsTheOnlyRecoveryFile(k); })) << "no recovery file was written";
  k.kill();
  k.start();
  const MessageBoxSeen box = k.waitMessageBox();
  ASSERT_TRUE(box);
  EXPECT_EQ(box.caption, offerCaption);
  EXPECT_EQ(box.text.rfind(name + nameBreak + L"の保存していない内容が残っています（", 0), 0u) << box.text;
  EXPECT_NE(box.text.find(L" の時点）。復元しますか？"), std::wstring::npos) << box.text;
  k.press(box.hwnd, IDYES);
  k.settle();
}

TEST(Recovery, AnUntitledMemoComesBackAfterTheProcessIsKilled) {
  Kakipo k;
  k.start();
  // 鷗 has no CP932 code: the recovery file keeps it all the same.
  k.type(L"買い物\r森鷗外の本");
  ASSERT_TRUE(waitUntil([&] { return ownsTheOnlyRecoveryFile(k); })) << "no recovery file was written";

  // Another instance started meanwhile leaves a running instance's file alone.
  k.rightClickButton(button::tbtnNew);
  HWND second = nullptr;
  ASSERT_TRUE(waitUntil([&] {
    for (HWND w : allMainWindows())
      if (w != k.window()) second = w;
    return second != nullptr;
  })) << "no second window";
  DWORD pid = 0;
  GetWindowThreadProcessId(second, &pid);
  Kakipo other(k.folder(), pid);
  other.settle();
  EXPECT_TRUE(other.noDialog()) << "a running instance's text was offered";
  other.close();
  EXPECT_TRUE(other.waitForExit());

  killAndRestore(k, L"無題");
  EXPECT_EQ(k.editorText(), L"買い物\r\n森鷗外の本");
  EXPECT_EQ(k.title(), L"カキポ ");
  EXPECT_TRUE(k.modified());
  EXPECT_EQ(k.selection(), std::make_pair(9, 9));
  // The dead instance's file goes once this one has kept the text in its own.
  EXPECT_TRUE(waitUntil([&] { return ownsTheOnlyRecoveryFile(k); }));

  // Declined at the close: the text is given up and its file goes with it.
  k.close();
  const MessageBoxSeen box = k.waitMessageBox();
  k.press(box.hwnd, IDNO);
  ASSERT_TRUE(k.waitForExit());
  EXPECT_TRUE(recoveryFiles(k).empty());
}

TEST(Recovery, AStyledKpoComesBackAndItsFileIsTouchedOnlyBySaving) {
  Kakipo k;
  const std::wstring file = k.path(L"装飾.kpo");
  const std::string original = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 plain {\\ul bold}\\par}";
  writeFile(file, original);
  k.start(L"\"" + file + L"\"");
  k.type(L"追記 ");
  killAndRestore(k, file);
  EXPECT_EQ(k.title(), L"カキポ " + file);
  EXPECT_EQ(k.editorText(), L"追記 plain bold");
  EXPECT_TRUE(k.modified());
  EXPECT_EQ(k.selection(), std::make_pair(3, 3));
  EXPECT_EQ(readFile(file), original);

  // The overwrite save writes the restored document, styling and all.
  k.clickButton(button::tbtnUwagaki);
  const MessageBoxSeen saved = k.waitMessageBox();
  k.press(saved.hwnd, IDOK);
  const std::string rtf = readFile(file);
  // 追記 as the control writes it, in CP932 bytes.
  const auto typed = rtf.find("\\'92\\'c7\\'8b\\'4c plain");
  const auto ul = rtf.find("\\ul"), bold = rtf.find("bold");
  EXPECT_TRUE(typed < ul && ul < bold && bold != std::string::npos) << rtf;
  // Saved, the text is safe: no recovery file is left.
  EXPECT_TRUE(waitUntil([&] { return recoveryFiles(k).empty(); }));
}

}  // namespace
}  // namespace e2e
