// The clock of a script run: the system's local time until the script sets one, which then
// stands still until the next setting.
#pragma once

#include <optional>
#include <string_view>

#include "platform/clock.h"

namespace ventro::script {

// "YYYY-MM-DD HH:MM" as a local time (day of week filled in); nothing when malformed or not a
// real date and time.
std::optional<LocalTime> ParseClock(std::string_view text);

class ScriptClock : public Clock {
 public:
  void Set(const LocalTime& time) { fixed_ = time; }
  LocalTime Now() override;

 private:
  std::optional<LocalTime> fixed_;
};

// The system's local time.
LocalTime SystemLocalTime();

}  // namespace ventro::script
