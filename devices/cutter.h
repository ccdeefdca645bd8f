// The paper cutter of the receipt printer, fired after each copy of a custom receipt.
#pragma once

#include "devices/till_ports.h"
#include "formats/settings_record.h"

namespace ventro {

// Writes the cutter sequence of the "Custom receipt" dialog to its port (no line settings are
// applied) when the sequence is set; nothing when it is empty. A port that cannot be opened
// shows "Unable to open port" titled "Problem". False when a failure was shown.
bool SendCutterSequence(const TillPorts& till, const SettingsRecord& settings);

}  // namespace ventro
