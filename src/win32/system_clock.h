// Local time and the user's regional short-date and long-time formats behind the Clock port.
#pragma once
#include <windows.h>

#include <string>

#include "core/clock.h"

namespace kakipo::win32 {

class SystemClock : public Clock {
 public:
  SystemClock() { SystemClock::reloadFormats(); }
  LocalTime now() const override;
  std::string shortDate(const LocalTime& t) const override;
  std::string longTime(const LocalTime& t) const override;
  // Reads the user's format patterns again; the shell calls it on WM_SETTINGCHANGE "intl".
  void reloadFormats() override;
  std::int64_t tickMs() const override { return static_cast<std::int64_t>(GetTickCount64()); }

  const std::wstring& datePattern() const { return datePattern_; }
  const std::wstring& timePattern() const { return timePattern_; }

 private:
  std::wstring datePattern_;
  std::wstring timePattern_;
};

}  // namespace kakipo::win32
