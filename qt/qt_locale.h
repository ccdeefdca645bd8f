// Dates and the currency symbol in the desktop's locale.
#pragma once

#include <QLocale>
#include <QString>

#include "platform/locale.h"

namespace ventro {

class QtLocale : public Locale {
 public:
  // The system locale; tests pass a fixed one.
  explicit QtLocale(QLocale locale = QLocale::system()) : locale_(locale) {}

  std::string FormatDate(std::string_view picture, const LocalTime& time) override;
  // The locale's symbol; its ISO code when Windows-1252 cannot hold the symbol, and "$" when
  // the locale has none (the C locale), so that amounts never lose their sign.
  std::string CurrencySymbol() override;

 private:
  QLocale locale_;
};

// A date picture of d, M and y runs ("ddd d MMM yy") as a Qt date format; every other
// character is quoted so that Qt shows it as it stands.
QString QtDateFormat(std::string_view picture);

}  // namespace ventro
