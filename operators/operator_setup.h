// "Operator setup": the administrator or manager names a clerk, makes the clerk available or
// not, and sets the clerk's password.
#pragma once

#include "formats/settings_record.h"
#include "platform/ui.h"

namespace ventro {

// Refused while a restricted clerk is signed on with "Administrator or manager" titled "Restricted
// access". Otherwise asks for the clerk number ("Outside range" titled "Problem" unless 1 to 99)
// and runs the clerk set-up dialog "PASBO2" until its values pass the checks or it is cancelled;
// after OK, "Amended" titled "Clerk".
void RunOperatorSetup(Ui& ui, SettingsRecord& settings, bool restricted);

}  // namespace ventro
