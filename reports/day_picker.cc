#include "reports/day_picker.h"

#include <string>

#include "base/format.h"

namespace ventro {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int CalendarMonthLength(int month, int year) {
  static constexpr int kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kLength[month - 1];
}

DialogField NumberField(std::string key, std::string label, int value, size_t max_length) {
  DialogField field =
      TextField(std::move(key), std::move(label), StringPrintf("%d", value), max_length);
  field.kind = FieldKind::kNumber;
  return field;
}

// The number typed in `text`: one to four digits and nothing else.
std::optional<int> SmallNumber(const std::string& text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<Date> TypedDay(const Dialog& dialog) {
  std::optional<int> day = SmallNumber(dialog.Field("day").text);
  std::optional<int> month = SmallNumber(dialog.Field("month").text);
  std::optional<int> year = SmallNumber(dialog.Field("year").text);
  if (!day || !month || !year) return std::nullopt;
  Date date{*day, *month, *year};
  if (!IsCalendarDay(date)) return std::nullopt;
  return date;
}

}  // namespace

bool IsCalendarDay(const Date& date) {
  if (date.year < 1 || date.month < 1 || date.month > 12 || date.day < 1) return false;
  return date.day <= CalendarMonthLength(date.month, date.year);
}

std::optional<Date> PickDay(Ui& ui, const Date& start) {
  Dialog dialog;
  dialog.name = "THEPICK";
  dialog.title = "Please select the day";
  dialog.Add(NumberField("day", "Day", start.day, 2));
  dialog.Add(NumberField("month", "Month", start.month, 2));
  dialog.Add(NumberField("year", "Year", start.year, 4));
  while (ui.RunDialog(dialog) && dialog.Pressed("OK")) {
    if (std::optional<Date> day = TypedDay(dialog)) return day;
    ui.Message("Problem", "Invalid date", Icon::kWarning);
  }
  return std::nullopt;
}

}  // namespace ventro
