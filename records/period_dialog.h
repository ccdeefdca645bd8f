// The period dialog ("Invest"): a start and an end day, month and year chosen from lists, for
// the work that walks the day logs of a period.
#pragma once

#include <optional>

#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace ventro {

struct Period {
  Date start;
  Date end;
};

// Days in `month` of `year` as the day logs count them: February has 29 days in every year
// divisible by 4.
int DaysInMonth(int month, int year);

// The day after `date`, by DaysInMonth.
Date NextDay(const Date& date);
// The day before `date`, by DaysInMonth.
Date PreviousDay(const Date& date);

// Whether `a` comes before `b`.
bool DateBefore(const Date& a, const Date& b);

// Asks for the period: years from `first_year` to `today`'s. A list left without a choice, or
// an end before the start, gives "Invalid selection" titled "Problem" and no period. A day past
// the end of its month is taken as the month's last day (31 April is 30 April). Nothing when
// cancelled.
std::optional<Period> RunPeriodDialog(Ui& ui, int first_year, const LocalTime& today);

}  // namespace ventro
