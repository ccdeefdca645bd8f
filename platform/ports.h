// The till's serial and parallel ports as the core sees them: a port is named as the shop's
// settings name it ("COM1" to "COM8", "LPT1", "LPT2"), opened for one operation, configured,
// written and closed. Where each name leads on this machine is the implementation's business.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace ventro {

enum class Parity { kNone, kEven, kOdd };
enum class StopBits { kOne, kOneAndHalf, kTwo };

// The line settings of a serial port.
struct SerialSettings {
  int baud_rate = 9600;
  int data_bits = 8;
  Parity parity = Parity::kNone;
  StopBits stop_bits = StopBits::kOne;
};

// One open port; closed when destroyed.
class Port {
 public:
  virtual ~Port() = default;
  // Applies `settings` to a serial line; false when the device refuses them (or is not a serial
  // line), in which case it keeps the settings it had.
  virtual bool Configure(const SerialSettings& settings) = 0;
  // Writes all of `bytes` unchanged; false when not all of them could be written.
  virtual bool Write(std::string_view bytes) = 0;
};

class Ports {
 public:
  virtual ~Ports() = default;
  // Opens port `name` for reading and writing, for this caller alone. The device must exist:
  // nothing is created. Bytes pass unchanged (no line-ending translation). nullptr when the
  // port cannot be opened or `name` is not a port name.
  virtual std::unique_ptr<Port> Open(const std::string& name) = 0;
  // The device port `name` leads to, as shown beside the port lists ("/dev/ttyS0"); empty when
  // `name` is not a port name.
  virtual std::string DeviceOf(const std::string& name) = 0;
};

// The ports the settings choose from by index: 0 to 7 "COM1" to "COM8", 8 "LPT1", 9 "LPT2".
inline constexpr int kSerialPortCount = 8;
inline constexpr int kPortCount = 10;

// The name of port `index` (see above); empty outside 0 to 9.
std::string PortName(int64_t index);

}  // namespace ventro
