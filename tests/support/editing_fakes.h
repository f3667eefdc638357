// Fakes of the ports the editing aids declare (clipboard, clock and formats, status bar, count
// window) and the recording progress dialog, for native tests.
#pragma once
#include <cstdio>
#include <map>
#include <string>

#include "core/clock.h"
#include "editing/clipboard.h"
#include "editing/count_window_view.h"
#include "editing/go_to_line.h"
#include "editing/status_bar_view.h"
#include "support/fake_progress.h"

namespace kakipo::test {

class FakeClipboard : public Clipboard {
 public:
  bool hasText() const override { return holdsText; }
  std::string text() const override { return holdsText ? contents : std::string(); }
  void setText(const std::string& s) {
    holdsText = true;
    contents = s;
  }

  bool holdsText = false;
  std::string contents;
};

// Formats like a Japanese desktop ("2024/03/09", "7:05:02"); a second pair of formats waits in
// pendingStyle until the test announces a change of regional settings.
class FakeClock : public Clock {
 public:
  enum class Style { Japanese, Iso };

  LocalTime now() const override { return time; }
  std::string shortDate(const LocalTime& t) const override {
    return format(style == Style::Japanese ? "%04d/%02d/%02d" : "%04d-%02d-%02d", t.year, t.month, t.day);
  }
  std::string longTime(const LocalTime& t) const override {
    return format(style == Style::Japanese ? "%d:%02d:%02d" : "%02d.%02d.%02d", t.hour, t.minute, t.second);
  }
  void reloadFormats() override {
    style = pendingStyle;
    ++reloads;
  }
  std::int64_t tickMs() const override { return ticks; }

  LocalTime time;
  std::int64_t ticks = 0;
  Style style = Style::Japanese;
  Style pendingStyle = Style::Japanese;
  int reloads = 0;

 private:
  static std::string format(const char* pattern, int a, int b, int c) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
  }
};

class FakeStatusBar : public StatusBarView {
 public:
  void setPanelText(int panel, const std::string& text) override {
    panels[panel] = text;
    ++writes;
  }
  void setNotice(const std::string& text) override { notice = text; }
  std::map<int, std::string> panels;
  std::string notice;
  int writes = 0;
};

class FakeCountWindow : public CountWindowView {
 public:
  bool countWindowOpen() const override { return open; }
  void openCountWindow() override { open = true; }
  void closeCountWindow() override { open = false; }
  void showCounts(const CountWindowTexts& t) override { shown = t; }
  bool open = false;
  CountWindowTexts shown;
};

// The go-to-line dialog, always cancelled (the Wine tests drive the real one).
class FakeGoToLineDialog : public GoToLineDialog {
 public:
  std::optional<std::string> askLineNumber(const std::string&,
                                           const std::function<std::string(const std::string&)>&) override {
    return std::nullopt;
  }
};

}  // namespace kakipo::test
