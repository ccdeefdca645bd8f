// The date printed in the headings of the reports' pages.
#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/locale.h"

namespace ventro {

// `today` in the locale's "ddd d MMM yy" when its day, month and year are plausible (1 to 31, 1
// to 12, 1980 on); otherwise "%2d/%2d/%d".
std::string ReportDateText(Locale& locale, const LocalTime& today);

}  // namespace ventro
