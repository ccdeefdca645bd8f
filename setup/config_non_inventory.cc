#include "setup/config_non_inventory.h"

#include <string>

#include "base/format.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

std::string PresetKey(int k) { return StringPrintf("preset%d", k); }

Dialog BuildDialog(const SettingsRecord& s) {
  Dialog d;
  d.name = "Non inventory settings";
  d.title = "Non inventory settings";
  for (int k = 1; k <= SettingsRecord::kPresetCount; ++k) {
    d.Add(TextField(PresetKey(k), StringPrintf("Preset %d", k), s.Get(cfg::kNonInventoryPreset, k),
                    SettingsRecord::kPresetMaxLength));
  }
  d.Add(NoteField("preset_note", "Each preset may contain 12 characters"));
  d.Add(CheckField("taxable", "Non inventory sale default is taxable",
                   s.Get(cfg::kNonInventoryTaxable) != 0));
  return d;
}

}  // namespace

void RunNonInventorySettings(Ui& ui, SettingsRecord& settings) {
  Dialog d = BuildDialog(settings);
  if (!ui.RunDialog(d) || !d.Pressed("OK")) return;
  for (int k = 1; k <= SettingsRecord::kPresetCount; ++k) {
    settings.Set(cfg::kNonInventoryPreset, k, FieldText(d, PresetKey(k)));
  }
  settings.Set(cfg::kNonInventoryTaxable, OnOff(d.Field("taxable").checked));
}

}  // namespace ventro
