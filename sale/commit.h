// Turning the paid basket into a transaction: the year index, sales log and items log records,
// the stock and sold counters of every item sold, the day text log entry, the running totals
// and the advanced transaction number saved with the settings.
#pragma once

namespace ventro {

struct SaleSession;

// Checks, without writing anything, that every line of the open basket can be committed: each
// non-zero item number is in the inventory index ("Invalid entry" titled "Problem") and its
// record can be read from inventory.dat ("Data file: inventory.dat, not present." titled
// "Fatal error", "Not able to read inventory.dat" titled "Problem"). Tender calls it before it
// changes anything outside the basket.
bool CanCommitBasket(SaleSession& session);

// Commits the open basket under the settings' next transaction number. Every check is made and
// every log opened before the first byte is written, so a refused commit writes nothing, keeps
// the basket and its list, and leaves the transaction number for the next try; a failed write
// takes back what this commit had written. On success the sale's entry goes to the day text
// log, the takings (except for "Credit"), category counters and transaction number move on, the
// settings file is saved and the basket is emptied. False when nothing was committed (or an
// empty basket was refused with "No items").
bool CommitTransaction(SaleSession& session);

// Appends "Till opened." to the day text log; "Data log file not present." titled "Problem"
// when it cannot be written.
void LogTillOpened(SaleSession& session);

}  // namespace ventro
