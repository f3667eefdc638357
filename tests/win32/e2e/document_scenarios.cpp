// Documents as a user meets them: saving through the Save dialog and its questions, the
// overwrite-save notice, opening again from the history, rich text, the unsaved-changes question
// on close, and a file too large to open without asking.
#include "win32/e2e/scenario.h"

namespace e2e {
namespace {

const std::wstring saveCaption = L"カキポ ♪ファイル保存の確認";
const std::wstring guardQuestion = L"のファイル内容が変更されていますが、保存に行きますか？";

TEST(Documents, SaveAsTxtOverwriteSaveAndReopenFromTheHistory) {
  Kakipo k;
  k.start();
  k.type(L"買い物メモ\r牛乳と表計算");
  const std::string firstText = cp932(L"買い物メモ\r\n牛乳と表計算");

  // Save As with the text filter and no extension: the program offers to add .txt.
  k.clickButton(button::tbtnSave);
  k.answerFileDialog(L"メモ", 1);
  MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪ファイルセーブでの確認",
            k.path(L"メモ") + nameBreak + L"の拡張子を.txt（標準テキスト）にして保存します", {IDOK, IDCANCEL}, IDOK);
  k.press(box.hwnd, IDOK);
  const std::wstring file = k.path(L"メモ.txt");
  ASSERT_TRUE(waitUntil([&] { return readFile(file) == firstText; })) << readFile(file);
  EXPECT_EQ(k.title(), L"カキポ " + file);
  EXPECT_FALSE(k.modified());

  // Save As onto the same file asks before overwriting it; No leaves the file alone.
  k.type(L"\r追記");
  k.clickButton(button::tbtnSave);
  k.answerFileDialog(L"メモ.txt", 1);
  box = k.waitMessageBox();
  expectBox(box, saveCaption, file + nameBreak + L"という名前のファイルはすでに有りますが、上書き保存しますか？",
            {IDYES, IDNO}, IDYES);
  k.press(box.hwnd, IDNO);
  k.settle();
  EXPECT_EQ(readFile(file), firstText);
  EXPECT_TRUE(k.modified());

  // Overwrite-save writes at once and says so.
  k.clickButton(button::tbtnUwagaki);
  box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪お知らせ", file + nameBreak + L"にファイル内容を上書き保存したよ", {IDOK});
  const std::string secondText = cp932(L"買い物メモ\r\n牛乳と表計算\r\n追記");
  EXPECT_EQ(readFile(file), secondText);
  k.press(box.hwnd, IDOK);

  // Opened once through the Open dialog, the file is in the history...
  k.clickButton(button::tbtnNew);
  k.settle();
  EXPECT_EQ(k.title(), L"カキポ ");
  EXPECT_EQ(k.editorText(), L"");
  k.clickButton(button::tbtnOpen);
  k.answerFileDialog(file);
  ASSERT_TRUE(waitUntil([&] { return k.title() == L"カキポ " + file; }));
  EXPECT_EQ(cp932(k.editorText()), secondText);
  k.clickButton(button::tbtnNew);
  k.settle();
  EXPECT_EQ(k.editorText(), L"");

  // ...and comes back from it: right click on Open, the first entry below the title line.
  k.rightClickButton(button::tbtnOpen);
  k.choosePopupItem(1);
  ASSERT_TRUE(waitUntil([&] { return k.title() == L"カキポ " + file; })) << "the history entry did not open";
  EXPECT_EQ(cp932(k.editorText()), secondText);
  EXPECT_TRUE(k.noDialog());

  k.close();
  ASSERT_TRUE(k.waitForExit());
  EXPECT_EQ(iniValue(readFile(k.settingsPath()), "rireki", "filmei0"), cp932(file));
  EXPECT_EQ(iniValue(readFile(k.settingsPath()), "rireki", "filmei1"), "nothing");
}

// The file written in rich-text form, or the empty string when nothing is there.
std::string rtfOf(const std::wstring& path) {
  const std::string bytes = readFile(path);
  return bytes.rfind("{\\rtf", 0) == 0 ? bytes : std::string();
}

// An underline control word before the word "bold" and after the word "plain".
bool underlinesBoldOnly(const std::string& rtf) {
  const auto plain = rtf.find("plain"), ul = rtf.find("\\ul"), bold = rtf.find("bold");
  return plain != std::string::npos && ul != std::string::npos && bold != std::string::npos && plain < ul &&
         ul < bold;
}

TEST(Documents, AStyledKpoIsWrittenAndReadBack) {
  Kakipo k;
  k.start();
  k.type(L"plain bold");
  k.select(6, 10);
  // The Font dialog with underline ticked.
  k.clickButton(button::tbtnFont);
  constexpr int underlineBox = 0x411;
  HWND dialog = k.waitDialogWith(underlineBox);
  ASSERT_TRUE(dialog) << "no Font dialog";
  HWND underline = GetDlgItem(dialog, underlineBox);
  SendMessageW(underline, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(underlineBox, BN_CLICKED), reinterpret_cast<LPARAM>(underline));
  k.press(dialog, IDOK);

  // The rich-text filter and no .kpo extension: the program offers to make it one.
  k.clickButton(button::tbtnSave);
  k.answerFileDialog(L"装飾", 2);
  MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, L"カキポ ♪ファイルセーブでの確認",
            k.path(L"装飾") + nameBreak + L"のタイプを.kpo（カキポ形式）にして保存します", {IDOK, IDCANCEL}, IDOK);
  k.press(box.hwnd, IDOK);
  const std::wstring file = k.path(L"装飾.kpo");
  ASSERT_TRUE(waitUntil([&] { return !rtfOf(file).empty(); })) << readFile(file);
  EXPECT_TRUE(underlinesBoldOnly(rtfOf(file))) << rtfOf(file);

  // Read back, it shows its text (not RTF source) and keeps the underline: saving it again under
  // another name writes the same styling.
  k.clickButton(button::tbtnNew);
  k.clickButton(button::tbtnOpen);
  k.answerFileDialog(file);
  ASSERT_TRUE(waitUntil([&] { return k.title() == L"カキポ " + file; }));
  EXPECT_EQ(k.editorText(), L"plain bold");
  k.clickButton(button::tbtnSave);
  k.answerFileDialog(L"写し.kpo", 2);
  const std::wstring copy = k.path(L"写し.kpo");
  ASSERT_TRUE(waitUntil([&] { return !rtfOf(copy).empty(); })) << readFile(copy);
  EXPECT_TRUE(underlinesBoldOnly(rtfOf(copy))) << rtfOf(copy);
  EXPECT_TRUE(k.noDialog());

  // The same document saved as .txt holds only its text.
  k.clickButton(button::tbtnSave);
  k.answerFileDialog(L"文字だけ.txt", 1);
  ASSERT_TRUE(waitUntil([&] { return readFile(k.path(L"文字だけ.txt")) == "plain bold"; }))
      << readFile(k.path(L"文字だけ.txt"));
}

// The unsaved-changes question on close, answered each way, and what the window does then.
struct CloseCase {
  const char* name;
  const wchar_t* typed;
  int answer;             // to the question
  const wchar_t* saveAs;  // typed into the Save dialog that Yes opens; "" cancels it
  bool closes;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

const CloseCase closeCases[] = {
    {"AnsweredNoClosesWithoutSaving", L"捨てる", IDNO, nullptr, true},
    {"AnsweredYesThenCancelledStaysOpen", L"残す", IDYES, L"", false},
    {"AnsweredYesSavesThenCloses", L"終わりに保存", IDYES, L"最後.txt", true},
};

class CloseWithChanges : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseWithChanges, TheAnswersDecide) {
  const CloseCase& c = GetParam();
  Kakipo k;
  k.start();
  k.type(c.typed);
  k.close();
  const MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, saveCaption, L"無題" + nameBreak + guardQuestion, {IDYES, IDNO}, IDYES);
  k.press(box.hwnd, c.answer);
  if (c.saveAs && *c.saveAs) k.answerFileDialog(c.saveAs, 1);
  if (c.saveAs && !*c.saveAs) k.cancelFileDialog();

  if (c.closes) {
    ASSERT_TRUE(k.waitForExit());
    if (c.saveAs) {
      EXPECT_EQ(readFile(k.path(c.saveAs)), cp932(c.typed));
    }
    EXPECT_TRUE(fileExists(k.settingsPath()));
  } else {
    k.settle();
    EXPECT_FALSE(k.waitForExit(2s)) << "the window closed although the save was cancelled";
    EXPECT_TRUE(k.noDialog());
    EXPECT_EQ(k.title(), L"カキポ ");
    EXPECT_EQ(k.editorText(), c.typed);
    EXPECT_FALSE(fileExists(k.settingsPath())) << "settings are written only when the window closes";
  }
}

INSTANTIATE_TEST_SUITE_P(Documents, CloseWithChanges, ::testing::ValuesIn(closeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Documents, AFileOverAMillionBytesIsOpenedOnlyAfterOk) {
  Kakipo k;
  std::string big;
  const std::string line = "0123456789 abcdefghijklmnopqrstuvwxyz " + cp932(L"大きなファイルの一行") + "\r\n";
  while (big.size() + line.size() <= 1000001) big += line;
  big += std::string(1000001 - big.size(), 'z');
  ASSERT_EQ(big.size(), 1000001u);
  const std::wstring file = k.path(L"大きい.txt");
  writeFile(file, big);
  k.start();
  k.type(L"前の文書");

  // Dropped onto a changed document: first the unsaved-changes question, then the size question.
  k.dropFiles({file});
  MessageBoxSeen box = k.waitMessageBox();
  expectBox(box, saveCaption, L"無題" + nameBreak + guardQuestion, {IDYES, IDNO}, IDYES);
  k.press(box.hwnd, IDNO);
  const std::wstring sizeCaption = L"カキポ ♪ファイル読み込みの確認";
  const std::wstring sizeText = file + nameBreak + L"は大きな容量なので時間がかかりますが、読み込みますか？";
  box = k.waitMessageBox();
  expectBox(box, sizeCaption, sizeText, {IDOK, IDCANCEL}, IDOK);
  k.press(box.hwnd, IDCANCEL);
  k.settle();
  // Declined: the new empty document made for the drop stays.
  EXPECT_EQ(k.title(), L"カキポ ");
  EXPECT_EQ(k.editorText(), L"");

  k.clickButton(button::tbtnOpen);
  k.answerFileDialog(file);
  box = k.waitMessageBox();
  expectBox(box, sizeCaption, sizeText, {IDOK, IDCANCEL}, IDOK);
  k.press(box.hwnd, IDOK);
  ASSERT_TRUE(waitUntil([&] { return k.title() == L"カキポ " + file; })) << "the large file did not open";
  EXPECT_TRUE(cp932(k.editorText()) == big) << "the editor does not hold the file's text";
  EXPECT_FALSE(k.modified());
}

}  // namespace
}  // namespace e2e
