#include "win32/system_clock.h"

#include "core/errors.h"
#include "editing/system_texts.h"
#include "win32/encoding.h"

namespace kakipo::win32 {

namespace {

SYSTEMTIME toSystemTime(const LocalTime& t) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.year);
  st.wMonth = static_cast<WORD>(t.month);
  st.wDay = static_cast<WORD>(t.day);
  st.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  st.wMilliseconds = static_cast<WORD>(t.millisecond);
  return st;
}

std::wstring localeText(LCTYPE type) {
  const int size = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, nullptr, 0);
  if (size <= 0) return {};
  std::wstring s(static_cast<std::size_t>(size), L'\0');
  GetLocaleInfoW(LOCALE_USER_DEFAULT, type, s.data(), size);
  s.resize(static_cast<std::size_t>(size - 1));
  return s;
}

template <class Format>
std::string formatWith(Format format, const SYSTEMTIME& st, const std::wstring& pattern) {
  const wchar_t* p = pattern.empty() ? nullptr : pattern.c_str();
  const int size = format(LOCALE_USER_DEFAULT, 0, &st, p, nullptr, 0);
  if (size <= 0) throw Error(texts::clockFormatFailed);
  std::wstring s(static_cast<std::size_t>(size), L'\0');
  format(LOCALE_USER_DEFAULT, 0, &st, p, s.data(), size);
  s.resize(static_cast<std::size_t>(size - 1));
  return narrow(s);
}

}  // namespace

LocalTime SystemClock::now() const {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

// Formatting with the patterns read last, not with the live settings, so that a change takes
// effect when the system announces it and every tick in between agrees with the one before.
std::string SystemClock::shortDate(const LocalTime& t) const {
  return formatWith(GetDateFormatW, toSystemTime(t), datePattern_);
}

std::string SystemClock::longTime(const LocalTime& t) const {
  return formatWith(GetTimeFormatW, toSystemTime(t), timePattern_);
}

void SystemClock::reloadFormats() {
  datePattern_ = localeText(LOCALE_SSHORTDATE);
  timePattern_ = localeText(LOCALE_STIMEFORMAT);
}

}  // namespace kakipo::win32
