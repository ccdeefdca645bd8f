#include "reports/item_summary.h"

#include <algorithm>
#include <cstring>
#include <optional>
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
    auto [found, added] = merged_.try_emplace(item, entries_.size());
    if (!added) {
      SummaryEntry& into = entries_[found->second];
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
  }
  entries_.push_back(EntryOf(line, payment, refund));
}

void ItemSummary::AddDay(std::string_view sales_log, std::string_view items_log,
                         const ItemFilters& filters) {
  // The payment type's first letter of each transaction kept, by its first record, so that a
  // record written twice adds its lines once.
  std::unordered_map<int64_t, std::pair<char, bool>> kept;
  const size_t record_count = sales_log.size() / SalesLogRecord::kSize;
  kept.reserve(record_count);
  // Only the number and the payment type are wanted: read in place rather than copying each
  // record of a year's logs out.
  const auto* sales = reinterpret_cast<const uint8_t*>(sales_log.data());
  for (size_t r = 0; r < record_count; ++r) {
    const uint8_t* record = sales + r * SalesLogRecord::kSize;
    const auto* type_bytes =
        reinterpret_cast<const char*>(record + SalesLogRecord::kPaymentTypeOffset);
    const std::string_view type(type_bytes, strnlen(type_bytes, SalesLogRecord::kPaymentTypeWidth));
    const bool counted = !type.starts_with("P") && !Excluded(type, filters);
    kept.try_emplace(GetI64(record), std::make_pair(type.empty() ? '\0' : type[0], counted));
  }
  // The lines in the order they were sold. A transaction's lines follow one another, so the
  // last transaction looked up is kept rather than looked up again for each of its lines.
  ItemsLogRecord line;
  const size_t line_count = items_log.size() / ItemsLogRecord::kSize;
  auto found = kept.end();
  for (size_t i = 0; i < line_count; ++i) {
    std::memcpy(line.data(), items_log.data() + i * ItemsLogRecord::kSize, ItemsLogRecord::kSize);
    const int64_t number = line.transaction_number();
    if (found == kept.end() || found->first != number) found = kept.find(number);
    if (found == kept.end() || !found->second.second) continue;
    if (filters.category != 0 && line.category() + 1 != filters.category) continue;
    const char payment = found->second.first;
    Add(line, payment, payment == 'R');
  }
}

void ItemSummary::Order() {
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const SummaryEntry& a, const SummaryEntry& b) { return a.count > b.count; });
  merged_.clear();
}

ItemSummary SummariseItems(Files& files, const Path& data_folder, const Date& first,
                           const Date& last, const ItemFilters& filters) {
  ItemSummary summary;
  for (Date day = first; !DateBefore(last, day); day = NextDay(day)) {
    const Path folder = DayLogFolder(data_folder, day.year, day.month, day.day);
    std::optional<std::string> sales =
        ReadLogRecords(files, folder / "saleslog.dat", SalesLogRecord::kSize);
    if (!sales) continue;
    std::optional<std::string> items =
        ReadLogRecords(files, folder / "itemslog.dat", ItemsLogRecord::kSize);
    if (!items) continue;
    summary.AddDay(*sales, *items, filters);
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
