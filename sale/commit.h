// Turning the paid basket into a transaction: the year index, sales log and items log records,
// the stock and sold counters of every item sold, the day text log entry, the running totals
// and the advanced transaction number saved with the settings.
#pragma once

#include "sale/transaction_change.h"

namespace ventro {

struct SaleSession;

// Checks, without writing anything, that every line of the open basket can be committed: each
// non-zero item number is in the inventory index ("Invalid entry" titled "Problem") and its
// record can be read from inventory.dat ("Data file: inventory.dat, not present." titled
// "Fatal error", "Not able to read inventory.dat" titled "Problem"). Tender calls it before it
// changes anything outside the basket.
bool CanCommitBasket(SaleSession& session);

// Records the open basket under the settings' next transaction number, keeping the basket for
// the committed summary and its receipts. The year index, sales and items log records, the
// stock and sold counters of every item sold, `customer` when given, and the settings with the
// takings (except for "Credit"), category counters and next number moved on are made as one
// change through the journal, flushed to the disk before this returns, so that the sale is safe
// before the clerk is told. Then the sale's entry goes to the day text log. A refused commit
// changes nothing and keeps the basket and the number: an unknown item "Invalid entry", a
// missing inventory.dat "Data file: inventory.dat, not present." titled "Fatal error", a file
// that cannot be written "Not able to write to <file>" titled "Problem". False when nothing
// was committed (or an empty basket list was refused with "No items").
bool RecordTransaction(SaleSession& session, const CustomerUpdate* customer = nullptr);

// Empties the basket and its list after the committed sale has been shown.
void ClearCommittedBasket(SaleSession& session);

// RecordTransaction, then ClearCommittedBasket when it succeeded.
bool CommitTransaction(SaleSession& session);

// Appends "Till opened." to the day text log; "Data log file not present." titled "Problem"
// when it cannot be written.
void LogTillOpened(SaleSession& session);

}  // namespace ventro
