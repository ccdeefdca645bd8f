// The Import command: a comma-separated text file read into the inventory (replacing it or
// merged into it) or the customers (replacing them).
#pragma once

#include "exchange/exchange_desk.h"

namespace ventro {

// The longest line taken, with its line end.
inline constexpr size_t kLongestImportLine = 1998;

// Asks what to import and from which file, checks the whole file, maps its columns (EXSE04 or
// EXSE08), then builds the new master file in memory and puts it in place in one atomic write:
// any failure leaves the data folder as it was. A changed master file ends the run, so the
// next start loads it with its indexes.
void ImportRecords(const ExchangeDesk& desk);

}  // namespace ventro
