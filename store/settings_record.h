// The settings record: every setting, counter and operator datum of the program in one block
// of 15,018 bytes, stored byte for byte as vt.cfg. Accessors read and write the fields in
// place; bytes no accessor names are carried unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace ventro {

// Minute, hour, day, month and year of a start, stop or backup.
struct TimeStamp {
  int32_t minute = 0;
  int32_t hour = 0;
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;
};

struct Date {
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;
};

class SettingsRecord {
 public:
  static constexpr size_t kSize = 15018;

  SettingsRecord() { bytes_.fill(0); }

  uint8_t* data() { return bytes_.data(); }
  const uint8_t* data() const { return bytes_.data(); }
  std::string_view view() const {
    return {reinterpret_cast<const char*>(bytes_.data()), bytes_.size()};
  }

  // First run: zeroes the counter blocks and writes every first-run default, with `today` as
  // the first-run and history-from dates.
  void ApplyFirstRunDefaults(const LocalTime& today);

  // --- fields (offsets are fixed by the file layout) ---
  TimeStamp last_start() const;
  void set_last_start(const TimeStamp& stamp);

  // Store print heading line k, 1 to 7.
  std::string heading_line(int k) const;
  void set_heading_line(int k, std::string_view text);

  // Tax name n, 1 or 2.
  std::string tax_name(int n) const;
  void set_tax_name(int n, std::string_view text);

  int32_t next_transaction() const;
  void set_next_transaction(int32_t value);

  Date history_from() const;
  void set_history_from(const Date& date);
  Date first_run_date() const;
  void set_first_run_date(const Date& date);

  std::string currency_symbol() const;
  void set_currency_symbol(std::string_view symbol);
  uint8_t currency_taken() const;
  void set_currency_taken(uint8_t value);

  int32_t current_category() const;
  void set_current_category(int32_t value);
  int32_t start_category() const;
  void set_start_category(int32_t value);

  int32_t pole_in_use() const;
  int32_t button_tips_off() const;
  int32_t tips_off() const;
  int32_t language() const;
  void set_language(int32_t value);

  int64_t signed_on_clerk() const;
  void set_signed_on_clerk(int64_t value);
  // Clerk n, 1 to 100.
  std::string clerk_name(int n) const;
  void set_clerk_name(int n, std::string_view text);

  // Category code of category c, 0 to 17 (three characters); 18 gives "ALL".
  std::string category_code(int c) const;
  void set_category_code(int c, std::string_view code);

 private:
  std::array<uint8_t, kSize> bytes_;
};

}  // namespace ventro
