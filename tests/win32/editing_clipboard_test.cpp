// The clipboard adapter against the real clipboard, and the paste command reading through it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "editing/clipboard_commands.h"
#include "support/editing_fakes.h"
#include "support/memory_editor.h"
#include "support/scripted_ui.h"
#include "win32/clipboard.h"

namespace kakipo::win32 {
namespace {

class ClipboardAdapterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override {
    if (OpenClipboard(owner_)) {
      EmptyClipboard();
      CloseClipboard();
    }
    DestroyWindow(owner_);
  }

  // Puts raw UTF-16 units on the clipboard; withNul false leaves the terminating NUL out.
  void put(const std::wstring& units, bool withNul = true) {
    ASSERT_TRUE(OpenClipboard(owner_));
    EmptyClipboard();
    const std::size_t count = units.size() + (withNul ? 1 : 0);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, count * sizeof(wchar_t));
    auto* p = static_cast<wchar_t*>(GlobalLock(block));
    units.copy(p, units.size());
    if (withNul) p[units.size()] = L'\0';
    GlobalUnlock(block);
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, block), nullptr);
    CloseClipboard();
  }
  void putBitmapOnly() {
    ASSERT_TRUE(OpenClipboard(owner_));
    EmptyClipboard();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(SetClipboardData(CF_BITMAP, bitmap), nullptr);
    CloseClipboard();
  }

  HWND owner_ = nullptr;
};

// é and ½ have best-fit look-alikes in Shift_JIS; nothing is fitted to one.
TEST_F(ClipboardAdapterTest, ReadsEveryCharacterExactly) {
  Win32Clipboard clipboard(owner_);
  put(L"abc\r\n\u65E5\u672C\u8A9E\u2460\u8868caf\u00E9 \u00BD\U0001F600");
  ASSERT_TRUE(clipboard.hasText());
  EXPECT_EQ(clipboard.text(), "abc\r\n日本語①表café ½\U0001F600");
}

TEST_F(ClipboardAdapterTest, TextWithoutItsNulStopsAtTheBlocksEnd) {
  Win32Clipboard clipboard(owner_);
  put(L"abcd", false);
  // The system may itself end the text inside the block (Wine drops the last unit); what matters
  // is that nothing from beyond the block comes back.
  const std::string text = clipboard.text();
  EXPECT_GE(text.size(), 3u);
  EXPECT_LE(text.size(), 4u);
  EXPECT_EQ(std::string("abcd").compare(0, text.size(), text), 0);
}

TEST_F(ClipboardAdapterTest, PictureOnlyIsNoText) {
  Win32Clipboard clipboard(owner_);
  putBitmapOnly();
  EXPECT_FALSE(clipboard.hasText());

  test::MemoryEditor memo1;
  memo1.setText("doc");
  memo1.clipboard = "would be pasted";
  test::ScriptedMessageBoxes ui;
  test::RecordingProgressDialog progress;
  ClipboardCommands commands(memo1, ui, progress, clipboard);
  commands.popPasteClick();
  EXPECT_FALSE(commands.memo1KeyDown(vk::keyV, modifier::ctrl));
  EXPECT_EQ(memo1.text(), "doc");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ClipboardAdapterTest, LargeTextFromTheRealClipboardGoesInAsLines) {
  Win32Clipboard clipboard(owner_);
  // 50,000 double-byte characters: 100,000 bytes in Shift_JIS though only 50,000 UTF-16 units.
  put(std::wstring(50000, L'\u3042'));
  test::MemoryEditor memo1;
  memo1.setText("first");
  test::ScriptedMessageBoxes ui;
  ui.answers = {mb::idOk};
  test::RecordingProgressDialog progress;
  ClipboardCommands commands(memo1, ui, progress, clipboard);
  EXPECT_TRUE(commands.memo1KeyDown(vk::insert, modifier::shift));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(memo1.textLength(), 150000 + 2 + 5);
  EXPECT_EQ(memo1.line(1), "first");
}

}  // namespace
}  // namespace kakipo::win32
