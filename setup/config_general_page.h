// The "General" page of the "Configuration" sheet: start points, default categories and tax
// code, tax names, category codes, the history-from date, currency and sale-screen options.
#pragma once

#include "setup/config_page.h"

namespace ventro {

ConfigPage GeneralConfigPage();

}  // namespace ventro
