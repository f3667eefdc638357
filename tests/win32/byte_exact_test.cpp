// Plain text through the real rich-edit control and real files: the native model of the control's
// losses held to the control, open and save byte-exact through the document commands, edits that
// keep the other lines, RTF that keeps what CP932 cannot, and bad files refused without a change.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <random>

#include "core/cp932.h"
#include "core/errors.h"
#include "core/text_codec.h"
#include "support/documents_harness.h"
#include "support/trouble_files.h"
#include "win32/encoding.h"
#include "win32/files.h"
#include "win32/probe/temp_folder.h"
#include "win32/rich_editor.h"
#include "win32/window_probe.h"

namespace kakipo::test {
namespace {

// The program's own code page 932 table is the system's: every character it writes and every code
// it reads, but for the five single bytes Windows maps to characters of its own (0x80, 0xA0,
// 0xFD-0xFF), which the program keeps as the bytes they are.
TEST(Cp932Table, IsTheSystemsCodePage932) {
  for (unsigned u = 1; u < 0x10000; ++u) {
    if (u >= 0xD800 && u <= 0xDFFF) continue;
    const wchar_t wc = static_cast<wchar_t>(u);
    char buf[4] = {};
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wc, 1, buf, sizeof buf, nullptr, &usedDefault);
    const Cp932Code mine = cp932Code(u);
    const bool special = u == 0x80 || (u >= 0xF8F0 && u <= 0xF8F3);
    if (usedDefault || n <= 0 || special) {
      ASSERT_EQ(mine.length, 0) << std::hex << u;
      continue;
    }
    ASSERT_EQ(mine.length, n) << std::hex << u;
    const unsigned code = n == 2 ? (static_cast<unsigned char>(buf[0]) << 8) | static_cast<unsigned char>(buf[1])
                                 : static_cast<unsigned char>(buf[0]);
    ASSERT_EQ(mine.code, code) << std::hex << u;
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!isLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0; trail < 256; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t wc[2] = {};
      const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair, 2, wc, 2);
      const char16_t mine = cp932Unit(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
      ASSERT_EQ(mine, n == 1 ? static_cast<char16_t>(wc[0]) : 0) << std::hex << lead << " " << trail;
    }
  }
}

// The window that holds the editor: made before the editor and destroyed after it.
struct HostWindow {
  HostWindow() = default;
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  ~HostWindow() { DestroyWindow(host); }
  HWND host = makeHost();
};

// The document commands on the real control and real files in a folder of their own.
class RealDocumentsTest : protected HostWindow, public DocumentsHarness<win32::RichEditor, win32::Win32Files> {
 protected:
  RealDocumentsTest() : DocumentsHarness(host, 100, 10000000) {}
  std::string path(const std::string& name) const { return folder + "\\" + name; }
  void put(const std::string& name, const std::string& bytes) {
    HANDLE h = CreateFileW(win32::widen(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD n = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(h);
  }
  std::string read(const std::string& name) {
    HANDLE h = CreateFileW(win32::widen(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return "<missing>";
    std::string out(1 << 16, '\0');
    DWORD n = 0;
    ReadFile(h, out.data(), static_cast<DWORD>(out.size()), &n, nullptr);
    CloseHandle(h);
    out.resize(n);
    return out;
  }
  std::string openAndSave(const std::string& name, const std::string& bytes) {
    put(name, bytes);
    commands.fileYomikomi(name);
    memo1.setModified(true);
    commands.tbtnUwagakiClick();
    ui.shown.clear();
    return read(name);
  }

  probe::TempFolder temp{L"kakipo_exact"};
  std::string folder = win32::narrow(temp.path());
};

TEST_F(RealDocumentsTest, SingleBytesHardCasesAndRandomFilesComeBackAsRead) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    ASSERT_EQ(openAndSave(path("one.txt"), one), one) << hexOf(one);
  }
  const std::vector<std::string> hard = {
      "a\xED\x40\xEE\xFC\r\nb", "\x87\x90\x87\x9A\r\n\xFA\x4A\xFA\x53", "\x85\x40\r\nend\x81",
      "\x81\r\n\x82\n\x83\rz", std::string("a\0b\r\n\0", 6), "a\rb\nc\r\r\nd\r\r\r\ne\n\r", "x\x1A\r\n\x1A"};
  for (const auto& bytes : hard) ASSERT_EQ(openAndSave(path("hard.txt"), bytes), bytes) << hexOf(bytes);
  std::mt19937 rng(11);
  for (int n = 0; n < 100; ++n) {
    const std::string bytes = randomTroubleFile(rng, 30);
    ASSERT_EQ(openAndSave(path("random.txt"), bytes), bytes) << hexOf(bytes);
  }
}

TEST_F(RealDocumentsTest, AnEditedLineLeavesTheOtherLinesBytesAlone) {
  const std::string bytes = "\x87\x90 nec\r\nbare lf\nbare cr\rcr cr lf\r\r\nhere\r\n\xED\x40 ibm\x81";
  openAndSave(path("edit.txt"), bytes);
  memo1.replaceLine(3, "EDIT");
  memo1.setModified(true);
  commands.tbtnUwagakiClick();
  EXPECT_EQ(hexOf(read(path("edit.txt"))), hexOf("\x87\x90 nec\r\nbare lf\nbare cr\rEDIT\r\r\nhere\r\n\xED\x40 ibm\x81"));
}

// Bytes the encoding cannot decode ride through the control as the lone surrogates that name
// them: an edit on their own line or on another keeps every one of them.
TEST_F(RealDocumentsTest, UndecodableBytesSurviveAnEditOnTheirLineAndOnAnother) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xEF\xBB\xBFline 1\r\nline 2\r\n\xC0\xAF\x80\xFF\r\nline 4", "line 1"},
      {"\xEF\xBB\xBF\xE3\x81\x82\na\xFF" "b\nlast\n", "last"},
      {"\x82\r\nok\r\n", "ok"},
      {"\xFF\xFE" + encodeText("a\r\nb", TextEncoding::Utf16Le) + "x", "a"},
  };
  for (const auto& [bytes, other] : cases) {
    for (const bool sameLine : {false, true}) {
      put(path("bad.txt"), bytes);
      commands.fileYomikomi(path("bad.txt"));
      const std::string text = memo1.text();
      // Typed at the start of the line holding the first undecodable byte, or of the other line.
      const std::size_t escape = text.find("\xED\xB2");
      const int line = sameLine && escape != std::string::npos ? memo1.lineFromOffset(static_cast<int>(escape))
                                                               : memo1.lineFromOffset(static_cast<int>(text.find(other)));
      memo1.setSelStart(memo1.lineStart(line));
      memo1.replaceSel("X");
      commands.tbtnUwagakiClick();
      ui.shown.clear();
      const std::string written = read(path("bad.txt"));
      const std::string x = encodeText("X", document.encoding);
      EXPECT_EQ(written.size(), bytes.size() + x.size()) << hexOf(bytes) << (sameLine ? " same line" : " other line");
      std::string withoutX = written;
      const std::size_t at = written.find(x, byteOrderMark(document.encoding).size());
      ASSERT_NE(at, std::string::npos);
      withoutX.erase(at, x.size());
      EXPECT_EQ(hexOf(withoutX), hexOf(bytes)) << (sameLine ? " same line" : " other line");
    }
  }
}

TEST_F(RealDocumentsTest, RtfKeepsCharactersCp932CannotHold) {
  memo1.loadText("before");
  SendMessageW(memo1.hwnd(), EM_SETSEL, 6, 6);
  SendMessageW(memo1.hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"\x9DD7\xD83D\xDE00"));
  memo1.setModified(true);
  dialogs.saveAnswers.push_back({true, path("keep.kpo"), 2});
  commands.tbtnSaveClick();
  const std::string rtf = read(path("keep.kpo"));
  EXPECT_NE(rtf.find("\\u"), std::string::npos);
  commands.fileYomikomi(path("keep.kpo"));
  EXPECT_EQ(memo1.text().substr(0, 13), "before\u9DD7\U0001F600");
}

TEST_F(RealDocumentsTest, BadFilesAreRefusedOrShownAndNothingOnDiskChanges) {
  std::string binary;
  for (int i = 0; i < 3000; ++i) binary += static_cast<char>((i * 131) & 0xFF);
  put(path("empty.txt"), "");
  put(path("binary.txt"), binary);
  put(path("binary.kpo"), binary);
  put(path("locked.txt"), "locked");
  CreateDirectoryW(win32::widen(path("folder.txt")).c_str(), nullptr);

  // An empty file and a binary one open as the text they are; saving them unchanged writes them back.
  EXPECT_EQ(openAndSave(path("empty.txt"), ""), "");
  EXPECT_EQ(openAndSave(path("binary.txt"), binary), binary);
  // Binary under .kpo is not RTF: shown as text, the file untouched.
  commands.fileYomikomi(path("binary.kpo"));
  EXPECT_EQ(document.path(), path("binary.kpo"));
  EXPECT_EQ(read(path("binary.kpo")), binary);
  EXPECT_TRUE(ui.shown.empty());

  // A folder and a file another program is writing cannot be opened: the open-failure message.
  HANDLE writer = CreateFileW(win32::widen(path("locked.txt")).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  for (const auto& name : {path("folder.txt"), path("locked.txt")}) {
    ui.shown.clear();
    commands.fileYomikomi(name);
    ASSERT_EQ(ui.shown.size(), 1u) << name;
    EXPECT_EQ(ui.shown[0].text, name + "\r\n\r\nという名前のファイルは無いかもしれません");
    EXPECT_EQ(document.path(), path("binary.kpo"));
  }
  CloseHandle(writer);
  EXPECT_EQ(read(path("locked.txt")), "locked");

  // RTF cut short half-way: refused with its own message; the open document stays.
  memo1.loadText("styled text\r\nsecond line");
  const std::string rtf = memo1.rtf();
  const std::string half = rtf.substr(0, rtf.size() / 2);
  put(path("cut.kpo"), half);
  ui.shown.clear();
  commands.fileYomikomi(path("cut.kpo"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, path("cut.kpo") + "\r\n\r\nはカキポ形式（RTF）の途中までしかないため開けません");
  EXPECT_EQ(document.path(), path("binary.kpo"));
  EXPECT_EQ(memo1.text(), "styled text\r\nsecond line");
  EXPECT_EQ(read(path("cut.kpo")), half);
}

TEST_F(RealDocumentsTest, FileLargerThanTheEditorCanHoldIsRefusedWithoutReadingIt) {
  const std::string name = path("huge.txt");
  HANDLE h = CreateFileW(win32::widen(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  LARGE_INTEGER at;
  at.QuadPart = 0x80000001LL;  // sparse: a byte past what an int offset can reach
  ASSERT_TRUE(SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
  ASSERT_TRUE(SetEndOfFile(h));
  CloseHandle(h);
  ui.answers.push_back(mb::idOk);  // yes, load the large file
  commands.fileYomikomi(name);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text, name + "\r\n\r\nは大きすぎてカキポでは開けません");
  EXPECT_EQ(document.path(), "");
  DeleteFileW(win32::widen(name).c_str());
}

}  // namespace
}  // namespace kakipo::test
