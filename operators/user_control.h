// "User control": the administrator or manager chooses which operations are kept from the
// other clerks, in the "PASSWORD CONTROL" dialog.
#pragma once

#include "formats/settings_record.h"
#include "platform/ui.h"
#include "platform/window.h"

namespace ventro {

// Only while clerk 1 or 2 is signed on (for anybody else it does nothing): runs the dialog and
// on OK stores each permission flag in its own sense (a checked box is 0 for the operations
// that are free when 2, and 2 for the "inhibit" and "controlled" switches). Cancel changes
// nothing. The menu states are refreshed afterwards.
void RunUserControl(Ui& ui, SettingsRecord& settings, Window& window);

}  // namespace ventro
