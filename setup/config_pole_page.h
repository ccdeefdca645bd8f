// The "Pole configuration" page of the "Configuration" sheet: the customer display's serial
// line, its passive text and the control codes around every message. Its "Preview" button
// stores the page and shows the passive text on the display.
#pragma once

#include "setup/config_page.h"

namespace ventro {

ConfigPage PoleConfigPage();

}  // namespace ventro
