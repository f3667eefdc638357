// The status bar's caret and date-time panels, refreshed by the 200 ms timer, and the date stamp
// a double click on the bar puts into the document.
#pragma once
#include <string>

#include "core/clock.h"
#include "core/editor.h"
#include "editing/status_bar_view.h"

namespace kakipo {

inline constexpr int caretPanel = 0;
inline constexpr int dateTimePanel = 1;

// "line : column", both 1-based, the column in bytes.
std::string caretText(const CaretPos& caret);
// The short date, then a blank and the long time unless it is exactly midnight.
std::string dateTimeText(const Clock& clock, const LocalTime& t);

class StatusBar {
 public:
  StatusBar(Editor& memo1, StatusBarView& view, Clock& clock)
      : memo1_(memo1), view_(view), clock_(clock) {}

  // "Line-column timer": the caret and date-time panels, every 200 ms.
  void timerGyoRetTimer();
  // The date stamp: the date and time as the status bar shows them, inserted at the caret.
  void StatusBar1DblClick();
  // The system announced new regional settings (WM_SETTINGCHANGE "intl").
  void regionalSettingsChanged() { clock_.reloadFormats(); }

 private:
  Editor& memo1_;
  StatusBarView& view_;
  Clock& clock_;
};

}  // namespace kakipo
