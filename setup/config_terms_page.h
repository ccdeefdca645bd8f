// The "Terms" page of the "Configuration" sheet: the discount and credit period of the eight
// terms bands a customer can be allocated to.
#pragma once

#include "setup/config_page.h"

namespace ventro {

ConfigPage TermsConfigPage();

}  // namespace ventro
