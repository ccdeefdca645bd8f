#include "operators/user_control.h"

#include <array>
#include <cstdint>

namespace ventro {
namespace {

struct PermissionBox {
  const char* key;
  const char* label;
};

// The boxes in the order of the dialog. The first kFreeWhenTwo boxes stand for flags that are
// 2 when the operation is free, so a checked box stores 0; the others are switches that are 2
// when the control is on, so a checked box stores 2.
constexpr int kFreeWhenTwo = 16;
constexpr std::array<PermissionBox, 27> kBoxes = {{
    {"configuration", "Configuration"},
    {"delete_inventory", "Delete Inventory"},
    {"delete_customer", "Delete customer"},
    {"prune_customers", "Prune customers"},
    {"customer_balance", "Customer balance"},
    {"activity_summary", "Activity summary"},
    {"takings", "Takings"},
    {"print_takings", "Print takings"},
    {"purge_takings", "Purge takings"},
    {"purge_log_files", "Purge log files"},
    {"takings_amendment", "Takings amendment"},
    {"file_reset", "File reset"},
    {"new_inventory", "New inventory"},
    {"inventory_received", "Inventory received"},
    {"amend_inventory", "Amend inventory"},
    {"tax_setup", "Tax setup"},
    {"inhibit_discount", "Inhibit discount button"},
    {"inhibit_adjust_price", "Inhibit adjust price button"},
    {"inhibit_trade_price", "Inhibit trade price button"},
    {"inhibit_by_weight", "Inhibit by weight button"},
    {"cashback", "Cashback"},
    {"non_inventory_sale", "Non inventory sale"},
    {"refunds", "Refunds"},
    {"inhibit_till_open", "Inhibit manual till open"},
    {"report_menu", "Report menu"},
    {"activity_menu", "Activity menu"},
    {"hide_cost_price", "Do not display cost price"},
}};
constexpr int kFirstOperationBox = 1;  // the eleven controlled operations follow Configuration

using Flags = std::array<int64_t, kBoxes.size()>;

Flags ReadFlags(const SettingsRecord& s) {
  Flags flags{};
  flags[0] = s.Get(cfg::kConfigurationFree);
  for (int k = 0; k < kControlledOpCount; ++k) {
    flags[kFirstOperationBox + k] = s.Get(cfg::kControlledOperation, static_cast<ControlledOp>(k));
  }
  int i = kFirstOperationBox + kControlledOpCount;
  for (int64_t value : {s.Get(cfg::kNewInventoryFree), s.Get(cfg::kInventoryReceivedFree),
                        s.Get(cfg::kAmendInventoryFree), s.Get(cfg::kTaxSetupFree)}) {
    flags[i++] = value;
  }
  for (int64_t value :
       {s.Get(cfg::kDiscountButtonInhibited), s.Get(cfg::kAdjustPriceButtonInhibited),
        s.Get(cfg::kTradeButtonInhibited), s.Get(cfg::kWeightButtonInhibited)}) {
    flags[i++] = value;
  }
  for (int32_t value : {s.Get(cfg::kCashbackControlled), s.Get(cfg::kNonInventoryControlled),
                        s.Get(cfg::kRefundsControlled), s.Get(cfg::kManualDrawerInhibited),
                        s.Get(cfg::kReportMenuControlled), s.Get(cfg::kActivityMenuControlled),
                        s.Get(cfg::kCostPriceHidden)}) {
    flags[i++] = value;
  }
  return flags;
}

void WriteFlags(SettingsRecord& s, const Flags& flags) {
  s.Set(cfg::kConfigurationFree, flags[0]);
  for (int k = 0; k < kControlledOpCount; ++k) {
    s.Set(cfg::kControlledOperation, static_cast<ControlledOp>(k), flags[kFirstOperationBox + k]);
  }
  int i = kFirstOperationBox + kControlledOpCount;
  // Every value written is 0 or 2, so the narrowing below never changes one.
  auto next32 = [&] { return static_cast<int32_t>(flags[i++]); };
  s.Set(cfg::kNewInventoryFree, next32());
  s.Set(cfg::kInventoryReceivedFree, next32());
  s.Set(cfg::kAmendInventoryFree, next32());
  s.Set(cfg::kTaxSetupFree, next32());
  s.Set(cfg::kDiscountButtonInhibited, flags[i++]);
  s.Set(cfg::kAdjustPriceButtonInhibited, flags[i++]);
  s.Set(cfg::kTradeButtonInhibited, flags[i++]);
  s.Set(cfg::kWeightButtonInhibited, flags[i++]);
  s.Set(cfg::kCashbackControlled, next32());
  s.Set(cfg::kNonInventoryControlled, next32());
  s.Set(cfg::kRefundsControlled, next32());
  s.Set(cfg::kManualDrawerInhibited, next32());
  s.Set(cfg::kReportMenuControlled, next32());
  s.Set(cfg::kActivityMenuControlled, next32());
  s.Set(cfg::kCostPriceHidden, next32());
}

// The stored value a box stands for when checked.
int64_t CheckedValue(size_t box) { return box < kFreeWhenTwo ? 0 : 2; }

Dialog BuildDialog(const SettingsRecord& settings) {
  Dialog dialog;
  dialog.name = "PASSWORD CONTROL";
  dialog.title = "User control";
  dialog.Add(NoteField("note",
                       "The selected items are not available to users other than 1 "
                       "Administrator or 2 Manager. The F9 key is used by an operator to log "
                       "off."));
  Flags flags = ReadFlags(settings);
  for (size_t k = 0; k < kBoxes.size(); ++k) {
    // A flag read from an older file may hold another non-zero value: it counts as 2.
    bool set = flags[k] != 0;
    bool checked = CheckedValue(k) == 0 ? !set : set;
    dialog.Add(CheckField(kBoxes[k].key, kBoxes[k].label, checked));
  }
  dialog.actions = {"All"};
  dialog.on_change = [](Dialog& d, const std::string& key) {
    if (key != "All") return;
    for (const auto& box : kBoxes) d.Field(box.key).checked = true;
  };
  return dialog;
}

}  // namespace

void RunUserControl(Ui& ui, SettingsRecord& settings, Window& window) {
  int64_t clerk = settings.Get(cfg::kSignedOnClerk);
  if (clerk != 1 && clerk != 2) return;
  Dialog dialog = BuildDialog(settings);
  if (ui.RunDialog(dialog) && dialog.Pressed("OK")) {
    Flags flags{};
    for (size_t k = 0; k < kBoxes.size(); ++k) {
      bool checked = dialog.Field(kBoxes[k].key).checked;
      flags[k] = checked ? CheckedValue(k) : 2 - CheckedValue(k);
    }
    WriteFlags(settings, flags);
  }
  window.ScreenChanged();
}

}  // namespace ventro
