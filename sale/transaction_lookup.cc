#include "sale/transaction_lookup.h"

#include "base/format.h"
#include "sale/transaction_lookup_dialog.h"
#include "sale/transaction_lookup_lists.h"

namespace ventro {
namespace {

constexpr int kFirstYearAsked = 2000;
constexpr int kLastYearAsked = 4000;

// A number from `low` to `high` typed at `prompt`; nothing when cancelled, empty or outside.
std::optional<int> AskNumber(Ui& ui, const char* prompt, int low, int high) {
  std::string text;
  if (!ui.EditBox(prompt, text) || text.empty()) return std::nullopt;
  const int64_t value = AtoI64(text);
  if (value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<int> AskDay(Ui& ui) { return AskNumber(ui, "Please enter the day (1-31)", 1, 31); }
std::optional<int> AskMonth(Ui& ui) {
  return AskNumber(ui, "Please enter the month (1-12)", 1, 12);
}
std::optional<int> AskYear(Ui& ui) {
  return AskNumber(ui, "Please enter the year (yyyy)", kFirstYearAsked, kLastYearAsked);
}

// The number typed at the prompt, or chosen from the whole-history list when the answer is
// empty. Nothing when cancelled or out of range.
std::optional<int64_t> AskTransactionNumber(Ui& ui, Files& files, const Path& data_folder,
                                            const Date& history_from, int this_year) {
  std::string text;
  if (!ui.EditBox(kTransactionNumberPrompt, text)) return std::nullopt;
  if (text.empty()) {
    return ChooseTransaction(ui, HistoryList(files, data_folder, history_from, this_year));
  }
  const int64_t number = AtoI64(text);
  if (number < 1 || number > kMaxTransactionNumber) return std::nullopt;
  return number;
}

// The number the command names, through its prompts and list; nothing ends the command.
std::optional<int64_t> ChosenNumber(const PrintingContext& printing, TransactionLookup how,
                                    const LocalTime& today) {
  Ui& ui = printing.platform.ui;
  Files& files = printing.platform.files;
  const Path& folder = printing.data_folder;
  const Date history_from = printing.settings.Get(cfg::kHistoryFrom);
  switch (how) {
    case TransactionLookup::kFind:
      return AskTransactionNumber(ui, files, folder, history_from, today.year);
    case TransactionLookup::kDay: {
      std::optional<int> day = AskDay(ui);
      if (!day) return std::nullopt;
      std::optional<int> month = AskMonth(ui);
      if (!month) return std::nullopt;
      std::optional<int> year = AskYear(ui);
      if (!year) return std::nullopt;
      return ChooseTransaction(ui, YearIndexList(files, folder, *year, *month, *day));
    }
    case TransactionLookup::kMonth: {
      std::optional<int> month = AskMonth(ui);
      if (!month) return std::nullopt;
      std::optional<int> year = AskYear(ui);
      if (!year) return std::nullopt;
      return ChooseTransaction(ui, YearIndexList(files, folder, *year, *month));
    }
    case TransactionLookup::kYear: {
      std::optional<int> year = AskYear(ui);
      if (!year) return std::nullopt;
      return ChooseTransaction(ui, YearIndexList(files, folder, *year));
    }
    case TransactionLookup::kDiscounted:
      return ChooseTransaction(ui, DiscountedList(files, folder, history_from, today));
    case TransactionLookup::kReprintLast:
      return int64_t{printing.settings.Get(cfg::kNextTransaction)} - 1;
  }
  return std::nullopt;
}

}  // namespace

void FindTransaction(const PrintingContext& printing, TransactionLookup how) {
  const LocalTime today = printing.platform.clock.Now();
  std::optional<int64_t> number = ChosenNumber(printing, how, today);
  if (!number) return;
  // The indexes are read once for the dialog: every "Next" searches the same copy.
  const int first_year = printing.settings.Get(cfg::kHistoryFrom).year;
  TransactionSearch search(printing.platform.files, printing.data_folder, first_year, today.year);
  SearchOutcome outcome = search.Find(*number);
  if (outcome.result != SearchResult::kFound) {
    TellSearchFailure(printing.platform.ui, outcome);
    return;
  }
  const NextMode mode =
      how == TransactionLookup::kDiscounted ? NextMode::kDiscounted : NextMode::kEvery;
  RunTransactionDialog(printing, search, outcome.found, mode);
}

std::optional<FoundTransaction> FindTransactionRecord(Ui& ui, Files& files,
                                                      const SettingsRecord& settings,
                                                      const Path& data_folder,
                                                      const LocalTime& today,
                                                      std::optional<int64_t> number) {
  if (!number) {
    number =
        AskTransactionNumber(ui, files, data_folder, settings.Get(cfg::kHistoryFrom), today.year);
    if (!number) return std::nullopt;
  }
  TransactionSearch search(files, data_folder, kFirstRecordYear, today.year);
  SearchOutcome outcome = search.Find(*number);
  if (outcome.result != SearchResult::kFound) {
    TellSearchFailure(ui, outcome);
    return std::nullopt;
  }
  return outcome.found;
}

}  // namespace ventro
