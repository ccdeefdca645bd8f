// The takings history behind the takings graph: what each day took over the last year, from
// the year indexes and one read of each trading day's sales log, as days over the last 8 weeks
// and as weeks over the last 52.
#pragma once

#include <string_view>
#include <vector>

#include "formats/settings_record.h"
#include "platform/files.h"

namespace ventro {

inline constexpr int kTakingsDays = 56;   // 8 weeks, one bar a day
inline constexpr int kTakingsWeeks = 52;  // a year, one bar a week

// What a day or a week took. Takings are sales less refunds (refund records carry negated
// totals); customers' balance payments settle earlier sales, so they are kept apart.
struct Takings {
  double takings = 0;
  double balance_payments = 0;

  void Add(const Takings& other) {
    takings += other.takings;
    balance_payments += other.balance_payments;
  }
};

// One bar: the period's first day and what it took.
struct TakingsBar {
  Date first;
  Takings figures;
};

struct TakingsHistory {
  std::vector<TakingsBar> days;   // kTakingsDays bars, oldest first, the last one today
  std::vector<TakingsBar> weeks;  // kTakingsWeeks bars of 7 days, oldest first, ending today
  // Trading days whose sales log was read.
  int logs_read = 0;
};

// A day from the bytes of its sales log (whole records only). A record's kind is the first
// character of its payment type: "P" a balance payment (its cash, cheque and EFT amounts), any
// other a sale or a refund (its grand total).
Takings AddUpTakings(std::string_view sales_log);

// The history of the 52 weeks ending on `today`. The days to read are taken from the year
// indexes (year\base.dat) of the years the weeks span, so a day without trading costs nothing;
// a year whose index cannot be read has each of its days' logs looked for instead. Each sales
// log is read once; a day without one took nothing.
TakingsHistory BuildTakingsHistory(Files& files, const Path& data_folder, const Date& today);

}  // namespace ventro
