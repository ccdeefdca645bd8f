// One operation on a till port: open, optionally configure, write, close. No handle stays
// open between operations, so a device unplugged between two sales is found again at the
// next one.
#pragma once

#include <string>
#include <vector>

#include "platform/ports.h"
#include "platform/ui.h"

namespace ventro {

// Opens port `name` (an empty name is a port that cannot be opened), applies `line` when given,
// writes each of `writes` in turn and closes. The line settings are not checked: a device that
// refuses them may still take the bytes. A port that cannot be opened shows "Unable to open
// port" titled `open_title` and nothing is written; a failed write shows "Unable write to port"
// titled "Problem" and ends the operation. True when every write went through.
bool WriteToPort(Ports& ports, Ui& ui, const std::string& name, const SerialSettings* line,
                 const std::vector<std::string>& writes, const std::string& open_title);

}  // namespace ventro
