#include "qt/qt_locale.h"

#include <algorithm>

#include <QDate>

#include "qt/text.h"

namespace ventro {

QString QtDateFormat(std::string_view picture) {
  QString format;
  QString literal;
  auto flush_literal = [&] {
    if (literal.isEmpty()) return;
    format += u'\'' + QString(literal).replace(u'\'', QStringLiteral("''")) + u'\'';
    literal.clear();
  };
  for (size_t i = 0; i < picture.size();) {
    char ch = picture[i];
    if (ch == '\'') {
      // Quoted text stands as it is; two quotes in a row stand for one.
      size_t end = std::min(picture.find('\'', i + 1), picture.size());
      std::string_view quoted = picture.substr(i + 1, end - i - 1);
      literal += quoted.empty() && end < picture.size() ? QStringLiteral("'") : ToQt(quoted);
      i = end + 1;
      continue;
    }
    size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == ch) ++run;
    i += run;
    if (ch == 'd' || ch == 'M') {
      flush_literal();
      format += QString(static_cast<qsizetype>(std::min<size_t>(run, 4)), QChar(ch));
    } else if (ch == 'y') {
      flush_literal();
      format += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
    } else {
      literal += ToQt(std::string(run, ch));
    }
  }
  flush_literal();
  return format;
}

std::string QtLocale::FormatDate(std::string_view picture, const LocalTime& time) {
  QDate date(time.year, time.month, time.day);
  return ToCore(locale_.toString(date, QtDateFormat(picture)));
}

std::string QtLocale::CurrencySymbol() {
  QString symbol = locale_.currencySymbol(QLocale::CurrencySymbol);
  if (!FitsCp1252(symbol)) symbol = locale_.currencySymbol(QLocale::CurrencyIsoCode);
  if (symbol.isEmpty() || !FitsCp1252(symbol)) return "$";
  return ToCore(symbol);
}

}  // namespace ventro
