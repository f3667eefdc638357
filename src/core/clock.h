// Local date and time, and the user's regional formats for them, as the date stamp needs them;
// and a monotonic count of milliseconds for rules that wait.
#pragma once
#include <cstdint>
#include <string>

namespace kakipo {

struct LocalTime {
  int year = 2000;
  int month = 1;  // 1 ... 12
  int day = 1;    // 1 ... 31
  int dayOfWeek = 6;  // 0 = Sunday
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() const = 0;
  // The user's short date format and long time format, as they were last read.
  virtual std::string shortDate(const LocalTime& t) const = 0;
  virtual std::string longTime(const LocalTime& t) const = 0;
  // Reads the user's formats again; called when the system announces a change of them.
  virtual void reloadFormats() = 0;
  // Milliseconds since some fixed moment, never going back when the user sets the clock.
  virtual std::int64_t tickMs() const = 0;
};

}  // namespace kakipo
