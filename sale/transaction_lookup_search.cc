#include "sale/transaction_lookup_search.h"

#include <algorithm>
#include <cstring>

#include "base/bytes.h"
#include "store/day_log_reader.h"

namespace ventro {
namespace {

constexpr char kSalesLogName[] = "saleslog.dat";
constexpr char kItemsLogName[] = "itemslog.dat";

Path DayFolderOf(const Path& data_folder, const TransactionDay& day) {
  return DayLogFolder(data_folder, day.year, day.month, day.day);
}

}  // namespace

TransactionSearch::TransactionSearch(Files& files, Path data_folder, int first_year, int last_year)
    : files_(files), data_folder_(std::move(data_folder)) {
  for (int year = first_year; year <= last_year; ++year) {
    std::optional<std::vector<YearIndexEntry>> index = ReadYearIndex(files_, data_folder_, year);
    if (!index) continue;
    entries_.reserve(entries_.size() + index->size());
    for (const YearIndexEntry& entry : *index) {
      if (!entries_.empty() && entry.transaction_number <= entries_.back().number) {
        strictly_rising_ = false;
      }
      entries_.push_back({entry.transaction_number, {year, entry.month, entry.day}});
    }
  }
}

std::optional<TransactionDay> TransactionSearch::FindDay(int64_t number) const {
  if (strictly_rising_) {
    auto it = std::lower_bound(entries_.begin(), entries_.end(), number,
                               [](const Entry& entry, int64_t n) { return entry.number < n; });
    if (it != entries_.end() && it->number == number) return it->day;
    return std::nullopt;
  }
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [number](const Entry& entry) { return entry.number == number; });
  if (it == entries_.end()) return std::nullopt;
  return it->day;
}

void TransactionSearch::LoadDay(DayLog& log, const TransactionDay& day, const char* name,
                                size_t record_size) {
  if (log.day == day) return;
  log.day = day;
  log.records = ReadLogRecords(files_, DayFolderOf(data_folder_, day) / name, record_size);
  log.numbers.clear();
  if (!log.records) return;
  const auto* bytes = reinterpret_cast<const uint8_t*>(log.records->data());
  for (size_t at = 0; at < log.records->size(); at += record_size) {
    log.numbers.push_back(GetI64(bytes + at));
  }
}

SearchOutcome TransactionSearch::Find(int64_t number) {
  SearchOutcome outcome;
  std::optional<TransactionDay> day = FindDay(number);
  if (!day) return outcome;
  LoadDay(sales_, *day, kSalesLogName, SalesLogRecord::kSize);
  if (!sales_.records) {
    outcome.result = SearchResult::kNoSalesLog;
    return outcome;
  }
  auto it = std::find(sales_.numbers.begin(), sales_.numbers.end(), number);
  if (it == sales_.numbers.end()) {
    outcome.result = SearchResult::kNoSalesRecord;
    return outcome;
  }
  const auto index = static_cast<size_t>(it - sales_.numbers.begin());
  outcome.result = SearchResult::kFound;
  std::memcpy(outcome.found.sales.data(), sales_.records->data() + index * SalesLogRecord::kSize,
              SalesLogRecord::kSize);
  outcome.found.day = *day;
  outcome.found.items_log = DayFolderOf(data_folder_, *day) / kItemsLogName;
  return outcome;
}

std::optional<std::vector<ItemsLogRecord>> TransactionSearch::Items(
    const FoundTransaction& transaction) {
  LoadDay(items_, transaction.day, kItemsLogName, ItemsLogRecord::kSize);
  if (!items_.records) return std::nullopt;
  const int64_t number = transaction.sales.transaction_number();
  const auto wanted =
      static_cast<size_t>(std::clamp(transaction.sales.line_count(), 0, kMaxBasketLines));
  std::vector<ItemsLogRecord> items;
  for (size_t k = 0; k < items_.numbers.size() && items.size() < wanted; ++k) {
    if (items_.numbers[k] != number) continue;
    ItemsLogRecord record;
    std::memcpy(record.data(), items_.records->data() + k * ItemsLogRecord::kSize,
                ItemsLogRecord::kSize);
    items.push_back(record);
  }
  return items;
}

}  // namespace ventro
