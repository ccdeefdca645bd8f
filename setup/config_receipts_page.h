// The "Receipts" page of the "Configuration" sheet: the receipt and kitchen printers, the
// document printed after each sale, the copies, and how the till receipt looks.
#pragma once

#include "setup/config_page.h"

namespace ventro {

// The printer lists offer "Default" and then the printers the system knows; a printer named
// in the settings that the system no longer lists stays in the list, so that OK keeps it.
// "Unable to get printers" titled "Problem" when the system's list cannot be read.
ConfigPage ReceiptsConfigPage();

}  // namespace ventro
