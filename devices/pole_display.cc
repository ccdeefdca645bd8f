#include "devices/pole_display.h"

#include <array>
#include <vector>

#include "base/format.h"
#include "devices/code_list.h"
#include "devices/port_output.h"

namespace ventro {
namespace {

// Indexed as the page's lists are.
constexpr std::array kBaudRates = {9600,  300,   600,   1200,   2400,   4800,  14400,
                                   19200, 38400, 57600, 115200, 128000, 256000};
constexpr std::array kDataBits = {8, 4, 5, 6, 7};
constexpr std::array kParities = {Parity::kNone, Parity::kEven, Parity::kOdd};
constexpr std::array kStopBits = {StopBits::kOne, StopBits::kOneAndHalf, StopBits::kTwo};

// Descriptions up to this length are shown whole.
constexpr size_t kWholeDescription = 12;
// The price part of a cut line, two blanks included.
constexpr size_t kPricePart = 10;

template <typename T, size_t N>
T Pick(const std::array<T, N>& list, int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < N ? list[static_cast<size_t>(index)] : list[0];
}

std::string Codes(const SettingsRecord& settings, PoleString which) {
  return ParseCodeList(settings.Get(cfg::kPoleString, which));
}

// Sends one pole message: `writes` go out in turn on one opening of the port, framed by the
// printer-off and printer-on lists, each on an opening of its own. The printer-on list is sent
// even when the message failed, so a daisy-chained printer is never left switched off.
bool SendPoleMessage(const TillPorts& till, const SettingsRecord& settings,
                     const std::vector<std::string>& writes, const std::string& open_title) {
  if (settings.Get(cfg::kPoleInUse) == 0) return false;
  const std::string port = PolePortName(settings);
  const SerialSettings line = PoleSerialSettings(settings);
  const std::string off = Codes(settings, PoleString::kPrinterOff);
  if (!off.empty()) WriteToPort(till.ports, till.ui, port, &line, {off}, open_title);
  bool shown = WriteToPort(till.ports, till.ui, port, &line, writes, open_title);
  const std::string on = Codes(settings, PoleString::kPrinterOn);
  if (!on.empty()) WriteToPort(till.ports, till.ui, port, &line, {on}, open_title);
  return shown;
}

// The clear codes, the first-line cursor codes and `text`: the first write of every message.
std::string FirstLine(const SettingsRecord& settings, std::string_view text) {
  return Codes(settings, PoleString::kClearDisplay) + Codes(settings, PoleString::kCursorLine1) +
         std::string(text);
}

bool ShowText(const TillPorts& till, const SettingsRecord& settings, std::string_view text) {
  return SendPoleMessage(till, settings, {FirstLine(settings, text)}, "Problem");
}

}  // namespace

SerialSettings PoleSerialSettings(const SettingsRecord& settings) {
  SerialSettings line;
  line.baud_rate = Pick(kBaudRates, settings.Get(cfg::kPoleBaudRate));
  line.data_bits = Pick(kDataBits, settings.Get(cfg::kPoleDataBits));
  line.parity = Pick(kParities, settings.Get(cfg::kPoleParity));
  line.stop_bits = Pick(kStopBits, settings.Get(cfg::kPoleStopBits));
  return line;
}

std::string PolePortName(const SettingsRecord& settings) {
  int32_t index = settings.Get(cfg::kPolePort);
  return index >= 0 && index < kSerialPortCount ? PortName(index) : "";
}

std::string PoleItemText(std::string_view description, double line_total) {
  if (description.size() <= kWholeDescription) {
    return std::string(description) + " " + FormatAmount(line_total);
  }
  std::string price = "  " + FormatAmount(line_total);
  return std::string(description.substr(0, kWholeDescription)) + price.substr(0, kPricePart);
}

bool ShowPolePassiveText(const TillPorts& till, const SettingsRecord& settings) {
  std::string text = settings.Get(cfg::kPoleString, PoleString::kPassiveText);
  return SendPoleMessage(till, settings, {FirstLine(settings, text)}, "Pole display");
}

bool InitialisePoleDisplay(const TillPorts& till, const SettingsRecord& settings) {
  return ShowPolePassiveText(till, settings);
}

bool ShowPoleLastItem(const TillPorts& till, const SettingsRecord& settings,
                      std::string_view description, double line_total) {
  return ShowText(till, settings, PoleItemText(description, line_total));
}

bool ShowPoleTotal(const TillPorts& till, const SettingsRecord& settings, double grand_total) {
  return ShowText(till, settings, "Total: " + FormatAmount(grand_total));
}

bool ShowPoleTenderAndChange(const TillPorts& till, const SettingsRecord& settings, double tendered,
                             double change) {
  std::vector<std::string> writes = {
      FirstLine(settings, "Tender: " + FormatAmount(tendered)),
      Codes(settings, PoleString::kCursorLine2) + "Change: " + FormatAmount(change)};
  return SendPoleMessage(till, settings, writes, "Problem");
}

}  // namespace ventro
