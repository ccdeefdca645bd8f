// The system's local clock.
#pragma once

#include "platform/clock.h"

namespace ventro {

class QtClock : public Clock {
 public:
  LocalTime Now() override;
};

}  // namespace ventro
