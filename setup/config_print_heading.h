// The "Print heading" dialog (menu Utilities, "Store print heading").
#pragma once

#include "formats/settings_record.h"
#include "platform/ui.h"

namespace ventro {

// Edits the six store heading lines printed on receipts and documents (40 characters each).
// An empty site name is refused with a message and the dialog runs again with the values the
// user left in it. Cancel changes nothing.
void RunPrintHeading(Ui& ui, SettingsRecord& settings);

}  // namespace ventro
