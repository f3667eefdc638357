// Opening and saving real files through the real main window and its rich-edit control.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/sjis.h"
#include "win32/encoding.h"
#include "win32/main_window.h"
#include "win32/window_probe.h"

namespace kakipo::win32 {
namespace {

using test::BoxAnswerer;
using test::pump;

struct DocumentsThroughTheWindow : ::testing::Test {
  MainWindow form{false};
  std::string folder;

  void SetUp() override {
    form.show("kakipo.exe", SW_SHOWNOACTIVATE);
    pump();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = narrow(temp) + "kakipo-docs-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    BoxAnswerer::answered = 0;
  }
  void TearDown() override {
    WIN32_FIND_DATAW fd;
    const std::wstring dir = widen(folder);
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do DeleteFileW((dir + L"\\" + fd.cFileName).c_str());
      while (FindNextFileW(h, &fd));
      FindClose(h);
    }
    RemoveDirectoryW(dir.c_str());
  }
  std::string path(const std::string& name) const { return folder + "\\" + name; }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(widen(path(name)).c_str(), std::ios::binary);
    out << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(widen(path(name)).c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void open(const std::string& name) {
    form.logic().dispatch([&] { form.logic().commands.fileYomikomi(path(name)); });
  }
};

TEST_F(DocumentsThroughTheWindow, StyledKpoIsWrittenAndReadBack) {
  write("memo.kpo", "{\\rtf1\\ansi\\ansicpg932 " + test::sjis("太字 と ふつう") + "}");
  open("memo.kpo");
  ASSERT_EQ(form.memo1().text().substr(0, 6), "太字");
  form.memo1().setSelStart(0);
  form.memo1().setSelLength(6);
  Font bold;
  bold.style.bold = true;
  form.memo1().setSelectionFormat(bold);
  BoxAnswerer::arm(IDOK);  // the overwrite notice
  form.logic().dispatch([&] { form.logic().commands.tbtnUwagakiClick(); });
  EXPECT_EQ(BoxAnswerer::caption, L"カキポ ♪お知らせ");
  EXPECT_EQ(read("memo.kpo").rfind("{\\rtf", 0), 0u);

  open("memo.kpo");
  form.memo1().setSelStart(0);
  form.memo1().setSelLength(4);
  EXPECT_TRUE(form.memo1().selectionFormat().style.bold);
  form.memo1().setSelStart(form.memo1().textLength() - 4);
  form.memo1().setSelLength(2);
  EXPECT_FALSE(form.memo1().selectionFormat().style.bold);
}

TEST_F(DocumentsThroughTheWindow, KpoHoldingPlainTextOpensThroughTheRetry) {
  write("plain.kpo", "ただのテキスト\r\nsecond");
  open("plain.kpo");
  EXPECT_EQ(form.memo1().text(), "ただのテキスト\r\nsecond");
  EXPECT_EQ(BoxAnswerer::answered, 0);
}

TEST_F(DocumentsThroughTheWindow, TxtHoldingRtfShowsTheSource) {
  write("source.txt", "{\\rtf1 bold}");
  open("source.txt");
  EXPECT_EQ(form.memo1().text(), "{\\rtf1 bold}");
}

TEST_F(DocumentsThroughTheWindow, OnlyFilesAboveAMillionBytesAreAskedAbout) {
  write("exact.txt", std::string(1000000, 'a'));
  open("exact.txt");
  EXPECT_EQ(BoxAnswerer::answered, 0);
  EXPECT_EQ(form.memo1().textLength(), 1000000);

  write("over.txt", std::string(1000001, 'b'));
  BoxAnswerer::arm(IDCANCEL);
  open("over.txt");
  EXPECT_EQ(BoxAnswerer::answered, 1);
  EXPECT_EQ(BoxAnswerer::caption, L"カキポ ♪ファイル読み込みの確認");
  EXPECT_EQ(form.memo1().textLength(), 1000000);  // declined: the document stays
}

TEST_F(DocumentsThroughTheWindow, PlainBytesComeBackUnchanged) {
  std::string bytes = "漢字かなカナ ｶﾀｶﾅ 表\\ ①\r\nline two\r\n";
  for (int c = 0xA1; c <= 0xDF; ++c) bytes += static_cast<char>(c);
  write("bytes.txt", bytes);
  open("bytes.txt");
  BoxAnswerer::arm(IDOK);
  form.logic().dispatch([&] { form.logic().commands.tbtnUwagakiClick(); });
  EXPECT_EQ(read("bytes.txt"), bytes);
}

TEST_F(DocumentsThroughTheWindow, FileHeldOpenForWritingIsAnOpenFailure) {
  write("held.txt", "x");
  HANDLE writer = CreateFileW(widen(path("held.txt")).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  BoxAnswerer::arm(IDOK);
  open("held.txt");
  CloseHandle(writer);
  EXPECT_EQ(BoxAnswerer::caption, L"カキポ ♪ファイルを開くエラー");
  EXPECT_NE(BoxAnswerer::text.find(L"held.txt"), std::wstring::npos);
}

}  // namespace
}  // namespace kakipo::win32
