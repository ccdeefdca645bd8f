#include "platform/clock_text.h"

#include "base/format.h"

namespace ventro {

std::string DateText(const LocalTime& time) {
  return StringPrintf("%02d/%02d/%d", time.day, time.month, time.year);
}

std::string TimeAndDateText(const LocalTime& time) {
  return StringPrintf("%02d:%02d%02d/%02d/%d", time.hour, time.minute, time.day, time.month,
                      time.year);
}

std::string DayLogStamp(const LocalTime& time) {
  return StringPrintf("%02d:%02d %s", time.hour, time.minute, DateText(time).c_str());
}

namespace {

// Whether the day exists in that month of the Gregorian calendar.
bool DayExists(int64_t day, int64_t month, int64_t year) {
  static constexpr int kMonthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int length = month == 2 && leap ? 29 : kMonthLength[month - 1];
  return day <= length;
}

}  // namespace

std::optional<std::string> DateOrderConversion(Locale& locale, const std::string& work_text,
                                               const LocalTime& now) {
  auto part = [&](size_t from, size_t length) -> int64_t {
    if (from >= work_text.size()) return 0;
    return AtoI64(work_text.substr(from, length));
  };
  int64_t day = part(5, 2);
  int64_t month = part(8, 2);
  int64_t year = part(11, 4);
  if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1980) return std::nullopt;
  // A stored date no calendar has (31 April) has no day name for the locale to give: it is
  // shown in figures, so a report still prints what was stored.
  if (!DayExists(day, month, year)) {
    return StringPrintf("%02d/%02d/%d", static_cast<int>(day), static_cast<int>(month),
                        static_cast<int>(year));
  }
  LocalTime date = now;
  date.day = static_cast<int>(day);
  date.month = static_cast<int>(month);
  date.year = static_cast<int>(year);
  date.day_of_week = DayOfWeek(date.year, date.month, date.day);
  std::string text = locale.FormatDate("ddd d MMM yy", date);
  if (text.size() > 80) text.resize(80);
  return text;
}

std::string DisplayDate(Locale& locale, int day, int month, int year, const LocalTime& now) {
  auto text = DateOrderConversion(locale, StringPrintf("00:00%2d/%2d/%d", day, month, year), now);
  if (!text || text->size() >= 20) return StringPrintf("D:%2d M:%2d Y:%d", day, month, year);
  return *text;
}

CalendarDay AddDays(const LocalTime& today, int days) {
  static constexpr int kMonthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  CalendarDay date{today.day, today.month, today.year, today.day_of_week};
  for (int i = 0; i < days; ++i) {
    date.day += 1;
    date.day_of_week = (date.day_of_week + 1) % 7;
    bool leap_day = date.month == 2 && date.day == 29 && date.year % 4 == 0;
    if (!leap_day && date.day > kMonthLength[(date.month + 11) % 12]) {
      date.day = 1;
      date.month += 1;
      if (date.month > 12) {
        date.month = 1;
        date.year += 1;
      }
    }
  }
  return date;
}

}  // namespace ventro
