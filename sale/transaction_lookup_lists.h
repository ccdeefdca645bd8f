// The lists a transaction is picked from (dialog "819", "Please select:"): the whole kept
// history, one day, month or year of a year's index, and the discounted sales read from every
// day's sales log since the history start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ui.h"

namespace ventro {

// More entries than this make a list too long to offer.
inline constexpr size_t kMaxTransactionListEntries = 31000;

struct TransactionList {
  std::vector<std::string> lines;  // each starts with its transaction number
  bool too_many = false;           // stopped at the limit
  int preselected = -1;            // the entry chosen when the list opens; -1 none
};

// Every transaction of the years from the history start to `this_year`, skipping those of the
// start year before the history start's month and day: "%d on day %d of month %d, %d".
TransactionList HistoryList(Files& files, const Path& data_folder, const Date& history_from,
                            int this_year);

// The transactions of `year`'s index, of `month` only (0: every month) and of `day` only (0:
// every day), in the same form.
TransactionList YearIndexList(Files& files, const Path& data_folder, int year, int month = 0,
                              int day = 0);

// Every sale with a discount total above 0, day by day from the history start to `today`
// (29 February in every year divisible by 4), from each day's sales log: "%I64d on day %d of
// month %d, %d"; the last entry is preselected.
TransactionList DiscountedList(Files& files, const Path& data_folder, const Date& history_from,
                               const LocalTime& today);

// Offers `list` in "819"; gives the leading number of the entry chosen with OK. A list stopped
// at the limit shows "Reduce the history on the Configuration menu" titled "Problem, too many
// transactions" instead, and nothing is chosen.
std::optional<int64_t> ChooseTransaction(Ui& ui, const TransactionList& list);

}  // namespace ventro
