// The customer pole display: a two-line text display on a serial port, often daisy-chained
// with the receipt printer on the same line. Every message is one operation on the port, with
// the codes the "Pole configuration" page holds: optionally "Switch printer off" first (so a
// printer on the same line ignores the text), then the clear and cursor codes and the text,
// then optionally "Switch printer on".
//
// Each Show function does nothing and touches no port when the pole "Use" box is off, so
// callers need not check it. A port that cannot be opened or written shows its message and
// the caller goes on; they return true when the message reached the display.
#pragma once

#include <string>
#include <string_view>

#include "devices/till_ports.h"
#include "formats/settings_record.h"
#include "platform/ports.h"

namespace ventro {

// The pole line settings chosen on the page by index (rate, parity, data bits, stop bits); an
// index outside its list counts as the list's first entry.
SerialSettings PoleSerialSettings(const SettingsRecord& settings);

// The port the pole display is on: "COM1" to "COM8"; empty for a stored index outside 0 to 7.
std::string PolePortName(const SettingsRecord& settings);

// The display text of a basket line: "DESCRIPTION 12.50" when the description has 12
// characters or fewer; otherwise its first 12 characters followed by "  12.50" cut to 10
// characters, so the line stays within a 22-character display.
std::string PoleItemText(std::string_view description, double line_total);

// The passive text, shown while no sale is running (start-up, a cleared or new basket).
// A port that cannot be opened is reported titled "Pole display".
bool ShowPolePassiveText(const TillPorts& till, const SettingsRecord& settings);

// At start-up: the display starts with the passive text.
bool InitialisePoleDisplay(const TillPorts& till, const SettingsRecord& settings);

// The basket line just added: PoleItemText of its description and line total.
bool ShowPoleLastItem(const TillPorts& till, const SettingsRecord& settings,
                      std::string_view description, double line_total);

// "Total: 12.50" with the basket's grand total, when a payment starts.
bool ShowPoleTotal(const TillPorts& till, const SettingsRecord& settings, double grand_total);

// After a committed sale: "Tender: 20.00" on the first line, then the "Set cursor second line"
// codes and "Change: 7.50", written in two writes on the same open port.
bool ShowPoleTenderAndChange(const TillPorts& till, const SettingsRecord& settings, double tendered,
                             double change);

}  // namespace ventro
