// The common dialogs under Wine: each test confirms the dialog from a timer, as a user pressing
// OK would, and checks what comes back through the port.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include <functional>

#include "win32/common_dialogs.h"
#include "win32/control_ids.h"
#include "win32/encoding.h"

namespace kakipo::win32 {
namespace {

HWND findDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM out) -> BOOL {
        wchar_t cls[16];
        GetClassNameW(w, cls, 16);
        if (wcscmp(cls, L"#32770") == 0 && IsWindowVisible(w)) {
          *reinterpret_cast<HWND*>(out) = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

int ticks = 0;
bool pressCancel = false;
std::function<void(HWND)> beforeConfirming;  // what the user does in the dialog first

// Presses OK (or Cancel) on the first dialog of this thread that shows; gives up after 20 s.
void CALLBACK confirm(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dlg = findDialog();
  if (dlg) {
    if (beforeConfirming) std::exchange(beforeConfirming, nullptr)(dlg);
    PostMessageW(dlg, WM_COMMAND, pressCancel ? IDCANCEL : IDOK, 0);
    KillTimer(nullptr, id);
  } else if (++ticks > 100) {
    KillTimer(nullptr, id);
  }
}

void confirmNextDialog(bool cancel = false) {
  ticks = 0;
  pressCancel = cancel;
  SetTimer(nullptr, 0, 200, confirm);
}

TEST(CommonDialogs, FilterBecomesNulSeparatedPairs) {
  const std::wstring f = dialogFilter("a *.txt|*.txt|b|*.*");
  EXPECT_EQ(f, std::wstring(L"a *.txt\0*.txt\0b\0*.*\0\0", 21));
}

TEST(CommonDialogs, SaveDialogReturnsTheSeededFullPathAndFilter) {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  const std::string seed = narrow(std::wstring(tmp)) + "メモ帳";
  Win32FileDialogs dialogs(nullptr);
  std::string name = seed;
  int filter = 2;
  TextEncoding encoding = TextEncoding::Utf8;
  confirmNextDialog();
  ASSERT_TRUE(dialogs.runSaveDialog(name, filter, encoding));
  EXPECT_EQ(name, seed);  // no extension added: the program asks about extensions itself
  EXPECT_EQ(filter, 2);
  EXPECT_EQ(encoding, TextEncoding::Utf8);

  confirmNextDialog(true);
  std::string kept = "unchanged";
  int keptFilter = 3;
  EXPECT_FALSE(dialogs.runOpenDialog(kept, keptFilter));
  EXPECT_EQ(kept, "unchanged");
  EXPECT_EQ(keptFilter, 3);
}

// The list below the file type starts at the document's encoding and gives back the one chosen.
TEST(CommonDialogs, SaveDialogOffersTheEncodings) {
  Win32FileDialogs dialogs(nullptr);
  std::string name = "C:\\memo.txt";
  int filter = 1;
  TextEncoding encoding = TextEncoding::Utf8Bom;
  std::vector<std::wstring> listed;
  std::wstring label;
  LRESULT seeded = -1;
  beforeConfirming = [&](HWND dialog) {
    const HWND child = FindWindowExW(dialog, nullptr, L"#32770", nullptr);
    ASSERT_TRUE(child);
    const HWND list = GetDlgItem(child, ids::saveEncodingList);
    for (int i = 0; i < SendMessageW(list, CB_GETCOUNT, 0, 0); ++i) {
      wchar_t item[32] = {};
      SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      listed.push_back(item);
    }
    wchar_t text[32] = {};
    GetDlgItemTextW(child, ids::saveEncodingLabel, text, 32);
    label = text;
    seeded = SendMessageW(list, CB_GETCURSEL, 0, 0);
    SendMessageW(list, CB_SETCURSEL, 4, 0);
  };
  confirmNextDialog();
  ASSERT_TRUE(dialogs.runSaveDialog(name, filter, encoding));
  EXPECT_EQ(listed, (std::vector<std::wstring>{L"Shift_JIS", L"UTF-8", L"UTF-8 BOM", L"UTF-16 LE", L"UTF-16 BE"}));
  EXPECT_EQ(label, L"文字コード(&E):");
  EXPECT_EQ(seeded, 2);
  EXPECT_EQ(encoding, TextEncoding::Utf16Be);
}

// A scalable Japanese face that this machine has, so the dialog can select what it is given.
std::wstring installedJapaneseFace() {
  std::wstring face;
  LOGFONTW lf{};
  lf.lfCharSet = SHIFTJIS_CHARSET;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(
      dc, &lf,
      [](const LOGFONTW* f, const TEXTMETRICW*, DWORD type, LPARAM out) -> int {
        if (f->lfFaceName[0] == L'@' || !(type & TRUETYPE_FONTTYPE)) return 1;
        *reinterpret_cast<std::wstring*>(out) = f->lfFaceName;
        return 0;
      },
      reinterpret_cast<LPARAM>(&face), 0);
  ReleaseDC(nullptr, dc);
  return face;
}

// Seeded as given, and offering no vertical faces, which this machine's Japanese fonts have.
TEST(CommonDialogs, FontComesBackAsSeeded) {
  Win32FontColourDialogs dialogs(nullptr);
  Font font;
  const std::wstring face = installedJapaneseFace();
  ASSERT_FALSE(face.empty());
  font.name = narrow(face);
  font.charset = 128;
  font.setHeight(-16);
  font.style.bold = true;
  font.style.underline = true;
  font.color = 0x000000FFu;
  std::wstring faces;  // the first letter of each
  beforeConfirming = [&](HWND dialog) {
    for (int i = 0; i < SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0); ++i) {
      wchar_t item[LF_FACESIZE] = {};
      SendDlgItemMessageW(dialog, cmb1, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
      faces += item[0];
    }
  };
  confirmNextDialog();
  ASSERT_TRUE(dialogs.chooseFont(font));
  EXPECT_FALSE(faces.empty());
  EXPECT_EQ(faces.find(L'@'), std::wstring::npos);
  EXPECT_EQ(font.height(), -16) << font.name << " " << font.charset;
  EXPECT_TRUE(font.style.bold);
  EXPECT_FALSE(font.style.italic);
  EXPECT_TRUE(font.style.underline);
  EXPECT_EQ(font.color, 0x000000FFu);
  EXPECT_EQ(font.name, narrow(face));
}

TEST(CommonDialogs, ColourDialogStartsFromTheCurrentColour) {
  Win32FontColourDialogs dialogs(nullptr);
  Colour c = 0x00336699u;
  confirmNextDialog();
  ASSERT_TRUE(dialogs.chooseColour(c));
  EXPECT_EQ(c, 0x00336699u);
  Colour system = clWindow;
  confirmNextDialog();
  ASSERT_TRUE(dialogs.chooseColour(system));
  EXPECT_EQ(system, static_cast<Colour>(GetSysColor(COLOR_WINDOW)));
}

TEST(CommonDialogs, LogFontConversionKeepsEveryField) {
  Font f(120);
  f.name = "ＭＳ Ｐゴシック";
  f.charset = 128;
  f.pitch = Pitch::Fixed;
  f.setHeight(-16);
  f.style = {false, true, false, true};
  const Font back = fromLogFont(toLogFont(f), f.color, 120);
  EXPECT_EQ(back, f);
}

}  // namespace
}  // namespace kakipo::win32
