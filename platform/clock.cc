#include "platform/clock.h"

namespace ventro {

int DayOfWeek(int year, int month, int day) {
  // Sakamoto's method.
  static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (month < 3) year -= 1;
  return (year + year / 4 - year / 100 + year / 400 + kOffsets[(month + 11) % 12] + day) % 7;
}

}  // namespace ventro
