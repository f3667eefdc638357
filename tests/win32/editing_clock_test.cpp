// The clock adapter against the user's regional settings, and the date stamp through it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "editing/status_bar.h"
#include "support/editing_fakes.h"
#include "support/memory_editor.h"
#include "win32/encoding.h"
#include "win32/system_clock.h"

namespace kakipo::win32 {
namespace {

std::wstring userSetting(LCTYPE type) {
  wchar_t buffer[128] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
  return buffer;
}

// What the system itself makes of a time with the user's short date and long time.
std::string systemDate(const SYSTEMTIME& st) {
  wchar_t buffer[128] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, 128);
  return win32::narrow(buffer);
}
std::string systemTime(const SYSTEMTIME& st) {
  wchar_t buffer[128] = {};
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buffer, 128);
  return win32::narrow(buffer);
}

TEST(SystemClockTest, FormatsWithTheUsersShortDateAndLongTime) {
  SystemClock clock;
  EXPECT_EQ(clock.datePattern(), userSetting(LOCALE_SSHORTDATE));
  EXPECT_EQ(clock.timePattern(), userSetting(LOCALE_STIMEFORMAT));
  const LocalTime t{2024, 3, 9, 6, 7, 5, 2, 0};
  const SYSTEMTIME st{2024, 3, 6, 9, 7, 5, 2, 0};
  EXPECT_EQ(clock.shortDate(t), systemDate(st));
  EXPECT_EQ(clock.longTime(t), systemTime(st));
  EXPECT_EQ(dateTimeText(clock, t), systemDate(st) + " " + systemTime(st));
  EXPECT_EQ(dateTimeText(clock, {2024, 3, 9, 6, 0, 0, 0, 500}), systemDate(st));
}

TEST(SystemClockTest, NewFormatsApplyOnlyAfterTheChangeIsAnnounced) {
  const std::wstring saved = userSetting(LOCALE_SSHORTDATE);
  SystemClock clock;
  test::MemoryEditor memo1;
  test::FakeStatusBar view;
  StatusBar bar(memo1, view, clock, [] { return std::string("Shift_JIS"); });
  const LocalTime t{2024, 3, 9, 6, 7, 5, 2, 0};
  const std::string before = clock.shortDate(t);

  ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, L"yyyy'\u5E74'M'\u6708'd'\u65E5'"));
  EXPECT_EQ(clock.shortDate(t), before);
  bar.regionalSettingsChanged();
  EXPECT_EQ(clock.shortDate(t), "2024年3月9日");
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, saved.c_str());
}

TEST(SystemClockTest, DateStampIsTheLocalTimeInTheRegionalFormats) {
  SystemClock clock;
  test::MemoryEditor memo1;
  test::FakeStatusBar view;
  StatusBar bar(memo1, view, clock, [] { return std::string("Shift_JIS"); });
  // The clock may tick between the stamp and the reading around it; retry until both agree.
  for (int attempt = 0; attempt < 5; ++attempt) {
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    memo1.setText("");
    bar.StatusBar1DblClick();
    bar.timerGyoRetTimer();
    GetLocalTime(&after);
    if (before.wSecond != after.wSecond) continue;
    const bool midnight = before.wHour == 0 && before.wMinute == 0 && before.wSecond == 0;
    // Appended piece by piece: GCC 12 at -O3 sees a false overlap (-Wrestrict) in " " + string.
    std::string expected = systemDate(before);
    if (!midnight) expected += ' ' + systemTime(before);
    EXPECT_EQ(memo1.text(), expected);
    EXPECT_EQ(view.panels[1], expected);
    EXPECT_EQ(view.panels[0], "1 : " + std::to_string(expected.size() + 1));
    return;
  }
  FAIL() << "the clock never held still for a stamp";
}

}  // namespace
}  // namespace kakipo::win32
