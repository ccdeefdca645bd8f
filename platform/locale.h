// The desktop's locale: long and short date texts and the currency symbol.
#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"

namespace ventro {

class Locale {
 public:
  virtual ~Locale() = default;
  // Formats `time` with a date picture such as "ddd d MMM yy", "dddd MMMM d yyyy" or
  // "MMM d yyyy" (d, dd, ddd, dddd, M, MM, MMM, MMMM, yy, yyyy as in Windows pictures).
  // Returns Windows-1252 text.
  virtual std::string FormatDate(std::string_view picture, const LocalTime& time) = 0;
  // The currency symbol, Windows-1252.
  virtual std::string CurrencySymbol() = 0;
};

// English names, for the script driver and tests; formats the same pictures.
class EnglishLocale : public Locale {
 public:
  explicit EnglishLocale(std::string currency_symbol = "$") : currency_(currency_symbol) {}
  std::string FormatDate(std::string_view picture, const LocalTime& time) override;
  std::string CurrencySymbol() override { return currency_; }

 private:
  std::string currency_;
};

}  // namespace ventro
