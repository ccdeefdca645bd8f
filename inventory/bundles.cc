#include "inventory/bundles.h"

#include "base/format.h"
#include "inventory/bundle_form.h"
#include "platform/clock_text.h"
#include "platform/tell.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

bool InNumberRange(int64_t number) { return number >= 1 && number <= InventoryRecord::kMaxNumber; }

void PlayDone(Platform& platform, const SettingsRecord& settings) {
  if (settings.Get(cfg::kSoundsOff) == 0) platform.sound.Play(SoundId::kDone);
}

// "Select" of row `row`: asks "Item number" and fills the row with that item unless it is a
// bundle. The current item is not disturbed: the component is read into a record of its own.
void SelectComponent(Platform& platform, const MasterFile& inventory, Dialog& form, int row) {
  Ui& ui = platform.ui;
  std::string text;
  if (!ui.EditBox("Item number", text)) return;
  const int64_t number = AtoI64(text);
  if (!InNumberRange(number)) return;
  std::optional<int64_t> position = inventory.FindPosition(number);
  if (!position) return;
  InventoryRecord component;
  if (!inventory.ReadAt(platform.files, *position, component.data())) {
    if (!platform.files.Exists(inventory.path())) {
      ui.Message("Fatal error", "Data file: inventory.dat, not present.", Icon::kError);
    } else {
      ui.Message(kProblem, "Not able to read inventory.dat", Icon::kError);
    }
    return;
  }
  if (component.IsBundle()) {
    ui.Message(kProblem, "Bundle may not contain a bundle", Icon::kWarning);
    return;
  }
  SetComponentRow(form, row, StringPrintf("%lld", static_cast<long long>(number)),
                  component.Get(inv::kDescription));
}

// The Select and Remove buttons of the component rows.
void HandleRowActions(Platform& platform, const MasterFile& inventory, Dialog& form) {
  form.on_change = [&platform, &inventory](Dialog& d, const std::string& key) {
    for (int row = 1; row <= InventoryRecord::kComponents; ++row) {
      if (key == RowKey("Select", row)) SelectComponent(platform, inventory, d, row);
      if (key == RowKey("Remove", row)) SetComponentRow(d, row, "", "");
    }
  };
}

}  // namespace

std::optional<std::string> NewBundleRefusal(const InventoryRecord& bundle) {
  if (!InNumberRange(bundle.Get(inv::kNumber))) return "Number outside range.";
  if (bundle.Get(inv::kDescription).size() < 2) {
    return "The description must have at least two characters.";
  }
  // 18 stands for every category on the category buttons; no item may carry it.
  const int32_t category = bundle.Get(inv::kDisplayCategory);
  if (category < 0 || category >= SettingsRecord::kCategoryCount) return "Invalid category";
  for (int row = 1; row <= InventoryRecord::kComponents; ++row) {
    if (InNumberRange(AtoI64(bundle.Component(row)))) return std::nullopt;
  }
  return "No items selected";
}

bool NewBundle(Platform& platform, const SettingsRecord& settings, MasterFile& inventory) {
  Ui& ui = platform.ui;
  inventory.ClearBuffer();
  InventoryRecord& bundle = inventory.item();
  bundle.Set(inv::kDateAdded, DateText(platform.clock.Now()));
  Dialog form = BundleForm(bundle, settings, BundleFormMode::kNew);
  form.Field("number").text.clear();
  HandleRowActions(platform, inventory, form);
  for (;;) {
    if (!ui.RunDialog(form) || form.Pressed("Cancel")) return false;
    ReadBundleForm(form, bundle);
    std::optional<std::string> refusal = NewBundleRefusal(bundle);
    if (!refusal) break;
    platform.sound.Play(SoundId::kError);
    ui.Message(kProblem, *refusal, Icon::kError);
  }
  bundle.InitialiseAddedItem();
  bundle.Set(inv::kKind, InventoryRecord::kBundleKind);
  if (!Tell(ui, inventory.Add(platform.files))) return false;
  PlayDone(platform, settings);
  return true;
}

bool AmendBundle(Platform& platform, const SettingsRecord& settings, MasterFile& inventory) {
  Ui& ui = platform.ui;
  const InventoryRecord before = inventory.item();
  InventoryRecord edited = before;
  Dialog form = BundleForm(edited, settings, BundleFormMode::kAmend);
  HandleRowActions(platform, inventory, form);
  if (!ui.RunDialog(form) || form.Pressed("Cancel")) return false;
  ReadBundleForm(form, edited);
  if (edited.Get(inv::kNumber) != before.Get(inv::kNumber)) {
    ui.Message(kProblem, "Number cannot be changed", Icon::kError);
    return false;
  }
  if (edited.Get(inv::kDescription).size() < 2) {
    platform.sound.Play(SoundId::kError);
    ui.Message(kProblem, "The title must have at least two characters.", Icon::kError);
    return false;
  }
  inventory.item() = edited;
  // The name prefix follows the file: a failed write leaves both as they were.
  if (!Tell(ui, inventory.WriteBack(platform.files))) {
    inventory.item() = before;
    return false;
  }
  std::optional<int64_t> position = inventory.FindPosition(edited.Get(inv::kNumber));
  if (position) inventory.UpdatePrefix(*position, inventory.buffer());
  PlayDone(platform, settings);
  return true;
}

void ShowBundle(Ui& ui, const SettingsRecord& settings, const InventoryRecord& bundle) {
  Dialog view = BundleView(bundle, settings);
  ui.RunDialog(view);
}

}  // namespace ventro
