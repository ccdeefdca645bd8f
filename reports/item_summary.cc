#include "reports/item_summary.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "base/format.h"
#include "records/period_dialog.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro {
namespace {

bool Excluded(const std::string& type, const ItemFilters& filters) {
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

void ItemSummary::Add(SummaryEntry entry) {
  ++lines_;
  // A refund's amounts are already negated, so adding them lowers the totals.
  nett_ += entry.non_taxable + entry.taxable;
  cost_ += entry.cost;
  total_ += entry.total;
  if (entry.refund || entry.item == 0) {
    entries_.push_back(std::move(entry));
    return;
  }
  auto [found, added] = merged_.try_emplace(entry.item, entries_.size());
  if (added) {
    entries_.push_back(std::move(entry));
    return;
  }
  SummaryEntry& into = entries_[found->second];
  ++into.count;
  into.non_taxable += entry.non_taxable;
  into.taxable += entry.taxable;
  into.tax1 += entry.tax1;
  into.tax2 += entry.tax2;
  into.cost += entry.cost;
  into.total += entry.total;
  if (entry.discount > 0) into.discount += entry.discount;
}

void ItemSummary::AddDay(std::string_view sales_log, std::string_view items_log,
                         const ItemFilters& filters) {
  // The lines of each transaction, in the items log's order.
  std::unordered_map<int64_t, std::vector<size_t>> lines_of;
  const size_t line_count = items_log.size() / ItemsLogRecord::kSize;
  ItemsLogRecord line;
  for (size_t i = 0; i < line_count; ++i) {
    lines_of[GetI64(reinterpret_cast<const uint8_t*>(items_log.data()) + i * ItemsLogRecord::kSize)]
        .push_back(i);
  }
  SalesLogRecord record;
  const size_t record_count = sales_log.size() / SalesLogRecord::kSize;
  for (size_t r = 0; r < record_count; ++r) {
    std::memcpy(record.data(), sales_log.data() + r * SalesLogRecord::kSize, SalesLogRecord::kSize);
    const std::string type = record.payment_type();
    if (type.starts_with("P") || Excluded(type, filters)) continue;
    // Taken out, so that a record written twice adds its lines once.
    auto found = lines_of.find(record.transaction_number());
    if (found == lines_of.end()) continue;
    const std::vector<size_t> lines = std::move(found->second);
    lines_of.erase(found);
    const bool refund = type.starts_with("R");
    for (size_t i : lines) {
      std::memcpy(line.data(), items_log.data() + i * ItemsLogRecord::kSize, ItemsLogRecord::kSize);
      if (filters.category != 0 && line.category() + 1 != filters.category) continue;
      Add(EntryOf(line, type.empty() ? '\0' : type[0], refund));
    }
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
