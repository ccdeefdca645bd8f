// The wording of a customer's payment terms, chosen from the settings' eight terms bands.
#pragma once

#include <cstdint>
#include <string>

#include "formats/settings_record.h"

namespace ventro {

// "No credit, " ... "180 days, " for the band's credit period, followed by "Nett" ... "50%
// disc" for its discount; e.g. "30 days, 5% disc". `terms` is the customer's band, 1 to 8; a
// band outside that range has no entry and reads as "No credit, " alone.
std::string TermsText(const SettingsRecord& settings, int32_t terms);

}  // namespace ventro
