// What the till's devices are driven through: the named ports, the raw printer that kicks a
// drawer wired to the receipt printer, and the messages a failure shows.
#pragma once

#include "platform/platform.h"
#include "platform/ports.h"
#include "platform/raw_printer.h"
#include "platform/ui.h"

namespace ventro {

struct TillPorts {
  TillPorts(Ports& on_ports, RawPrinter& on_raw_printer, Ui& on_ui)
      : ports(on_ports), raw_printer(on_raw_printer), ui(on_ui) {}
  // Not explicit: a caller holding the platform passes it as it is, and only these three of
  // its services reach the devices.
  TillPorts(Platform& platform)  // NOLINT(google-explicit-constructor)
      : TillPorts(platform.ports, platform.raw_printer, platform.ui) {}

  Ports& ports;
  RawPrinter& raw_printer;
  Ui& ui;
};

}  // namespace ventro
