#include "devices/cutter.h"

#include <string>

#include "devices/code_list.h"
#include "devices/port_output.h"

namespace ventro {

bool SendCutterSequence(const TillPorts& till, const SettingsRecord& settings) {
  std::string sequence = settings.Get(cfg::kCutterSequence);
  if (sequence.empty()) return true;
  return WriteToPort(till.ports, till.ui, PortName(settings.Get(cfg::kCutterPort)), nullptr,
                     {ParseCodeList(sequence)}, "Problem");
}

}  // namespace ventro
