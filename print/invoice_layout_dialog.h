// The "Invoices" dialog (menu Utilities): the lines the custom invoice prints the six store
// heading lines on.
#pragma once

#include "formats/settings_record.h"
#include "platform/ui.h"

namespace ventro {

// Runs the dialog over the settings. OK stores each line typed as a number from 0 (left out)
// to 60 and keeps the stored value for anything else; Cancel changes nothing. The settings
// reach vt.cfg at the next save.
void RunInvoiceLayoutDialog(Ui& ui, SettingsRecord& settings);

}  // namespace ventro
