#include "records/period_dialog.h"

#include <string>
#include <vector>

#include "base/format.h"

namespace ventro {
namespace {

constexpr int kMonthLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

std::vector<std::string> Numbers(int first, int last) {
  std::vector<std::string> numbers;
  for (int n = first; n <= last; ++n) numbers.push_back(StringPrintf("%d", n));
  return numbers;
}

void AddDateLists(Dialog& dialog, const std::string& prefix, const std::string& group,
                  const Date& date, int first_year, int last_year) {
  DialogField& day = dialog.Add(ChoiceField(prefix + "_day", "Day", Numbers(1, 31), date.day - 1));
  day.group = group;
  DialogField& month =
      dialog.Add(ChoiceField(prefix + "_month", "Month", Numbers(1, 12), date.month - 1));
  month.group = group;
  DialogField& year = dialog.Add(ChoiceField(
      prefix + "_year", "Year", Numbers(first_year, last_year), date.year - first_year));
  year.group = group;
}

// The date the three lists give, the day kept within its month; nothing when a list has no
// choice.
std::optional<Date> ChosenDate(const Dialog& dialog, const std::string& prefix, int first_year,
                               int last_year) {
  const DialogField& day = dialog.Field(prefix + "_day");
  const DialogField& month = dialog.Field(prefix + "_month");
  const DialogField& year = dialog.Field(prefix + "_year");
  if (day.choice < 0 || day.choice > 30 || month.choice < 0 || month.choice > 11 ||
      year.choice < 0 || year.choice > last_year - first_year) {
    return std::nullopt;
  }
  Date date{day.choice + 1, month.choice + 1, year.choice + first_year};
  if (date.day > DaysInMonth(date.month, date.year)) date.day = DaysInMonth(date.month, date.year);
  return date;
}

}  // namespace

int DaysInMonth(int month, int year) {
  if (month < 1 || month > 12) return 31;
  if (month == 2 && year % 4 == 0) return 29;
  return kMonthLength[month - 1];
}

Date NextDay(const Date& date) {
  Date next = date;
  if (++next.day > DaysInMonth(next.month, next.year)) {
    next.day = 1;
    if (++next.month > 12) {
      next.month = 1;
      ++next.year;
    }
  }
  return next;
}

Date PreviousDay(const Date& date) {
  Date previous = date;
  if (--previous.day < 1) {
    if (--previous.month < 1) {
      previous.month = 12;
      --previous.year;
    }
    previous.day = DaysInMonth(previous.month, previous.year);
  }
  return previous;
}

bool DateBefore(const Date& a, const Date& b) {
  if (a.year != b.year) return a.year < b.year;
  if (a.month != b.month) return a.month < b.month;
  return a.day < b.day;
}

std::optional<Period> RunPeriodDialog(Ui& ui, int first_year, const LocalTime& today) {
  const int last_year = today.year;
  if (first_year < 1 || first_year > last_year) first_year = last_year;
  Dialog dialog;
  dialog.name = "Invest";
  dialog.title = "Please specify the period";
  dialog.Add(NoteField("note",
                       "Please note that this routine may take a few minutes while transactions "
                       "are parsed."));
  AddDateLists(dialog, "start", "Start", {1, today.month, today.year}, first_year, last_year);
  AddDateLists(dialog, "end", "End", {today.day, today.month, today.year}, first_year, last_year);
  if (!ui.RunDialog(dialog) || !dialog.Pressed("OK")) return std::nullopt;
  std::optional<Date> start = ChosenDate(dialog, "start", first_year, last_year);
  std::optional<Date> end = ChosenDate(dialog, "end", first_year, last_year);
  if (!start || !end || DateBefore(*end, *start)) {
    ui.Message("Problem", "Invalid selection", Icon::kWarning);
    return std::nullopt;
  }
  return Period{*start, *end};
}

}  // namespace ventro
