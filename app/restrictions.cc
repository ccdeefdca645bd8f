#include "app/restrictions.h"

#include <algorithm>
#include <array>

#include "app/ventro.h"

namespace ventro {
namespace {

bool Restricted(const Ventro& ventro) { return ventro.screen.restricted == kRestricted; }

// A "0 controlled, 2 free" flag: refused while it is 0.
bool Controlled(int64_t flag) { return flag == 0; }
// A "2 inhibited, 0 free" flag: refused while it is set.
bool Inhibited(int64_t flag) { return flag != 0; }

bool OperationControlled(const SettingsRecord& s, ControlledOp op) {
  return Controlled(s.Get(cfg::kControlledOperation, op));
}

// Entries greyed for a restricted clerk; a few come back below when their flag leaves them free.
constexpr std::array kRestrictableEntries = {
    3010, 3021, 2411, 1050, 1051, 1090, 1023, 1024, 3026, 1026, 1013, 3047,
    1057, 3019, 1038, 1062, 1020, 1078, 3007, 1060, 1048, 1068, 1075, 3005,
    3038, 1053, 1059, 3027, 3039, 3025, 1063, 1054, 3028, 3024, 3046, 3022,
};

// For the restrictable entries that a free flag shows again: true when the flag is free.
bool FreedByFlag(const SettingsRecord& s, int id) {
  switch (id) {
    case 1053:
      return !Controlled(s.Get(cfg::kConfigurationFree));
    case 1023:
      return !OperationControlled(s, ControlledOp::kDeleteCustomer);
    case 1024:
      return !OperationControlled(s, ControlledOp::kPruneCustomers);
    case 1051:
      return !OperationControlled(s, ControlledOp::kDeleteInventory);
    case 1026:
      return !OperationControlled(s, ControlledOp::kCustomerBalance);
    case 1059:
      return !OperationControlled(s, ControlledOp::kFileReset);
    case 1062:
    case 1078:
      return !OperationControlled(s, ControlledOp::kActivitySummary);
    case 2411:
      return !Controlled(s.Get(cfg::kNewInventoryFree));
    case 3046:
      return !Controlled(s.Get(cfg::kInventoryReceivedFree));
    case 1050:
      return !Controlled(s.Get(cfg::kAmendInventoryFree));
    case 3027:
      return !Controlled(s.Get(cfg::kTaxSetupFree));
    default:
      return false;
  }
}

}  // namespace

bool IsCommandRefused(const Ventro& ventro, int id) {
  if (!Restricted(ventro)) return false;
  const SettingsRecord& s = ventro.settings;
  switch (id) {
    case 1053:
      return Controlled(s.Get(cfg::kConfigurationFree));
    case 1051:
      return OperationControlled(s, ControlledOp::kDeleteInventory);
    case 1023:
      return OperationControlled(s, ControlledOp::kDeleteCustomer);
    case 1024:
      return OperationControlled(s, ControlledOp::kPruneCustomers);
    case 1062:
      return OperationControlled(s, ControlledOp::kActivitySummary);
    case 1006:
      return OperationControlled(s, ControlledOp::kTakings);
    case 3018:
      return OperationControlled(s, ControlledOp::kPrintTakings);
    case 1094:
      return OperationControlled(s, ControlledOp::kPurgeTakings);
    case 1060:
      return OperationControlled(s, ControlledOp::kPurgeLogFiles);
    case 3022:
    case 1079:
      return OperationControlled(s, ControlledOp::kFileReset);
    case 2411:
    case 3050:
      return Controlled(s.Get(cfg::kNewInventoryFree));
    case 3046:
    case 2761:
      return Controlled(s.Get(cfg::kInventoryReceivedFree));
    case 1050:
      return Controlled(s.Get(cfg::kAmendInventoryFree));
    case 2410:
      return Inhibited(s.Get(cfg::kManualDrawerInhibited));
    case 2413:
      return Inhibited(s.Get(cfg::kTradeButtonInhibited));
    case 2427:
      return Inhibited(s.Get(cfg::kWeightButtonInhibited));
    case 2409:
    case 2762:
      return Inhibited(s.Get(cfg::kDiscountButtonInhibited));
    case 1008:
      return Inhibited(s.Get(cfg::kAdjustPriceButtonInhibited));
    case 2458:
      return Inhibited(s.Get(cfg::kRefundsControlled));
    case 2408:
      return Inhibited(s.Get(cfg::kNonInventoryControlled));
    case 1090:
    case kOperatorSetupCommand:
      return true;
    default:
      return false;
  }
}

bool IsMenuEntryEnabled(const Ventro& ventro, int id) {
  if (!Restricted(ventro)) return true;
  bool restrictable = std::find(kRestrictableEntries.begin(), kRestrictableEntries.end(), id) !=
                      kRestrictableEntries.end();
  return !restrictable || FreedByFlag(ventro.settings, id);
}

bool IsTopMenuEnabled(const Ventro& ventro, std::string_view title) {
  if (!Restricted(ventro)) return true;
  if (title == "Reports") return !Inhibited(ventro.settings.Get(cfg::kReportMenuControlled));
  if (title == "Activity") return !Inhibited(ventro.settings.Get(cfg::kActivityMenuControlled));
  return true;
}

}  // namespace ventro
