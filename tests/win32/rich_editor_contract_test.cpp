#include <windows.h>

#include <algorithm>

#include "core/errors.h"
#include "support/editor_contract.h"
#include "win32/rich_editor.h"
#include "win32/window_probe.h"

namespace kakipo::test {
namespace {


struct RichEditorFixture {
  HWND host = makeHost();
  win32::RichEditor memo{host, 100, 10000000};
  ~RichEditorFixture() { DestroyWindow(host); }
  Editor& editor() { return memo; }
  void setText(const std::string& s) { memo.loadText(s); }
};

using Implementations = ::testing::Types<RichEditorFixture>;
INSTANTIATE_TYPED_TEST_SUITE_P(RichEdit, EditorContract, Implementations);


TEST(RichEditor, RtfSaveThenLoadKeepsTextAndFormatting) {
  RichEditorFixture f;
  f.setText("太字の行\r\nふつう");
  f.memo.setSelStart(0);
  f.memo.setSelLength(12);
  Font bold;
  bold.style.bold = true;
  bold.color = 0x0000FF;
  f.memo.setSelectionFormat(bold);
  const std::string rtf = f.memo.rtf();
  ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u);
  RichEditorFixture g;
  g.memo.loadRtf(rtf);
  EXPECT_EQ(g.memo.text().substr(0, 23), "太字の行\r\nふつう");
  g.memo.setSelStart(3);
  g.memo.setSelLength(3);
  EXPECT_TRUE(g.memo.selectionFormat().style.bold);
  EXPECT_EQ(g.memo.selectionFormat().color, 0x0000FFu);
  g.memo.setSelStart(17);
  g.memo.setSelLength(3);
  EXPECT_FALSE(g.memo.selectionFormat().style.bold);
}

TEST(RichEditor, HoldsMoreThanTheDefaultLimit) {
  RichEditorFixture f;
  const std::string big(100000, 'x');
  f.memo.loadText(big);
  EXPECT_EQ(f.memo.textLength(), 100000);
}

}  // namespace
}  // namespace kakipo::test

namespace kakipo::test {
namespace {

// The control reads RTF itself: a file cut short fails part-way through the read, after the
// control has taken some of it, and must still cost the styled document that is open nothing. So
// must a cancel pressed while the control lays out or paints a long line, which nothing
// interrupts: it is seen only once the new control holds the whole text, or has been shown.
TEST(RichEditor, AReadThatFailsPartWayOrIsCancelledLateLeavesAStyledDocumentAsItWas) {
  HWND host = makeHost();
  {
    win32::RichEditor memo(host, 100, 1000);
    memo.loadRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 plain \\b bold\\b0  end\\par}");
    memo.setSelStart(8);
    memo.setSelLength(1);
    ASSERT_TRUE(memo.selectionFormat().style.bold);
    const std::string rtf = memo.rtf();
    const std::string before = memo.text();
    EXPECT_THROW(memo.loadRtf(rtf.substr(0, rtf.size() / 2)), Error);
    EXPECT_THROW(memo.loadText(std::string(1001, 'x')), DocumentTooLarge);
    using Test = bool (*)(HWND);
    const Test holdsAll = [](HWND h) { return GetWindowTextLengthW(h) == 3; };
    const Test shown = [](HWND h) { return (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0; };
    for (const Test is : {holdsAll, shown}) {
      const auto seen = [&] {
        for (HWND h = GetWindow(host, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
          if (h != memo.hwnd() && is(h)) return true;
        return false;
      };
      EXPECT_THROW(memo.loadText("new", nullptr, seen), LoadCancelled);
    }
    EXPECT_EQ(memo.text(), before);
    EXPECT_EQ(memo.selStart(), 8);
    EXPECT_EQ(memo.selLength(), 1);
    EXPECT_TRUE(memo.selectionFormat().style.bold);
  }
  DestroyWindow(host);
}

TEST(RichEditor, RefusesStreamsItCannotHoldWhole) {
  HWND host = makeHost();
  {
    win32::RichEditor small(host, 100, 10);
    small.loadText("0123456789");  // exactly the limit
    EXPECT_EQ(small.text(), "0123456789");
    EXPECT_THROW(small.loadText("0123456789A"), DocumentTooLarge);
    EXPECT_THROW(small.loadRtf("plain words, not RTF"), Error);
  }
  DestroyWindow(host);
}

}  // namespace
}  // namespace kakipo::test

namespace kakipo::test {
namespace {

TEST(RichEditor, LargeTextsGoInWithNoExtraLineBreaks) {
  HWND host = makeHost();
  {
    win32::RichEditor memo(host, 100, 10000000);
    memo.loadText("first\r\nsecond");
    std::string large;
    for (int i = 0; large.size() < 100000; ++i) large += "貼り付け行 " + std::to_string(i) + " のテキスト abcdefghij\r\n";
    large += "おしまい";
    memo.insertLine(1, large);
    const std::string expected = "first\r\n" + large + "\r\nsecond";
    const std::string got = memo.text();
    EXPECT_EQ(got.size(), expected.size());
    EXPECT_TRUE(got == expected);
    EXPECT_EQ(memo.lineCount(), 2 + static_cast<int>(std::count(large.begin(), large.end(), '\n')) + 1);
    memo.loadText(large);
    EXPECT_EQ(memo.text().size(), large.size());
    EXPECT_TRUE(memo.text() == large);
  }
  DestroyWindow(host);
}

}  // namespace
}  // namespace kakipo::test
