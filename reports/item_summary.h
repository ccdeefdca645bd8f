// The items sold over a run of days: every items-log line of the transactions kept, a line's
// figures added into the first line of the same item, listed best seller first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/settings_record.h"
#include "platform/files.h"
#include "sale/sales_log_record.h"

namespace ventro {

// Which transactions and lines count. `category` is the list position: 0 every category, k
// the lines of items-log category k - 1 (19, "Non Inventory", the lines without an item).
struct ItemFilters {
  bool exclude_refunds = true;
  bool exclude_cash = false;
  bool exclude_cheque = false;
  bool exclude_eft = false;
  bool exclude_credit = false;
  bool exclude_split = false;
  int category = 0;
};

struct SummaryEntry {
  int64_t item = 0;
  std::string description;
  int64_t category = 0;
  int64_t customer = 0;
  double non_taxable = 0;
  double taxable = 0;
  double tax1 = 0;
  double tax2 = 0;
  double cost = 0;
  double discount = 0;
  double total = 0;
  char payment = '\0';  // the first letter of the transaction's payment type
  int count = 1;
  bool refund = false;  // amounts negated
};

// The summary as it is collected; `Order` then puts it in listing order.
class ItemSummary {
 public:
  // Adds one day from the bytes of its logs, each read once: the transactions kept (by their
  // first record) from the sales log, then their lines in the items log's order.
  void AddDay(std::string_view sales_log, std::string_view items_log, const ItemFilters& filters);

  // Best seller first; equal counts keep the order they were first sold in.
  void Order();

  const std::vector<SummaryEntry>& entries() const { return entries_; }
  int lines() const { return lines_; }  // collected lines, refund lines included
  double cost() const { return cost_; }
  double nett() const { return nett_; }
  double total() const { return total_; }

 private:
  void Add(const ItemsLogRecord& line, char payment, bool refund);

  std::vector<SummaryEntry> entries_;
  std::unordered_map<int64_t, size_t> merged_;  // item number -> its entry
  int lines_ = 0;
  double cost_ = 0;
  double nett_ = 0;
  double total_ = 0;
};

// Every day from `first` to `last` inclusive (none when `last` is before `first`), each day's
// two logs read once; a day without a sales log adds nothing.
ItemSummary SummariseItems(Files& files, const Path& data_folder, const Date& first,
                           const Date& last, const ItemFilters& filters);

// "%I64d, %s, %I64d, %.2f, %.2f, %.2f, %.2f, %d", with "Refund: " before a refund's.
std::string SummaryLine(const SummaryEntry& entry);

// "Items: %d, Cost: %.2f, Retail: %.2f".
std::string SummaryTotalsLine(const ItemSummary& summary);

}  // namespace ventro
