// Finding committed transactions again in the day logs: the year indexes of a run of years read
// once, and the sales and items logs of the day last looked in kept, so that stepping from one
// transaction to the next reads each file once rather than once a step.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"

namespace ventro {

// The trading day a transaction was recorded on.
struct TransactionDay {
  int year = 0;
  int month = 0;
  int day = 0;
  bool operator==(const TransactionDay&) const = default;
};

// A transaction found: its sales log record, its day and that day's items log.
struct FoundTransaction {
  SalesLogRecord sales;
  TransactionDay day;
  Path items_log;
};

enum class SearchResult {
  kFound,
  kNotIndexed,     // no year index holds the number
  kNoSalesLog,     // the day's saleslog.dat cannot be read
  kNoSalesRecord,  // the day's sales log has no record with the number
};

struct SearchOutcome {
  SearchResult result = SearchResult::kNotIndexed;
  FoundTransaction found;  // with kFound
};

class TransactionSearch {
 public:
  // Reads the indexes of `first_year` to `last_year`; a missing index is skipped.
  TransactionSearch(Files& files, Path data_folder, int first_year, int last_year);

  // The day of the first index entry holding `number`: years in order, entries in file order.
  std::optional<TransactionDay> FindDay(int64_t number) const;

  // The transaction's index entry and then the first record with its number in that day's
  // sales log.
  SearchOutcome Find(int64_t number);

  // As Find, for the first number from `number` on whose sales record has a discount total
  // above 0: the numbers without one are passed over in the logs as read, without copying
  // their records out. Ends with the first number Find would not find.
  SearchOutcome FindDiscounted(int64_t number);

  // The transaction's lines: the first records of its day's items log with its number, never
  // more than its sales record's line count nor kMaxBasketLines, so that a number recorded
  // twice does not run one transaction's lines into another's. Nothing when the items log
  // cannot be read.
  std::optional<std::vector<ItemsLogRecord>> Items(const FoundTransaction& transaction);

 private:
  struct Year {
    int year;
    YearIndex index;
  };
  // One day's log, read on first use.
  struct DayLog {
    std::optional<TransactionDay> day;
    Path folder;
    std::optional<std::string> records;  // nothing: the file cannot be read
    std::vector<int64_t> numbers;        // the transaction number of each record
    bool numbers_rising = true;          // never falling: searched by halving
  };
  // Where `number`'s sales record is: its day, then its place in that day's sales log.
  struct Place {
    SearchResult result = SearchResult::kNotIndexed;
    TransactionDay day;
    size_t record = 0;
  };
  void LoadDay(DayLog& log, const TransactionDay& day, const char* name, size_t record_size);
  // The first record of `log` with `number`; numbers.size() for none.
  static size_t FirstRecordOf(const DayLog& log, int64_t number);
  Place Locate(int64_t number);
  SearchOutcome FoundAt(const Place& place) const;

  Files& files_;
  Path data_folder_;
  std::vector<Year> years_;
  // Entries whose numbers rise strictly from the first year's first to the last year's last
  // are searched by halving; any other order (numbers restarted, a restored history) is
  // scanned from the start.
  bool strictly_rising_ = true;
  // Where the last number was found (year, entry): stepping to the following number looks at
  // the next entry first.
  mutable size_t hint_year_ = 0;
  mutable size_t hint_entry_ = 0;
  DayLog sales_;
  DayLog items_;
};

}  // namespace ventro
