#include "setup/config_till_page.h"

#include <cstdint>

#include "base/format.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr int kConnectionCount = 2;
constexpr int32_t kPrinterConnection = 2;  // stored for "Receipt printer connect"
constexpr int kMaxOpenCharacter = 255;
constexpr int kMinRepeat = 1;
constexpr int kMaxRepeat = 10;
// The stored sequence holds 31 characters and its terminator.
constexpr size_t kSequenceLength = 31;

std::vector<std::string> Connections() { return {"Direct connect", "Receipt printer connect"}; }

// The drawer's port list, as the page names the ports.
std::vector<std::string> DrawerPorts() {
  std::vector<std::string> ports;
  for (int index = 0; index < kPortCount; ++index) ports.push_back(PortName(index) + ":");
  return ports;
}

std::string Joined(const std::vector<std::string>& rows) {
  std::string text;
  for (const std::string& row : rows) text += (text.empty() ? "" : "\n") + row;
  return text;
}

// The device the chosen port leads to; empty when the sheet runs without its platform.
std::string DeviceText(const ConfigSheetContext& context, int port_index) {
  if (!context.platform || port_index < 0) return "";
  return context.platform->ports.DeviceOf(PortName(port_index));
}

// A number typed in the page, when it lies in [low, high].
bool ReadNumber(const Dialog& d, const std::string& key, int64_t low, int64_t high,
                int64_t& value) {
  int64_t typed = AtoI64(FieldText(d, key));
  if (typed < low || typed > high) return false;
  value = typed;
  return true;
}

void Build(const ConfigSheetContext& context, const SettingsRecord& s, Dialog& d) {
  d.Add(ChoiceField("drawer_connection", "Drawer connection", Connections(),
                    s.Get(cfg::kDrawerConnection) == 0 ? 0 : 1));
  int64_t port = s.Get(cfg::kDrawerPort);
  int shown_port = port >= 0 && port < kPortCount ? static_cast<int>(port) : -1;
  d.Add(ChoiceField("drawer_port", "Port", DrawerPorts(), shown_port));
  DialogField device = TextField("drawer_device", "Device", DeviceText(context, shown_port), 0);
  device.kind = FieldKind::kReadOnly;
  d.Add(std::move(device));
  d.Add(NoteField("drawer_port_note", PortMappingNote()));
  d.Add(NumberField("open_character", "Open character (0-255)",
                    StringPrintf("%lld", static_cast<long long>(s.Get(cfg::kDrawerOpenCharacter))),
                    3));
  d.Add(NumberField("repeat", "Repeat (1-10)",
                    StringPrintf("%lld", static_cast<long long>(s.Get(cfg::kDrawerRepeat))), 2));
  d.Add(TextField("printer_sequence", "Printer control sequence", s.Get(cfg::kDrawerSequence),
                  kSequenceLength));
  d.Add(CheckField("open_automatically", "Open automatically",
                   s.Get(cfg::kOpenDrawerAfterCommit) > 0));
  DialogField table = NoteField("printer_sequences", Joined(PrinterControlSequences()));
  table.group = "Printer control sequences";
  d.Add(std::move(table));
  d.Add(NoteField("tm88_note",
                  "The Epson TM-T88 IV receipt printer requires a control sequence of "
                  "27,112,48,55, 121 to open a daisychained cash drawer."));
  d.Add(NoteField("protocol_note",
                  "The settings for the com port protocols is from the Control panel, System, "
                  "Device manager"));
  d.Add(NoteField("receipt_printer_note",
                  "The printer MUST be specified on Configuration,'Receipts'"));
}

void Apply(const ConfigSheetContext&, const Dialog& d, SettingsRecord& s) {
  int connection = FieldChoice(d, "drawer_connection", kConnectionCount);
  if (connection >= 0) s.Set(cfg::kDrawerConnection, connection == 0 ? 0 : kPrinterConnection);
  int port = FieldChoice(d, "drawer_port", kPortCount);
  if (port >= 0) s.Set(cfg::kDrawerPort, port);
  int64_t value = 0;
  if (ReadNumber(d, "open_character", 0, kMaxOpenCharacter, value)) {
    s.Set(cfg::kDrawerOpenCharacter, value);
  }
  if (ReadNumber(d, "repeat", kMinRepeat, kMaxRepeat, value)) s.Set(cfg::kDrawerRepeat, value);
  s.Set(cfg::kDrawerSequence, FieldText(d, "printer_sequence"));
  s.Set(cfg::kOpenDrawerAfterCommit, d.Field("open_automatically").checked ? 1 : 0);
}

void OnChange(const ConfigSheetContext& context, Dialog& d, const std::string& key,
              SettingsRecord&) {
  if (key != "drawer_port") return;
  d.Field("drawer_device").text = DeviceText(context, FieldChoice(d, "drawer_port", kPortCount));
}

}  // namespace

ConfigPage TillConfigPage() { return {"Till configuration", Build, Apply, OnChange}; }

const std::vector<std::string>& PrinterControlSequences() {
  static const std::vector<std::string> rows = {
      "Citizen 230: 27,112,0,50,250",
      "Epson TM T88 III: 27,112,0,25,250",
      "Epson TM T88 IIIP: 27,112,0,64,240",
      "Epson TM T88 IV: 27,112,48,55,121",
      "Epson TM T88 V: 27,112,48,55,121",
      "Epson TM U950P: 27,112,0,50,250",
      "Epson TM U200: 27,112,0,25,250",
      "Epson TM U200B: 27,112,48,25,250",
      "Epson TM U200D: 27,112,0,64,240",
      "Epson TM T60: 27,112,0,32,25",
      "Epson TM T70: 27,112,48,55,121",
      "Epson TM T80P: 27,112,0,25,250",
      "Epson TM H6000: 27,112,48,55,121",
      "Ithaca POSjet: 27,112,0,25,250",
      "IBM 4610: 7",
      "IBM 4610: 27,112,0,25,250",
      "Samsung SRP 270: 27,112,0,60,240",
  };
  return rows;
}

std::string PortMappingNote() {
  return "Each port leads to the device shown beside it. To use another device (such as a USB "
         "serial adapter), add a line like COM3=/dev/ttyUSB0 to the file ports.txt in the data "
         "folder.";
}

}  // namespace ventro
