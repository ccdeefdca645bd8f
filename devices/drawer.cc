#include "devices/drawer.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "devices/code_list.h"
#include "devices/port_output.h"

namespace ventro {
namespace {

// The page offers 1 to 10; a damaged setting never sends more than this.
constexpr int64_t kMaxRepeat = 10;

bool OpenDirect(const TillPorts& till, const SettingsRecord& settings) {
  int64_t repeat = std::clamp<int64_t>(settings.Get(cfg::kDrawerRepeat), 0, kMaxRepeat);
  char open =
      static_cast<char>(static_cast<uint64_t>(settings.Get(cfg::kDrawerOpenCharacter)) & 0xFF);
  std::string bytes(static_cast<size_t>(repeat), open);
  return WriteToPort(till.ports, till.ui, PortName(settings.Get(cfg::kDrawerPort)), nullptr,
                     {bytes}, "Till drawer");
}

bool OpenThroughPrinter(const TillPorts& till, const SettingsRecord& settings) {
  std::string sequence = settings.Get(cfg::kDrawerSequence);
  if (sequence.empty()) return true;
  // With no receipt printer named the job would go to the system's default printer, where
  // the control bytes print as garbage: that is refused like a printer that cannot be opened.
  const std::string printer = settings.Get(cfg::kReceiptPrinterName);
  if (!printer.empty() &&
      till.raw_printer.Send(printer, kRawDocumentName, ParseCodeList(sequence))) {
    return true;
  }
  till.ui.Message("Problem", "Unable to open printer for till drawer", Icon::kWarning);
  return false;
}

}  // namespace

bool OpenTillDrawer(const TillPorts& till, const SettingsRecord& settings) {
  // 0 is the direct connection; the page stores 2 for the printer, and any other value is
  // read the way first run set it up.
  if (settings.Get(cfg::kDrawerConnection) == 0) return OpenDirect(till, settings);
  return OpenThroughPrinter(till, settings);
}

bool OpenDrawerAfterCommit(const TillPorts& till, const SettingsRecord& settings) {
  if (settings.Get(cfg::kOpenDrawerAfterCommit) <= 0) return true;
  return OpenTillDrawer(till, settings);
}

}  // namespace ventro
