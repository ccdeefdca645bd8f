// The day picker ("THEPICK"): a day, month and year typed in, for the work that shows one
// trading day's figures or log.
#pragma once

#include <optional>

#include "formats/settings_record.h"
#include "platform/ui.h"

namespace ventro {

// Whether `date` is a day of the calendar (31 April is not; 29 February only in leap years).
bool IsCalendarDay(const Date& date);

// Asks "Please select the day", starting at `start`. A day that is not on the calendar, or a
// field that is not a number, gives "Invalid date" titled "Problem" and the dialog again with
// the values typed. Nothing when cancelled.
std::optional<Date> PickDay(Ui& ui, const Date& start);

}  // namespace ventro
