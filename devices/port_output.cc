#include "devices/port_output.h"

namespace ventro {

bool WriteToPort(Ports& ports, Ui& ui, const std::string& name, const SerialSettings* line,
                 const std::vector<std::string>& writes, const std::string& open_title) {
  std::unique_ptr<Port> port = name.empty() ? nullptr : ports.Open(name);
  if (!port) {
    ui.Message(open_title, "Unable to open port", Icon::kWarning);
    return false;
  }
  if (line) port->Configure(*line);
  for (const std::string& bytes : writes) {
    if (!port->Write(bytes)) {
      port.reset();  // closed before the message, so the device is free while it shows
      ui.Message("Problem", "Unable write to port", Icon::kWarning);
      return false;
    }
  }
  return true;
}

}  // namespace ventro
