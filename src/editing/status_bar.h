// The status bar's caret, date-time and encoding panels (the fourth, the count, is the count keeper's), refreshed by the 200 ms timer, and the
// date stamp a double click on the bar puts into the document.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/editor.h"
#include "editing/status_bar_view.h"

namespace kakipo {

inline constexpr int caretPanel = 0;
inline constexpr int dateTimePanel = 1;
inline constexpr int encodingPanel = 2;
// Written by the count keeper (editing/count_keeper.h), not by the timer here.
inline constexpr int countPanel = 3;
inline constexpr int zoomPanel = 4;

// The zoom panel's text: "120%".
std::string zoomText(int percent);

// "line : column", both 1-based; the column counts the bytes of the line before the caret as
// Shift_JIS writes them (head: that part of the line), a character it cannot hold as one, a
// variation selector as none.
std::string caretText(int line, std::string_view head);
// The short date, then a blank and the long time unless it is exactly midnight.
std::string dateTimeText(const Clock& clock, const LocalTime& t);
class StatusBar {
 public:
  // encodingText: what the encoding panel shows for the document as it is now.
  StatusBar(Editor& memo1, StatusBarView& view, Clock& clock, std::function<std::string()> encodingText)
      : memo1_(memo1), view_(view), clock_(clock), encodingText_(std::move(encodingText)) {}

  // "Line-column timer": the caret and date-time panels every 200 ms, and the encoding panel
  // when the document's encoding has changed.
  void timerGyoRetTimer();
  // The date stamp: the date and time as the status bar shows them, inserted at the caret.
  void StatusBar1DblClick();
  // The system announced new regional settings (WM_SETTINGCHANGE "intl").
  void regionalSettingsChanged() { clock_.reloadFormats(); }
  // A notice that needs no answer, across the bar for a few seconds.
  void showNotice(const std::string& text);

  static constexpr int noticeTicks = 25;  // five seconds of the 200 ms timer

 private:
  Editor& memo1_;
  StatusBarView& view_;
  Clock& clock_;
  std::function<std::string()> encodingText_;
  std::string encodingShown_;
  int noticeLeft_ = 0;
};

}  // namespace kakipo
