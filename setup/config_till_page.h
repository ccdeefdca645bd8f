// The "Till configuration" page of the "Configuration" sheet: how the cash drawer is opened
// (straight through a port or through the receipt printer), with the control sequences of
// common receipt printers for reference.
#pragma once

#include <string>
#include <vector>

#include "setup/config_page.h"

namespace ventro {

ConfigPage TillConfigPage();

// The reference rows of the page's printer list ("Epson TM T88 III: 27,112,0,25,250" ...).
const std::vector<std::string>& PrinterControlSequences();

// The note beside a port list telling where the ports lead and how to change that.
std::string PortMappingNote();

}  // namespace ventro
