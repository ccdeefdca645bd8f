// The "Transaction" dialog ("MULTDIAL"): one committed transaction with its figures and lines,
// "Next" to step to the following one, and its till or custom receipt printed again.
#pragma once

#include <vector>

#include "print/printing_context.h"
#include "sale/basket.h"
#include "sale/transaction_lookup_search.h"

namespace ventro {

// The transaction as a basket, the form receipts are printed from: the header, totals, texts
// and payment amounts of its sales record (the balances before and after a credit payment
// excepted) and one line per items record.
Basket TransactionBasket(const SalesLogRecord& sales, const std::vector<ItemsLogRecord>& items);
// The same written over `basket`, which holds another transaction's basket or an empty one:
// only the lines are rewritten that either transaction has, so stepping through transactions
// does not build and copy a whole basket each time.
void FillTransactionBasket(Basket& basket, const SalesLogRecord& sales,
                           const std::vector<ItemsLogRecord>& items);

// Which transactions "Next" steps through.
enum class NextMode {
  kEvery,
  kDiscounted,  // only those with a discount total above 0
};

// Shows `transaction` until OK or Cancel. "Next" finds the number after the one shown (in the
// discounted mode the next with a discount) through `search`: "End of list." titled "Problem"
// when no index holds it, the failures of the search otherwise. "Till receipt" and "Custom
// receipt" print the transaction shown, as tendered in full with no change. The open sale is
// not touched: the transaction is held apart from it.
void RunTransactionDialog(const PrintingContext& printing, TransactionSearch& search,
                          const FoundTransaction& transaction, NextMode mode);

// Tells the user why `outcome` found nothing: "No match found" titled "Finished", or "Unable
// to open sales log." titled "Problem". Nothing for a transaction found.
void TellSearchFailure(Ui& ui, const SearchOutcome& outcome);

}  // namespace ventro
