// The "Language customization" dialog: picks the language of the printed labels and lets the
// user reword each label of receipts and invoices.
#pragma once

#include "formats/settings_record.h"
#include "operators/label_table.h"
#include "platform/ui.h"

namespace ventro {

// Runs the dialog "LBOX" over the settings' language and the current `table`. On OK the
// chosen language goes into `settings` and labels 1 to 35 into `table` (each cut to 79
// characters); entry 0 and entries 36 to 57 are never changed. Cancel changes nothing.
// Neither the settings nor the label file is written here: both are saved whole at exit.
void RunLanguageDialog(Ui& ui, SettingsRecord& settings, LabelTable& table);

}  // namespace ventro
