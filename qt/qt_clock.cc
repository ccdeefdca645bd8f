#include "qt/qt_clock.h"

#include <QDateTime>

namespace ventro {

LocalTime QtClock::Now() {
  QDateTime now = QDateTime::currentDateTime();
  QDate date = now.date();
  QTime time = now.time();
  // Qt counts Monday 1 to Sunday 7; the core counts Sunday 0 to Saturday 6.
  return {date.year(),   date.month(),  date.day(),          time.hour(),
          time.minute(), time.second(), date.dayOfWeek() % 7};
}

}  // namespace ventro
