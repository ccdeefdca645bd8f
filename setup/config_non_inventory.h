// The "Non inventory settings" dialog (menu Utilities).
#pragma once

#include "formats/settings_record.h"
#include "platform/ui.h"

namespace ventro {

// Edits the four preset categories of non-inventory sales (12 characters each) and whether
// such a sale is taxable by default. Cancel changes nothing.
void RunNonInventorySettings(Ui& ui, SettingsRecord& settings);

}  // namespace ventro
