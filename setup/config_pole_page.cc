#include "setup/config_pole_page.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/format.h"
#include "devices/pole_display.h"
#include "setup/config_fields.h"
#include "setup/config_till_page.h"

namespace ventro {
namespace {

// Every pole text holds 31 characters and its terminator.
constexpr size_t kPoleTextLength = 31;
constexpr size_t kColumnsLength = 3;
constexpr int64_t kMaxColumns = 999;
constexpr int32_t kOn = 2;

std::vector<std::string> BaudRates() {
  return {"9600",  "300",   "600",   "1200",   "2400",   "4800",  "14400",
          "19200", "38400", "57600", "115200", "128000", "256000"};
}
std::vector<std::string> Parities() { return {"No parity", "Even parity", "Odd parity"}; }
std::vector<std::string> DataBits() { return {"8", "4", "5", "6", "7"}; }
std::vector<std::string> StopBitChoices() { return {"1", "1.5", "2"}; }

std::vector<std::string> PolePorts() {
  std::vector<std::string> ports;
  for (int index = 0; index < kSerialPortCount; ++index) ports.push_back(PortName(index));
  return ports;
}

struct PoleText {
  const char* key;
  const char* label;
  PoleString which;
};
constexpr std::array kTexts = {
    PoleText{"passive_text", "Passive text", PoleString::kPassiveText},
    PoleText{"printer_on", "Switch printer on", PoleString::kPrinterOn},
    PoleText{"printer_off", "Switch printer off", PoleString::kPrinterOff},
    PoleText{"clear_display", "Clear display message", PoleString::kClearDisplay},
    PoleText{"cursor_line1", "Set cursor first line", PoleString::kCursorLine1},
    PoleText{"cursor_line2", "Set cursor second line", PoleString::kCursorLine2},
};

// The list entry shown for a stored index; none for an index the list does not have.
int Shown(int32_t stored, size_t count) {
  return stored >= 0 && static_cast<size_t>(stored) < count ? stored : -1;
}

std::string DeviceText(const ConfigSheetContext& context, int port_index) {
  if (!context.platform || port_index < 0) return "";
  return context.platform->ports.DeviceOf(PortName(port_index));
}

void Build(const ConfigSheetContext& context, const SettingsRecord& s, Dialog& d) {
  d.Add(CheckField("pole_use", "Use", s.Get(cfg::kPoleInUse) != 0));
  int port = Shown(s.Get(cfg::kPolePort), kSerialPortCount);
  d.Add(ChoiceField("pole_port", "Port", PolePorts(), port));
  DialogField device = TextField("pole_device", "Device", DeviceText(context, port), 0);
  device.kind = FieldKind::kReadOnly;
  d.Add(std::move(device));
  d.Add(NoteField("pole_port_note", PortMappingNote()));
  d.Add(ChoiceField("baud_rate", "Baud rate", BaudRates(),
                    Shown(s.Get(cfg::kPoleBaudRate), BaudRates().size())));
  d.Add(ChoiceField("parity", "Parity", Parities(),
                    Shown(s.Get(cfg::kPoleParity), Parities().size())));
  d.Add(ChoiceField("data_bits", "Data bits", DataBits(),
                    Shown(s.Get(cfg::kPoleDataBits), DataBits().size())));
  d.Add(ChoiceField("stop_bits", "Stop bits", StopBitChoices(),
                    Shown(s.Get(cfg::kPoleStopBits), StopBitChoices().size())));
  d.Add(NumberField("columns1", "Columns in line 1",
                    StringPrintf("%d", s.Get(cfg::kPoleColumnsLine1)), kColumnsLength));
  d.Add(NumberField("columns2", "Columns in line 2",
                    StringPrintf("%d", s.Get(cfg::kPoleColumnsLine2)), kColumnsLength));
  for (const PoleText& text : kTexts) {
    d.Add(TextField(text.key, text.label, s.Get(cfg::kPoleString, text.which), kPoleTextLength));
  }
  d.Add(NoteField("esc_pos_note",
                  "The settings for a standard ESC POS display are:\n Clear display: 27,64\n Set "
                  "cursor first line: 11\n Set cursor second line: 11,10"));
  d.Add(NoteField("daisy_chain_note",
                  "The printer control is used if the display and printer are daisy chained on "
                  "the serial port."));
  d.Add(NoteField("preview_note",
                  "The Preview button will display the passive text using the current values."));
  d.actions.push_back("Preview");
}

void ApplyChoice(const Dialog& d, const std::string& key, size_t count, cfg::I32 field,
                 SettingsRecord& s) {
  int choice = FieldChoice(d, key, static_cast<int>(count));
  if (choice >= 0) s.Set(field, choice);
}

void ApplyColumns(const Dialog& d, const std::string& key, cfg::I32 field, SettingsRecord& s) {
  int64_t columns = AtoI64(FieldText(d, key));
  if (columns >= 0 && columns <= kMaxColumns) s.Set(field, static_cast<int32_t>(columns));
}

void Apply(const ConfigSheetContext&, const Dialog& d, SettingsRecord& s) {
  s.Set(cfg::kPoleInUse, d.Field("pole_use").checked ? kOn : 0);
  ApplyChoice(d, "pole_port", kSerialPortCount, cfg::kPolePort, s);
  ApplyChoice(d, "baud_rate", BaudRates().size(), cfg::kPoleBaudRate, s);
  ApplyChoice(d, "parity", Parities().size(), cfg::kPoleParity, s);
  ApplyChoice(d, "data_bits", DataBits().size(), cfg::kPoleDataBits, s);
  ApplyChoice(d, "stop_bits", StopBitChoices().size(), cfg::kPoleStopBits, s);
  ApplyColumns(d, "columns1", cfg::kPoleColumnsLine1, s);
  ApplyColumns(d, "columns2", cfg::kPoleColumnsLine2, s);
  for (const PoleText& text : kTexts) s.Set(cfg::kPoleString, text.which, FieldText(d, text.key));
}

void OnChange(const ConfigSheetContext& context, Dialog& d, const std::string& key,
              SettingsRecord& s) {
  if (key == "pole_port") {
    d.Field("pole_device").text =
        DeviceText(context, FieldChoice(d, "pole_port", kSerialPortCount));
  } else if (key == "Preview") {
    Apply(context, d, s);
    if (context.platform) ShowPolePassiveText(*context.platform, s);
  }
}

}  // namespace

ConfigPage PoleConfigPage() { return {"Pole configuration", Build, Apply, OnChange}; }

}  // namespace ventro
