// Backup and restore of the core files (settings, inventory, customers, suppliers) or of the
// whole data folder. Every copy is staged under a temporary name and compared with its source
// before it replaces anything, so a failure keeps both the old backup and the live files.
#pragma once

#include "exchange/exchange_desk.h"

namespace ventro {

// Backup: dialog BACKUPBOX, then the folder to back up into (never the data folder, a folder
// in it or, for the whole folder, its parent). The last-backup time changes only when the
// backup is complete.
void BackupData(const ExchangeDesk& desk);

// Restore: dialog RESTOREBOX, then one inventory file, the core files or a whole data folder.
// Files the start would refuse are refused here first. A restore ends the run without saving
// its state over the restored files.
void RestoreData(const ExchangeDesk& desk);

}  // namespace ventro
