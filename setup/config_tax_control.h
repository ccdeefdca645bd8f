// The "TAX CONTROL" dialog (menu Utilities, "Tax setup").
#pragma once

#include "formats/settings_record.h"
#include "platform/ui.h"

namespace ventro {

// Edits which taxes are active, their rates (hundredths of a percent, 0 to 9999; a rate out of
// range keeps the stored one), compounding and the tax 1 threshold. Cancel changes nothing.
void RunTaxControl(Ui& ui, SettingsRecord& settings);

}  // namespace ventro
