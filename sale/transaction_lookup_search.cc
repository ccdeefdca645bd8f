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
  std::optional<int32_t> last;
  for (int year = first_year; year <= last_year; ++year) {
    std::optional<YearIndex> index = YearIndex::Read(files_, data_folder_, year);
    if (!index || index->size() == 0) continue;
    if (strictly_rising_) {
      strictly_rising_ = (!last || index->number(0) > *last) && index->NumbersRiseStrictly();
    }
    last = index->number(index->size() - 1);
    years_.push_back({year, std::move(*index)});
  }
}

std::optional<TransactionDay> TransactionSearch::FindDay(int64_t number) const {
  // With every number indexed once, the entry after the last one found holds the following
  // number in the usual run of sales.
  if (strictly_rising_ && hint_year_ < years_.size()) {
    const Year& year = years_[hint_year_];
    const size_t next = hint_entry_ + 1;
    if (next < year.index.size() && year.index[next].transaction_number == number) {
      hint_entry_ = next;
      const YearIndexEntry entry = year.index[next];
      return TransactionDay{year.year, entry.month, entry.day};
    }
  }
  for (size_t y = 0; y < years_.size(); ++y) {
    const Year& year = years_[y];
    const YearIndex& index = year.index;
    size_t at = 0;
    if (strictly_rising_) {
      // The first entry not below the number, by halving.
      size_t count = index.size();
      while (count > 0) {
        const size_t half = count / 2;
        if (index[at + half].transaction_number < number) {
          at += half + 1;
          count -= half + 1;
        } else {
          count = half;
        }
      }
    } else {
      while (at < index.size() && index[at].transaction_number != number) ++at;
    }
    if (at < index.size() && index[at].transaction_number == number) {
      hint_year_ = y;
      hint_entry_ = at;
      const YearIndexEntry entry = index[at];
      return TransactionDay{year.year, entry.month, entry.day};
    }
  }
  return std::nullopt;
}

void TransactionSearch::LoadDay(DayLog& log, const TransactionDay& day, const char* name,
                                size_t record_size) {
  if (log.day == day) return;
  log.day = day;
  log.folder = DayFolderOf(data_folder_, day);
  log.records = ReadLogRecords(files_, log.folder / name, record_size);
  log.numbers.clear();
  log.numbers_rising = true;
  if (!log.records) return;
  const auto* bytes = reinterpret_cast<const uint8_t*>(log.records->data());
  log.numbers.reserve(log.records->size() / record_size);
  for (size_t at = 0; at < log.records->size(); at += record_size) {
    const int64_t number = GetI64(bytes + at);
    if (!log.numbers.empty() && number < log.numbers.back()) log.numbers_rising = false;
    log.numbers.push_back(number);
  }
}

size_t TransactionSearch::FirstRecordOf(const DayLog& log, int64_t number) {
  const auto begin = log.numbers.begin();
  const auto end = log.numbers.end();
  const auto it =
      log.numbers_rising ? std::lower_bound(begin, end, number) : std::find(begin, end, number);
  return it != end && *it == number ? static_cast<size_t>(it - begin) : log.numbers.size();
}

TransactionSearch::Place TransactionSearch::Locate(int64_t number) {
  Place place;
  std::optional<TransactionDay> day = FindDay(number);
  if (!day) return place;
  place.day = *day;
  LoadDay(sales_, *day, kSalesLogName, SalesLogRecord::kSize);
  if (!sales_.records) {
    place.result = SearchResult::kNoSalesLog;
    return place;
  }
  place.record = FirstRecordOf(sales_, number);
  place.result =
      place.record < sales_.numbers.size() ? SearchResult::kFound : SearchResult::kNoSalesRecord;
  return place;
}

SearchOutcome TransactionSearch::FoundAt(const Place& place) const {
  SearchOutcome outcome;
  outcome.result = place.result;
  if (place.result != SearchResult::kFound) return outcome;
  std::memcpy(outcome.found.sales.data(),
              sales_.records->data() + place.record * SalesLogRecord::kSize, SalesLogRecord::kSize);
  outcome.found.day = place.day;
  outcome.found.items_log = sales_.folder / kItemsLogName;
  return outcome;
}

SearchOutcome TransactionSearch::Find(int64_t number) { return FoundAt(Locate(number)); }

SearchOutcome TransactionSearch::FindDiscounted(int64_t number) {
  for (;; ++number) {
    const Place place = Locate(number);
    if (place.result != SearchResult::kFound) return FoundAt(place);
    const auto* record = reinterpret_cast<const uint8_t*>(sales_.records->data()) +
                         place.record * SalesLogRecord::kSize;
    if (GetF64(record + SalesLogRecord::kDiscountTotalOffset) > 0) return FoundAt(place);
  }
}

std::optional<std::vector<ItemsLogRecord>> TransactionSearch::Items(
    const FoundTransaction& transaction) {
  LoadDay(items_, transaction.day, kItemsLogName, ItemsLogRecord::kSize);
  if (!items_.records) return std::nullopt;
  const int64_t number = transaction.sales.transaction_number();
  const auto wanted =
      static_cast<size_t>(std::clamp(transaction.sales.line_count(), 0, kMaxBasketLines));
  std::vector<ItemsLogRecord> items;
  items.reserve(wanted);
  for (size_t k = FirstRecordOf(items_, number); k < items_.numbers.size() && items.size() < wanted;
       ++k) {
    if (items_.numbers[k] != number) {
      if (items_.numbers_rising) break;  // past the number's run of records
      continue;
    }
    ItemsLogRecord record;
    std::memcpy(record.data(), items_.records->data() + k * ItemsLogRecord::kSize,
                ItemsLogRecord::kSize);
    items.push_back(record);
  }
  return items;
}

}  // namespace ventro
