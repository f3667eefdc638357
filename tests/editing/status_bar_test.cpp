#include "editing/status_bar.h"

#include <gtest/gtest.h>

#include "support/editing_fakes.h"
#include "support/memory_editor.h"

namespace kakipo {
namespace {

struct StatusBarTest : ::testing::Test {
  test::MemoryEditor memo1;
  test::FakeStatusBar view;
  test::FakeClock clock;
  std::string encoding = "Shift_JIS";
  StatusBar bar{memo1, view, clock, [this] { return encoding; }};
};

TEST_F(StatusBarTest, CaretTextIsOneBasedLineAndByteColumnOfTheSelectionsEnd) {
  struct Case {
    std::string text;
    int start, length;
    std::string shown;
  };
  for (const auto& c : {Case{"", 0, 0, "1 : 1"}, Case{"abc\r\ndef", 0, 0, "1 : 1"},
                        Case{"a\r\nb\r\nあいx", 12, 0, "3 : 5"},  // after two double-byte characters
                        Case{"\U0001F600x", 4, 0, "1 : 2"},  // Shift_JIS writes the emoji as one "?"
                        Case{"葛\U000E0100x", 7, 0, "1 : 3"},  // the selector takes no column
                        Case{"one\r\ntwo", 1, 6, "2 : 3"},      // the selection's end counts
                        Case{"one\r\n", 5, 0, "2 : 1"},
                        Case{std::string(1234, 'z') + "\r\n" + std::string(20, 'q'), 1236 + 20, 0, "2 : 21"}}) {
    memo1.setText(c.text);
    memo1.select(c.start, c.length);
    bar.timerGyoRetTimer();
    EXPECT_EQ(view.panels[0], c.shown) << c.text.substr(0, 20);
  }
}

TEST_F(StatusBarTest, DateTimeTextDropsTheTimeOnlyAtExactMidnight) {
  struct Case {
    LocalTime t;
    std::string shown;
  };
  for (const auto& c : {Case{{2024, 3, 9, 6, 7, 5, 2, 0}, "2024/03/09 7:05:02"},
                        Case{{2024, 3, 9, 6, 0, 0, 0, 0}, "2024/03/09"},
                        Case{{2024, 3, 9, 6, 0, 0, 0, 999}, "2024/03/09"},  // milliseconds ignored
                        Case{{2024, 3, 9, 6, 0, 0, 1, 0}, "2024/03/09 0:00:01"},
                        Case{{2024, 3, 9, 6, 0, 1, 0, 0}, "2024/03/09 0:01:00"},
                        Case{{2024, 3, 9, 6, 12, 0, 0, 0}, "2024/03/09 12:00:00"},
                        Case{{1999, 12, 31, 5, 23, 59, 59, 0}, "1999/12/31 23:59:59"}}) {
    clock.time = c.t;
    bar.timerGyoRetTimer();
    EXPECT_EQ(view.panels[1], c.shown);
    EXPECT_EQ(dateTimeText(clock, c.t), c.shown);
  }
}

TEST_F(StatusBarTest, EveryTickRewritesBothPanelsAndTheEncodingOnlyWhenItChanges) {
  bar.timerGyoRetTimer();
  bar.timerGyoRetTimer();
  EXPECT_EQ(view.writes, 5);
  EXPECT_EQ(view.panels[2], "Shift_JIS");
  encoding = "UTF-8 BOM";
  bar.timerGyoRetTimer();
  EXPECT_EQ(view.panels[2], "UTF-8 BOM");
  encoding = "RTF";
  bar.timerGyoRetTimer();
  EXPECT_EQ(view.panels[2], "RTF");
  EXPECT_EQ(view.writes, 11);
}

TEST_F(StatusBarTest, NewRegionalFormatsApplyFromTheAnnouncementOn) {
  clock.time = {2024, 3, 9, 6, 7, 5, 2, 0};
  clock.pendingStyle = test::FakeClock::Style::Iso;
  bar.timerGyoRetTimer();
  EXPECT_EQ(view.panels[1], "2024/03/09 7:05:02");
  bar.regionalSettingsChanged();
  bar.timerGyoRetTimer();
  EXPECT_EQ(view.panels[1], "2024-03-09 07.05.02");
  bar.StatusBar1DblClick();
  EXPECT_EQ(memo1.text(), "2024-03-09 07.05.02");
}

TEST_F(StatusBarTest, DateStampGoesInFrontOfTheSelectionWhichStays) {
  clock.time = {2024, 3, 9, 6, 7, 5, 2, 0};
  memo1.setText("Dear all,\r\nnotes");
  memo1.select(11, 5);
  const int firstVisible = memo1.firstVisibleLine();
  bar.StatusBar1DblClick();
  EXPECT_EQ(memo1.text(), "Dear all,\r\n2024/03/09 7:05:02notes");
  EXPECT_EQ(memo1.selStart(), 11 + 18);
  EXPECT_EQ(memo1.selLength(), 0);
  EXPECT_EQ(memo1.focusCount, 0);
  EXPECT_EQ(firstVisible, memo1.firstVisibleLine());
}

TEST_F(StatusBarTest, TwoStampsInOneSecondFollowEachOther) {
  clock.time = {2024, 1, 1, 1, 0, 0, 0, 0};
  memo1.setText("x");
  memo1.select(1, 0);
  bar.StatusBar1DblClick();
  bar.StatusBar1DblClick();
  EXPECT_EQ(memo1.text(), "x2024/01/012024/01/01");
}

TEST_F(StatusBarTest, DateStampScrollsToTheCaretOfALongDocument) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += "line\r\n";
  memo1.setText(text);
  memo1.select(6 * 150, 0);
  bar.StatusBar1DblClick();
  EXPECT_LE(memo1.firstVisibleLine(), 150);
  EXPECT_GT(memo1.firstVisibleLine() + test::MemoryEditor::visibleLines, 150);
}

}  // namespace
}  // namespace kakipo
