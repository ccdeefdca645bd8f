#include "reports/report_date.h"

#include "base/format.h"

namespace ventro {

std::string ReportDateText(Locale& locale, const LocalTime& today) {
  if (today.day >= 1 && today.day <= 31 && today.month >= 1 && today.month <= 12 &&
      today.year >= 1980) {
    std::string text = locale.FormatDate("ddd d MMM yy", today);
    if (!text.empty()) return text;
  }
  return StringPrintf("%2d/%2d/%d", today.day, today.month, today.year);
}

}  // namespace ventro
