// The till's ports on a POSIX system, driven through termios. By default COMn is
// /dev/ttyS(n-1) and LPT1, LPT2 are /dev/lp0, /dev/lp1; a plain-text mapping file (ports.txt in
// the data folder) points any of them elsewhere, one "NAME=DEVICE" line each, such as
// "COM3=/dev/ttyUSB0" for a display on a USB serial adapter. Blank lines and lines starting
// with '#' are ignored.
#pragma once

#include <termios.h>

#include <map>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/ports.h"

namespace ventro {

// The name of the mapping file in the data folder.
inline constexpr char kPortMappingFileName[] = "ports.txt";

// The port names and devices of a mapping file's text; lines naming no port are skipped.
// Names are matched without regard to case; the last line for a name wins.
std::map<std::string, std::string> ParsePortMapping(std::string_view text);

// The device a port leads to when the mapping file does not name it; empty for a non-port.
std::string DefaultPortDevice(const std::string& name);

// Puts `settings` into `line`: character size, parity, stop bits, no flow control, and the
// rate when termios has a constant for it (others are set on the open line afterwards). False,
// leaving `line` as it was, for a format a UART cannot send: four data bits, or one and a half
// stop bits with more than five.
bool ApplySerialSettings(const SerialSettings& settings, termios& line);

class PosixPorts : public Ports {
 public:
  // `mapping_file` need not exist. It is read again at every open, so an edit takes effect at
  // the next operation without a restart.
  explicit PosixPorts(Path mapping_file) : mapping_file_(std::move(mapping_file)) {}

  std::unique_ptr<Port> Open(const std::string& name) override;
  std::string DeviceOf(const std::string& name) override;

 private:
  Path mapping_file_;
};

}  // namespace ventro
