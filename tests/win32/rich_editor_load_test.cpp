// Plain text is loaded in several reads so that the cancel is asked between them: the text must
// arrive as one read would bring it, and a cancel noticed only once the last read is in must still
// leave the open document.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include "core/errors.h"
#include "win32/controls/rich_edit.h"
#include "win32/rich_edit_stream.h"
#include "win32/rich_editor.h"

namespace kakipo::win32 {
namespace {

struct RichEditorLoad : ::testing::Test {
  HWND host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  RichEditor memo{host, 100, 10000000};
  ~RichEditorLoad() override { DestroyWindow(host); }
  HWND boldControl() {
    const HWND h = CreateWindowExW(0, MSFTEDIT_CLASS, L"", WS_CHILD | ES_MULTILINE, 0, 0, 200, 100, host, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    CHARFORMAT2W bold{};
    bold.cbSize = sizeof bold;
    bold.dwMask = CFM_BOLD;
    bold.dwEffects = CFE_BOLD;
    re::setCharFormat(h, SCF_DEFAULT, bold);
    return h;
  }
};

// Reads of three units cut next to every kind of break; a CR LF pair split between two reads
// would come back as two breaks, and a later read in another format than the first would make
// the whole text's format mixed.
TEST_F(RichEditorLoad, TextReadInPiecesIsTheTextOfOneRead) {
  const std::wstring text = L"ab\r\ncd\ref\ngh\r\n\r\n\u65e5\u672c\u8a9e\rx\n\nlast";
  const HWND pieces = boldControl();
  const HWND whole = boldControl();
  ASSERT_EQ(streamTextInPieces(pieces, text, {}, 3), StreamResult::Read);
  ASSERT_EQ(streamTextInPieces(whole, text, {}, text.size()), StreamResult::Read);
  EXPECT_EQ(re::allUnits(pieces), re::allUnits(whole));
  re::select(pieces, 0, -1);
  const CHARFORMAT2W all = re::charFormat(pieces, SCF_SELECTION);
  EXPECT_TRUE((all.dwMask & CFM_BOLD) && (all.dwEffects & CFE_BOLD));
}

// The control lays out and then paints one long line with nothing asked meanwhile: a cancel
// pressed during either is seen only afterwards, when the new control holds the whole text or has
// been shown over the current one.
TEST_F(RichEditorLoad, ACancelSeenAfterTheLayoutOrThePaintLeavesTheOpenDocument) {
  memo.load("old");
  using Test = bool (*)(HWND);
  const Test holdsAll = [](HWND h) { return GetWindowTextLengthW(h) == 3; };
  const Test shown = [](HWND h) { return (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0; };
  for (const Test is : {holdsAll, shown}) {
    const auto seen = [&] {
      for (HWND h = GetWindow(host, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (h != memo.hwnd() && is(h)) return true;
      return false;
    };
    EXPECT_THROW(memo.load("new", nullptr, seen), LoadCancelled);
    EXPECT_EQ(memo.text(), "old");
  }
}

}  // namespace
}  // namespace kakipo::win32
