#include "sale/transaction_lookup_lists.h"

#include <algorithm>
#include <tuple>

#include "base/format.h"
#include "platform/clock_text.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro {
namespace {

// Adds one line; false once the list is full, marking it so.
bool AddLine(TransactionList& list, std::string line) {
  if (list.lines.size() >= kMaxTransactionListEntries) {
    list.too_many = true;
    return false;
  }
  list.lines.push_back(std::move(line));
  return true;
}

std::string IndexLine(const YearIndexEntry& entry, int year) {
  return StringPrintf("%d on day %d of month %d, %d", entry.transaction_number, entry.day,
                      entry.month, year);
}

// Adds the entries of `year`'s index that `keep` accepts; false once the list is full.
template <typename Keep>
bool AddYear(TransactionList& list, Files& files, const Path& data_folder, int year, Keep keep) {
  std::optional<YearIndex> index = YearIndex::Read(files, data_folder, year);
  if (!index) return true;
  for (size_t i = 0; i < index->size(); ++i) {
    const YearIndexEntry entry = (*index)[i];
    if (keep(entry) && !AddLine(list, IndexLine(entry, year))) return false;
  }
  return true;
}

CalendarDay FirstOfNextMonth(const CalendarDay& date) {
  return date.month >= 12 ? CalendarDay{1, 1, date.year + 1, 0}
                          : CalendarDay{1, date.month + 1, date.year, 0};
}

}  // namespace

TransactionList HistoryList(Files& files, const Path& data_folder, const Date& history_from,
                            int this_year) {
  TransactionList list;
  for (int year = history_from.year; year <= this_year; ++year) {
    const bool start_year = year == history_from.year;
    auto kept = [&](const YearIndexEntry& entry) {
      if (!start_year) return true;
      return std::tie(entry.month, entry.day) >= std::tie(history_from.month, history_from.day);
    };
    if (!AddYear(list, files, data_folder, year, kept)) break;
  }
  return list;
}

TransactionList YearIndexList(Files& files, const Path& data_folder, int year, int month, int day) {
  TransactionList list;
  AddYear(list, files, data_folder, year, [&](const YearIndexEntry& entry) {
    return (month == 0 || entry.month == month) && (day == 0 || entry.day == day);
  });
  return list;
}

TransactionList DiscountedList(Files& files, const Path& data_folder, const Date& history_from,
                               const LocalTime& today) {
  TransactionList list;
  CalendarDay date{history_from.day, history_from.month, history_from.year, 0};
  auto until_today = [&] {
    return std::tie(date.year, date.month, date.day) <=
           std::tie(today.year, today.month, today.day);
  };
  while (until_today()) {
    // A year or month without its folder has no logs: it is passed over whole.
    if (!files.Exists(data_folder / std::to_string(date.year))) {
      date = {1, 1, date.year + 1, 0};
      continue;
    }
    if (!files.Exists(data_folder / std::to_string(date.year) / std::to_string(date.month))) {
      date = FirstOfNextMonth(date);
      continue;
    }
    const Path sales_log =
        DayLogFolder(data_folder, date.year, date.month, date.day) / "saleslog.dat";
    if (std::optional<std::string> records =
            ReadLogRecords(files, sales_log, SalesLogRecord::kSize)) {
      for (size_t at = 0; at < records->size(); at += SalesLogRecord::kSize) {
        SalesLogRecord record;
        std::copy_n(records->data() + at, SalesLogRecord::kSize, record.data());
        if (record.discount_total() <= 0) continue;
        std::string line = StringPrintf("%lld on day %d of month %d, %d",
                                        static_cast<long long>(record.transaction_number()),
                                        date.day, date.month, date.year);
        if (!AddLine(list, std::move(line))) return list;
      }
    }
    LocalTime at{date.year, date.month, date.day, 0, 0, 0, 0};
    date = AddDays(at, 1);
  }
  list.preselected = static_cast<int>(list.lines.size()) - 1;
  return list;
}

std::optional<int64_t> ChooseTransaction(Ui& ui, const TransactionList& list) {
  if (list.too_many) {
    ui.Message("Problem, too many transactions", "Reduce the history on the Configuration menu",
               Icon::kWarning);
    return std::nullopt;
  }
  Dialog dialog;
  dialog.name = "819";
  dialog.title = "Please select:";
  dialog.Add(ChoiceField("choice", "", list.lines, list.preselected));
  if (!ui.RunDialog(dialog)) return std::nullopt;
  const int choice = dialog.Field("choice").choice;
  if (choice < 0 || choice >= static_cast<int>(list.lines.size())) return std::nullopt;
  return AtoI64(list.lines[static_cast<size_t>(choice)]);
}

}  // namespace ventro
