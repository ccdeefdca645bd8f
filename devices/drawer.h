// The till's cash drawer, kicked either straight through a port or through the receipt
// printer it is daisy-chained to, as the "Till configuration" page says.
#pragma once

#include "devices/till_ports.h"
#include "formats/settings_record.h"

namespace ventro {

// The document name of every raw job the program sends.
inline constexpr char kRawDocumentName[] = "VENTRO";

// Opens the drawer. Direct connection: the open character, "Repeat" times (at most 10), in one
// write to the drawer port; a port that cannot be opened shows "Unable to open port" titled
// "Till drawer". Receipt printer connection: the printer control sequence as one raw job to the
// receipt printer named on the "Receipts" page; nothing at all happens when the sequence is
// empty, and with no printer named, or one that cannot take the job, nothing is sent and
// "Unable to open printer for till drawer" titled "Problem" is shown. Never retries. False
// when a failure was shown.
bool OpenTillDrawer(const TillPorts& till, const SettingsRecord& settings);

// After a committed sale: opens the drawer when "Open automatically" is set. False when a
// failure was shown.
bool OpenDrawerAfterCommit(const TillPorts& till, const SettingsRecord& settings);

}  // namespace ventro
