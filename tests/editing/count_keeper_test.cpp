#include "editing/count_keeper.h"

#include <gtest/gtest.h>

#include "editing/status_bar.h"
#include "support/editing_fakes.h"
#include "support/memory_editor.h"

namespace kakipo {
namespace {

// An editor that tells how often the counts read its text.
struct ReadCounting : test::MemoryEditor {
  std::string textRange(int start, int length) const override {
    ++reads;
    return MemoryEditor::textRange(start, length);
  }
  mutable int reads = 0;
};

const std::string sample = "日本語 ABC\r\nｶﾅ　。𠮷";  // 31 bytes, the first 13 "日本語 ABC"

struct CountKeeperTest : ::testing::Test {
  ReadCounting memo1;
  test::FakeStatusBar bar;
  test::FakeCountWindow window;
  test::FakeClock clock;
  CountKeeper keeper{memo1, bar, window, clock, 40};  // the sample fits in a slice
  std::string panel() { return bar.panels[countPanel]; }
  void change(std::int64_t at) {
    clock.ticks = at;
    keeper.memo1Change();
  }
  void tick(std::int64_t at) {
    clock.ticks = at;
    keeper.timerGyoRetTimer();
  }
  int ticksUntilCounted(std::int64_t at) {
    int ticks = 0;
    for (; ticks < 100 && (ticks == 0 || keeper.display().counting); ++ticks) tick(at);
    return ticks;
  }
};

TEST(CountDisplay, PanelAndWindowTexts) {
  const TextCounts c{1234567, 1000, 18, 2, 3, 5};
  EXPECT_EQ(countPanelText({CountScope::Document, std::nullopt, true}), "数えています…");
  EXPECT_EQ(countPanelText({CountScope::Document, c, false}), "1,234,567 文字");
  EXPECT_EQ(countPanelText({CountScope::Selection, c, true}), "1,234,567 文字…");
  EXPECT_EQ(countWindowTexts({CountScope::Selection, c, false}),
            (CountWindowTexts{"選択範囲", {"1,234,567", "1,000", "18", "2", "3 枚（最後は 5 行）"}}));
  EXPECT_EQ(countWindowTexts({CountScope::Document, TextCounts{}, true}),
            (CountWindowTexts{"文書全体（数えています…）", {"0", "0", "0", "0", "0 枚"}}));
}

TEST_F(CountKeeperTest, TheSelectionAtTheNextTickThenTheDocumentAgain) {
  memo1.setText(sample);
  keeper.showCountWindow();
  tick(0);
  memo1.select(0, 13);
  keeper.memo1SelChange();
  tick(200);
  EXPECT_EQ(window.shown, (CountWindowTexts{"選択範囲", {"7", "6", "10", "1", "1 枚（最後は 1 行）"}}));
  memo1.select(13, 0);
  keeper.memo1SelChange();
  const int reads = memo1.reads;
  tick(400);
  EXPECT_EQ(memo1.reads, reads);  // the document's counts were still good
  EXPECT_EQ(window.shown, (CountWindowTexts{"文書全体", {"12", "10", "18", "2", "1 枚（最後は 2 行）"}}));
  memo1.replaceSel("x");
  change(1000);
  tick(1200);  // no pause needed: it fits in a slice
  EXPECT_EQ(panel(), "13 文字");
}

// Slices cut inside characters and line breaks; a change during the count starts it again.
TEST_F(CountKeeperTest, ALongDocumentIsCountedAfterAPauseASliceATick) {
  const std::string text = sample + "\r\n" + sample + "\r\n" + sample;
  memo1.setText(text);
  EXPECT_EQ(ticksUntilCounted(0), 3);
  EXPECT_EQ(keeper.display().counts, countText(text));
  memo1.select(0, 0);
  memo1.replaceSel("\r\n");
  change(1000);
  tick(1200);
  tick(1400);
  EXPECT_EQ(panel(), "36 文字…");
  tick(1500);  // the pause is over
  memo1.replaceSel("x");
  change(1600);
  const int reads = memo1.reads;
  tick(1800);
  EXPECT_EQ(memo1.reads, reads);
  ticksUntilCounted(2100);
  EXPECT_EQ(keeper.display().counts, countText("\r\nx" + text));
  EXPECT_EQ(panel(), "37 文字");
  memo1.selectAll();
  keeper.memo1SelChange();
  const int before = memo1.reads;
  tick(2300);
  EXPECT_EQ(memo1.reads, before);  // the document's counts, which are the selection's
  EXPECT_EQ(keeper.display(), (CountDisplay{CountScope::Selection, countText("\r\nx" + text), false}));
}

TEST_F(CountKeeperTest, ALongSelectionIsCountedFromItsStartASliceATick) {
  memo1.setText("xx" + sample + sample + "yy");
  memo1.select(2, 2 * static_cast<int>(sample.size()));
  keeper.memo1SelChange();
  EXPECT_EQ(ticksUntilCounted(0), 2);
  EXPECT_EQ(keeper.display(), (CountDisplay{CountScope::Selection, countText(sample + sample), false}));
}

TEST_F(CountKeeperTest, TheKeyOpensAndClosesTheWindowWhichShowsTheCountsAtOnce) {
  memo1.setText("abc");
  tick(0);
  keeper.toggleCountWindow();
  EXPECT_TRUE(window.open);
  EXPECT_EQ(window.shown.values[0], "3");
  keeper.toggleCountWindow();
  EXPECT_FALSE(window.open);
}

}  // namespace
}  // namespace kakipo
