#include "platform/ports.h"

#include "base/format.h"

namespace ventro {

std::string PortName(int64_t index) {
  if (index >= 0 && index < kSerialPortCount) {
    return StringPrintf("COM%d", static_cast<int>(index) + 1);
  }
  if (index >= kSerialPortCount && index < kPortCount) {
    return StringPrintf("LPT%d", static_cast<int>(index) - kSerialPortCount + 1);
  }
  return "";
}

}  // namespace ventro
