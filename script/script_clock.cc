#include "script/script_clock.h"

#include <ctime>

#include "base/format.h"

namespace ventro::script {

std::optional<LocalTime> ParseClock(std::string_view text) {
  // YYYY-MM-DD HH:MM
  if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':') {
    return std::nullopt;
  }
  for (size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u, 11u, 12u, 14u, 15u}) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  LocalTime time;
  time.year = static_cast<int>(AtoI64(text.substr(0, 4)));
  time.month = static_cast<int>(AtoI64(text.substr(5, 2)));
  time.day = static_cast<int>(AtoI64(text.substr(8, 2)));
  time.hour = static_cast<int>(AtoI64(text.substr(11, 2)));
  time.minute = static_cast<int>(AtoI64(text.substr(14, 2)));
  static constexpr int kMonthLength[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (time.year % 4 == 0 && time.year % 100 != 0) || time.year % 400 == 0;
  if (time.month < 1 || time.month > 12 || time.day < 1 ||
      time.day > kMonthLength[time.month - 1] || (time.month == 2 && time.day == 29 && !leap) ||
      time.hour > 23 || time.minute > 59) {
    return std::nullopt;
  }
  time.day_of_week = DayOfWeek(time.year, time.month, time.day);
  return time;
}

LocalTime ScriptClock::Now() { return fixed_ ? *fixed_ : SystemLocalTime(); }

LocalTime SystemLocalTime() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour,
          parts.tm_min,         parts.tm_sec,     parts.tm_wday};
}

}  // namespace ventro::script
