#include "reports/takings_history.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "records/period_dialog.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro {
namespace {

constexpr int kHistoryDays = 7 * kTakingsWeeks;

// Day-of-year slots, 32 days to a month, so that a month and a day index them directly.
using TradingDays = std::array<bool, 13 * 32>;

int Slot(int month, int day) { return month * 32 + day; }

// The days of `year` that have a transaction in its index; nothing when the index cannot be
// read, so that every day is looked for.
std::optional<TradingDays> DaysInIndex(Files& files, const Path& data_folder, int year) {
  std::optional<YearIndex> index = YearIndex::Read(files, data_folder, year);
  if (!index) return std::nullopt;
  TradingDays days{};
  for (size_t i = 0; i < index->size(); ++i) {
    const YearIndexEntry entry = (*index)[i];
    if (entry.month >= 1 && entry.month <= 12 && entry.day >= 1 && entry.day <= 31) {
      days[Slot(entry.month, entry.day)] = true;
    }
  }
  return days;
}

}  // namespace

Takings AddUpTakings(std::string_view sales_log) {
  Takings day;
  SalesLogRecord record;
  const size_t count = sales_log.size() / SalesLogRecord::kSize;
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(record.data(), sales_log.data() + i * SalesLogRecord::kSize, SalesLogRecord::kSize);
    if (record.data()[SalesLogRecord::kPaymentTypeOffset] == 'P') {
      day.balance_payments += record.cash_amount() + record.cheque_amount() + record.eft_amount();
    } else {
      day.takings += record.grand_total();
    }
  }
  return day;
}

TakingsHistory BuildTakingsHistory(Files& files, const Path& data_folder, const Date& today) {
  // The year's days, newest first, then turned round.
  std::vector<TakingsBar> days;
  days.reserve(kHistoryDays);
  for (Date day = today; static_cast<int>(days.size()) < kHistoryDays; day = PreviousDay(day)) {
    days.push_back({day, {}});
  }

  TakingsHistory history;
  LogBuffer log;
  int indexed_year = 0;
  std::optional<TradingDays> trading;
  for (TakingsBar& bar : days) {
    if (bar.first.year != indexed_year) {
      indexed_year = bar.first.year;
      trading = DaysInIndex(files, data_folder, indexed_year);
    }
    if (trading && !(*trading)[Slot(bar.first.month, bar.first.day)]) continue;
    const Path folder = DayLogFolder(data_folder, bar.first.year, bar.first.month, bar.first.day);
    if (!log.Read(files, folder / "saleslog.dat", SalesLogRecord::kSize)) continue;
    ++history.logs_read;
    bar.figures = AddUpTakings(log.records());
  }

  history.days.assign(days.begin(), days.begin() + kTakingsDays);
  std::reverse(history.days.begin(), history.days.end());
  for (int w = kTakingsWeeks - 1; w >= 0; --w) {
    TakingsBar week;
    for (int d = 6; d >= 0; --d) week.figures.Add(days[static_cast<size_t>(7 * w + d)].figures);
    week.first = days[static_cast<size_t>(7 * w + 6)].first;
    history.weeks.push_back(week);
  }
  return history;
}

}  // namespace ventro
