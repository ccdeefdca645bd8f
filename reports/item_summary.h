// The items sold over a run of days: every items-log line of the transactions kept, a line's
// figures added into the first line of the same item, listed best seller first.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/number_ids.h"
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

  // Brings each item's running figures into its entry, then puts the entries best seller
  // first; equal counts keep the order they were first sold in. Call once, after the last day.
  void Order();

  const std::vector<SummaryEntry>& entries() const { return entries_; }  // whole after Order
  int lines() const { return lines_; }  // collected lines, refund lines included
  double cost() const { return cost_; }
  double nett() const { return nett_; }
  double total() const { return total_; }

 private:
  // The running figures of one item's entry. Kept apart from the entries, in a block of their
  // own, because every line of a year lands on one of them at random.
  struct Running {
    double non_taxable, taxable, tax1, tax2, cost, discount, total;
    int count;
  };

  // AddDay's steps: the day's transactions kept, then its lines added.
  void BeginDay();
  void KeepTransactions(std::string_view sales_records, const ItemFilters& filters);
  void AddLines(std::string_view items_log, const ItemFilters& filters);
  void Add(const ItemsLogRecord& line, char payment, bool refund);

  std::vector<SummaryEntry> entries_;
  NumberIds merged_;              // item number -> its id in running_ and merged_entry_
  std::vector<Running> running_;  // by id; copied into the entries by Order
  std::vector<size_t> merged_entry_;
  // The day being added: its transactions' ids, and by id the payment type's first letter and
  // whether the transaction counts. Kept between days for their memory.
  struct Kept {
    char payment;
    bool counted;
  };
  NumberIds day_transactions_;
  std::vector<Kept> day_kept_;  // by id: the entry its item's lines add into
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
