#include "reports/item_summary.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "base/format.h"
#include "records/period_dialog.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro {
namespace {

bool Excluded(std::string_view type, const ItemFilters& filters) {
  auto starts = [&](const char* prefix) { return type.starts_with(prefix); };
  return (starts("R") && filters.exclude_refunds) || (starts("Ca") && filters.exclude_cash) ||
         (starts("Cr") && filters.exclude_credit) || (starts("CH") && filters.exclude_cheque) ||
         (starts("E") && filters.exclude_eft) || (starts("S") && filters.exclude_split);
}

SummaryEntry EntryOf(const ItemsLogRecord& line, char payment, bool refund) {
  SummaryEntry entry;
  entry.item = line.item_number();
  entry.description = line.description();
  entry.category = line.category();
  entry.customer = line.customer_number();
  const double sign = refund ? -1 : 1;
  entry.non_taxable = sign * line.non_taxable_amount();
  entry.taxable = sign * line.taxable_amount();
  entry.tax1 = sign * line.tax1();
  entry.tax2 = sign * line.tax2();
  entry.cost = sign * line.cost();
  entry.discount = sign * line.discount();
  entry.total = sign * line.line_total();
  entry.payment = payment;
  entry.refund = refund;
  return entry;
}

}  // namespace

void ItemSummary::Add(const ItemsLogRecord& line, char payment, bool refund) {
  const double sign = refund ? -1 : 1;
  const double nett = sign * (line.non_taxable_amount() + line.taxable_amount());
  ++lines_;
  nett_ += nett;
  cost_ += sign * line.cost();
  total_ += sign * line.line_total();
  const int64_t item = line.item_number();
  if (!refund && item != 0) {
    // An item met before adds into its first line without making an entry of its own.
    auto [id, added] = merged_.Insert(item);
    if (!added) {
      Running& into = running_[id];
      ++into.count;
      into.non_taxable += line.non_taxable_amount();
      into.taxable += line.taxable_amount();
      into.tax1 += line.tax1();
      into.tax2 += line.tax2();
      into.cost += line.cost();
      into.total += line.line_total();
      if (line.discount() > 0) into.discount += line.discount();
      return;
    }
    running_.push_back({line.non_taxable_amount(), line.taxable_amount(), line.tax1(), line.tax2(),
                        line.cost(), line.discount(), line.line_total(), 1});
    merged_entry_.push_back(entries_.size());
  }
  entries_.push_back(EntryOf(line, payment, refund));
}

void ItemSummary::AddDay(std::string_view sales_log, std::string_view items_log,
                         const ItemFilters& filters) {
  BeginDay();
  KeepTransactions(sales_log, filters);
  AddLines(items_log, filters);
}

void ItemSummary::BeginDay() {
  day_transactions_.Clear();
  day_kept_.clear();
}

void ItemSummary::KeepTransactions(std::string_view sales_records, const ItemFilters& filters) {
  // Only the number and the payment type are wanted: read in place rather than copying each
  // record of a year's logs out.
  const size_t record_count = sales_records.size() / SalesLogRecord::kSize;
  const auto* sales = reinterpret_cast<const uint8_t*>(sales_records.data());
  for (size_t r = 0; r < record_count; ++r) {
    const uint8_t* record = sales + r * SalesLogRecord::kSize;
    if (!day_transactions_.Insert(GetI64(record)).second) continue;  // its first record counts
    const auto* type_bytes =
        reinterpret_cast<const char*>(record + SalesLogRecord::kPaymentTypeOffset);
    const std::string_view type(type_bytes, strnlen(type_bytes, SalesLogRecord::kPaymentTypeWidth));
    const bool counted = !type.starts_with("P") && !Excluded(type, filters);
    day_kept_.push_back({type.empty() ? '\0' : type[0], counted});
  }
}

void ItemSummary::AddLines(std::string_view items_log, const ItemFilters& filters) {
  // The lines in the order they were sold. A transaction's lines follow one another, so the
  // last transaction looked up is kept rather than looked up again for each of its lines.
  ItemsLogRecord line;
  const size_t line_count = items_log.size() / ItemsLogRecord::kSize;
  int64_t last_number = 0;
  uint32_t last_id = NumberIds::kNone;
  for (size_t i = 0; i < line_count; ++i) {
    std::memcpy(line.data(), items_log.data() + i * ItemsLogRecord::kSize, ItemsLogRecord::kSize);
    const int64_t number = line.transaction_number();
    if (i == 0 || number != last_number) {
      last_number = number;
      last_id = day_transactions_.Find(number);
    }
    if (last_id == NumberIds::kNone || !day_kept_[last_id].counted) continue;
    if (filters.category != 0 && line.category() + 1 != filters.category) continue;
    const char payment = day_kept_[last_id].payment;
    Add(line, payment, payment == 'R');
  }
}

void ItemSummary::Order() {
  for (size_t id = 0; id < running_.size(); ++id) {
    const Running& from = running_[id];
    SummaryEntry& entry = entries_[merged_entry_[id]];
    entry.non_taxable = from.non_taxable;
    entry.taxable = from.taxable;
    entry.tax1 = from.tax1;
    entry.tax2 = from.tax2;
    entry.cost = from.cost;
    entry.discount = from.discount;
    entry.total = from.total;
    entry.count = from.count;
  }
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const SummaryEntry& a, const SummaryEntry& b) { return a.count > b.count; });
  merged_ = {};
  running_.clear();
  merged_entry_.clear();
}

ItemSummary SummariseItems(Files& files, const Path& data_folder, const Date& first,
                           const Date& last, const ItemFilters& filters) {
  ItemSummary summary;
  LogBuffer sales;
  LogBuffer items;
  for (Date day = first; !DateBefore(last, day); day = NextDay(day)) {
    const Path folder = DayLogFolder(data_folder, day.year, day.month, day.day);
    if (!sales.Read(files, folder / "saleslog.dat", SalesLogRecord::kSize)) continue;
    if (!items.Read(files, folder / "itemslog.dat", ItemsLogRecord::kSize)) continue;
    summary.AddDay(sales.records(), items.records(), filters);
  }
  summary.Order();
  return summary;
}

std::string SummaryLine(const SummaryEntry& entry) {
  return StringPrintf("%s%lld, %s, %lld, %s, %s, %s, %s, %d", entry.refund ? "Refund: " : "",
                      static_cast<long long>(entry.item), entry.description.c_str(),
                      static_cast<long long>(entry.category), FormatAmount(entry.cost).c_str(),
                      FormatAmount(entry.non_taxable + entry.taxable).c_str(),
                      FormatAmount(entry.tax1 + entry.tax2).c_str(),
                      FormatAmount(entry.total).c_str(), entry.count);
}

std::string SummaryTotalsLine(const ItemSummary& summary) {
  return StringPrintf("Items: %d, Cost: %s, Retail: %s", summary.lines(),
                      FormatAmount(summary.cost()).c_str(), FormatAmount(summary.nett()).c_str());
}

}  // namespace ventro
