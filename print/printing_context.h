// What printing a document needs besides the document's data: the platform's printers, ports,
// messages and files, the settings that choose the printer and lay the page out, the labels,
// and the data folder holding the receipt logo.
#pragma once

#include "formats/settings_record.h"
#include "operators/label_table.h"
#include "platform/platform.h"

namespace ventro {

struct PrintingContext {
  Platform& platform;
  const SettingsRecord& settings;
  const LabelTable& labels;
  Path data_folder;
};

}  // namespace ventro
