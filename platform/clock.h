// The local clock. Tests and scripts set the time; the program reads the system's.
#pragma once

namespace ventro {

struct LocalTime {
  int year = 0;
  int month = 0;        // 1 to 12
  int day = 0;          // 1 to 31
  int hour = 0;         // 0 to 23
  int minute = 0;       // 0 to 59
  int second = 0;       // 0 to 59
  int day_of_week = 0;  // 0 Sunday to 6 Saturday
};

class Clock {
 public:
  virtual ~Clock() = default;
  // The current local time.
  virtual LocalTime Now() = 0;
};

// Day of the week (0 Sunday) of a Gregorian date.
int DayOfWeek(int year, int month, int day);

}  // namespace ventro
