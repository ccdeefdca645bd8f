#include "platform/locale.h"

#include "base/format.h"

namespace ventro {
namespace {

constexpr const char* kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};

}  // namespace

std::string EnglishLocale::FormatDate(std::string_view picture, const LocalTime& time) {
  std::string out;
  for (size_t i = 0; i < picture.size();) {
    char ch = picture[i];
    size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == ch) ++run;
    i += run;
    std::string day_name = kDayNames[time.day_of_week % 7];
    std::string month_name = kMonthNames[(time.month + 11) % 12];
    if (ch == 'd') {
      if (run == 1)
        out += StringPrintf("%d", time.day);
      else if (run == 2)
        out += StringPrintf("%02d", time.day);
      else if (run == 3)
        out += day_name.substr(0, 3);
      else
        out += day_name;
    } else if (ch == 'M') {
      if (run == 1)
        out += StringPrintf("%d", time.month);
      else if (run == 2)
        out += StringPrintf("%02d", time.month);
      else if (run == 3)
        out += month_name.substr(0, 3);
      else
        out += month_name;
    } else if (ch == 'y') {
      if (run <= 2)
        out += StringPrintf("%02d", time.year % 100);
      else
        out += StringPrintf("%d", time.year);
    } else {
      out.append(run, ch);
    }
  }
  return out;
}

}  // namespace ventro
