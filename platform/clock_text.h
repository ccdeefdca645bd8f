// The shared time and date texts every part of the program stamps its records with.
#pragma once

#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/locale.h"

namespace ventro {

// "%02d/%02d/%d": day, month, year.
std::string DateText(const LocalTime& time);

// "%02d:%02d%02d/%02d/%d": hour, minute, day, month, year run together. Characters 0, 1, 3, 4
// are the hour and minute digits; the date starts at character 5.
std::string TimeAndDateText(const LocalTime& time);

// "HH:MM DD/MM/YYYY", the stamp that opens every entry of the day text log.
std::string DayLogStamp(const LocalTime& time);

// Reads the date part of a time-text-shaped `work_text` (day at characters 5-6, month at 8-9,
// year at 11-14) and, when the day is 1 to 31, the month 1 to 12 and the year 1980 or later,
// returns that date formatted by the locale with the picture "ddd d MMM yy" (at most 80
// characters); a date in those ranges that does not exist (31 April) is given in figures,
// "%02d/%02d/%d". Nothing when the date is outside the ranges.
std::optional<std::string> DateOrderConversion(Locale& locale, const std::string& work_text,
                                               const LocalTime& now);

// The date as a reader sees it in lists: the locale's short date of day/month/year, or
// "D:%2d M:%2d Y:%d" when the date is not valid or the locale's text has 20 characters or more.
std::string DisplayDate(Locale& locale, int day, int month, int year, const LocalTime& now);

struct CalendarDay {
  int day = 0;
  int month = 0;
  int year = 0;
  int day_of_week = 0;  // 0 Sunday
};

// `today` moved on by `days` days, one day at a time: 29 February is valid in every year
// divisible by 4, the other month lengths are fixed.
CalendarDay AddDays(const LocalTime& today, int days);

}  // namespace ventro
