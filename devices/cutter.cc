#include "devices/cutter.h"

#include <string>

#include "devices/code_list.h"
#include "devices/port_output.h"

namespace ventro {

bool SendCutterSequence(Platform& platform, const SettingsRecord& settings) {
  std::string sequence = settings.cutter_sequence();
  if (sequence.empty()) return true;
  return WriteToPort(platform.ports, platform.ui, PortName(settings.cutter_port()), nullptr,
                     {ParseCodeList(sequence)}, "Problem");
}

}  // namespace ventro
