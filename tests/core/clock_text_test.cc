#include <gtest/gtest.h>

#include "platform/clock_text.h"

namespace ventro {
namespace {

LocalTime At(int year, int month, int day, int hour = 9, int minute = 5) {
  return {year, month, day, hour, minute, 0, DayOfWeek(year, month, day)};
}

TEST(ClockTextTest, TimeTextsKeepTheirCharacterPositions) {
  LocalTime time = At(2026, 3, 7, 8, 4);
  EXPECT_EQ(DateText(time), "07/03/2026");
  EXPECT_EQ(TimeAndDateText(time), "08:0407/03/2026");
  EXPECT_EQ(DayLogStamp(time), "08:04 07/03/2026");
}

TEST(ClockTextTest, DateOrderConversionChecksTheDateBeforeFormatting) {
  EnglishLocale locale;
  LocalTime now = At(2026, 12, 6);
  EXPECT_EQ(DateOrderConversion(locale, "00:00 6/12/2026", now), "Sun 6 Dec 26");
  EXPECT_EQ(DateOrderConversion(locale, "10:1531/01/1980", now), "Thu 31 Jan 80");
  EXPECT_FALSE(DateOrderConversion(locale, "00:0032/01/2026", now));
  EXPECT_FALSE(DateOrderConversion(locale, "00:0001/13/2026", now));
  EXPECT_FALSE(DateOrderConversion(locale, "00:0001/01/1979", now));
  EXPECT_FALSE(DateOrderConversion(locale, "NEW", now));
  EXPECT_EQ(DisplayDate(locale, 6, 12, 2026, now), "Sun 6 Dec 26");
  EXPECT_EQ(DisplayDate(locale, 0, 12, 2026, now), "D: 0 M:12 Y:2026");
}

// A date inside the range checks that no calendar has (31 April, 29 February of a common
// year) still gives a text a report can print: the date in figures.
TEST(ClockTextTest, ADateThatDoesNotExistIsGivenInFigures) {
  EnglishLocale locale;
  LocalTime now = At(2026, 12, 6);
  EXPECT_EQ(DateOrderConversion(locale, "00:0031/04/2026", now), "31/04/2026");
  EXPECT_EQ(DateOrderConversion(locale, "00:0029/02/2027", now), "29/02/2027");
  EXPECT_EQ(DateOrderConversion(locale, "00:0029/02/2028", now), "Tue 29 Feb 28");
  EXPECT_EQ(DisplayDate(locale, 31, 4, 2026, now), "31/04/2026");
  EXPECT_EQ(DisplayDate(locale, 31, 6, 2026, now), "31/06/2026");
}

TEST(ClockTextTest, AddDaysFollowsTheMonthTable) {
  auto after = [](LocalTime from, int days) {
    CalendarDay d = AddDays(from, days);
    return std::to_string(d.day) + "/" + std::to_string(d.month) + "/" + std::to_string(d.year) +
           " " + std::to_string(d.day_of_week);
  };
  EXPECT_EQ(after(At(2028, 2, 28), 1), "29/2/2028 2");  // leap year
  EXPECT_EQ(after(At(2027, 2, 28), 1), "1/3/2027 1");
  EXPECT_EQ(after(At(2026, 12, 31), 1), "1/1/2027 5");
  EXPECT_EQ(after(At(2026, 12, 6), 0), "6/12/2026 0");
  EXPECT_EQ(after(At(2026, 1, 30), 33), "4/3/2026 3");
}

}  // namespace
}  // namespace ventro
