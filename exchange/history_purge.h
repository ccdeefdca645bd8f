// The transaction history's year, month and day folders deleted, and transaction numbering
// started again at 1.
#pragma once

#include "exchange/exchange_desk.h"

namespace ventro {

// Deletes the history from `year` back, year by year, while the earlier year has its index
// (base.dat) and is not before 2000. Only the history's own files and then its folders, when
// they are empty, are removed, so a file of anything else keeps its folder and that year is
// told as not purged. Sets the next transaction number to 1. True when every year folder went.
bool PurgeHistory(Ui& ui, Files& files, const Path& data_folder, int year,
                  SettingsRecord& settings);

// Purge transaction history: asks, purges, saves the settings, makes today's log folders again
// and redraws the sale screen; "Complete" only when every year went.
void PurgeHistoryCommand(const ExchangeDesk& desk);

}  // namespace ventro
