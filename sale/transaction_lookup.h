// Finding a committed transaction again (menu "Transactions"): by its number, from the lists
// of the kept history, of a day, month or year, or of the discounted sales, or the last one
// directly; it is shown in the "Transaction" dialog, stepped through and reprinted. Nothing is
// written, and the open sale stays on the screen as it was.
#pragma once

#include <cstdint>
#include <optional>

#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "print/printing_context.h"
#include "sale/transaction_lookup_search.h"

namespace ventro {

enum class TransactionLookup {
  kFind,         // "Transaction number (Enter to list)"; empty: the whole history
  kDay,          // a day's list
  kMonth,        // a month's list
  kYear,         // a year's list
  kDiscounted,   // the discounted sales; "Next" steps through discounted ones only
  kReprintLast,  // the transaction before the next number, directly
};

// The prompt for a transaction number.
inline constexpr char kTransactionNumberPrompt[] = "Transaction number (Enter to list)";

// The highest transaction number that can be asked for.
inline constexpr int64_t kMaxTransactionNumber = 200'000'000;

// The first year any transaction is looked for in by number for a customer's account.
inline constexpr int kFirstRecordYear = 2002;

// The commands of the "Transactions" menu that find a transaction: the prompts or list, then
// the search from the history start year to this year and the "Transaction" dialog. An empty,
// cancelled or out-of-range answer ends the command; "No match found" titled "Finished" when
// no index or sales log holds the number, "Unable to open sales log." titled "Problem" when
// the day's sales log cannot be read.
void FindTransaction(const PrintingContext& printing, TransactionLookup how);

// For a customer's account: transaction `number` when given (the customer's last one),
// otherwise the one the clerk names at the prompt (empty: the whole-history list), searched in
// the years from 2002 to this year. Gives its sales record, day and items log; failures are
// told as FindTransaction tells them.
std::optional<FoundTransaction> FindTransactionRecord(Ui& ui, Files& files,
                                                      const SettingsRecord& settings,
                                                      const Path& data_folder,
                                                      const LocalTime& today,
                                                      std::optional<int64_t> number = {});

}  // namespace ventro
