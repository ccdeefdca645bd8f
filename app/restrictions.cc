#include "app/restrictions.h"

#include <algorithm>
#include <array>

#include "app/ventro.h"

namespace ventro {
namespace {

bool Restricted(const Ventro& ventro) { return ventro.screen.restricted; }

// A "0 controlled, 2 free" flag: refused while it is 0.
bool Controlled(int64_t flag) { return flag == 0; }
// A "2 inhibited, 0 free" flag: refused while it is set.
bool Inhibited(int64_t flag) { return flag != 0; }

bool OperationControlled(const SettingsRecord& s, ControlledOp op) {
  return Controlled(s.Get(cfg::kControlledOperation, op));
}

// Entries greyed for a restricted clerk; a few come back below when their flag leaves them free.
constexpr std::array kRestrictableEntries = {
    Command::kListingFontSize,
    Command::kIndentListings,
    Command::kNewInventory,
    Command::kAmendInventory,
    Command::kDeleteInventory,
    Command::kAmendCustomer,
    Command::kDeleteCustomer,
    Command::kPruneCustomers,
    Command::kCustomerStatement,
    Command::kAmendBalance,
    Command::kOutstandingBalances,
    Command::kSalesReport,
    Command::kSalesByStaff,
    Command::kSalesByItem,
    Command::kHighestVolumeProducts,
    Command::kActivitySummary,
    Command::kDisplayTodaysLog,
    Command::kPrintActivitySummary,
    Command::kDisplayPreviousLog,
    Command::kPrintTodaysLog,
    Command::kPrintLogForDay,
    Command::kPrintDebtorLetter1,
    Command::kPrintDebtorLetter2,
    Command::kMailmerge,
    Command::kCustomReceipt,
    Command::kConfiguration,
    Command::kFileReset,
    Command::kTaxSetup,
    Command::kStorePrintHeading,
    Command::kOperatorSetup,
    Command::kUserControl,
    Command::kExport,
    Command::kImport,
    Command::kSoundEffects,
    Command::kInventoryReceived,
    Command::kPurgeHistory,
};

// For the restrictable entries that a free flag shows again: true when the flag is free.
bool FreedByFlag(const SettingsRecord& s, int id) {
  switch (static_cast<Command>(id)) {
    case Command::kConfiguration:
      return !Controlled(s.Get(cfg::kConfigurationFree));
    case Command::kDeleteCustomer:
      return !OperationControlled(s, ControlledOp::kDeleteCustomer);
    case Command::kPruneCustomers:
      return !OperationControlled(s, ControlledOp::kPruneCustomers);
    case Command::kDeleteInventory:
      return !OperationControlled(s, ControlledOp::kDeleteInventory);
    case Command::kAmendBalance:
      return !OperationControlled(s, ControlledOp::kCustomerBalance);
    case Command::kFileReset:
      return !OperationControlled(s, ControlledOp::kFileReset);
    case Command::kActivitySummary:
    case Command::kPrintActivitySummary:
      return !OperationControlled(s, ControlledOp::kActivitySummary);
    case Command::kNewInventory:
      return !Controlled(s.Get(cfg::kNewInventoryFree));
    case Command::kInventoryReceived:
      return !Controlled(s.Get(cfg::kInventoryReceivedFree));
    case Command::kAmendInventory:
      return !Controlled(s.Get(cfg::kAmendInventoryFree));
    case Command::kTaxSetup:
      return !Controlled(s.Get(cfg::kTaxSetupFree));
    default:
      return false;
  }
}

}  // namespace

bool IsCommandRefused(const Ventro& ventro, int id) {
  if (!Restricted(ventro)) return false;
  const SettingsRecord& s = ventro.settings;
  switch (static_cast<Command>(id)) {
    case Command::kConfiguration:
      return Controlled(s.Get(cfg::kConfigurationFree));
    case Command::kDeleteInventory:
      return OperationControlled(s, ControlledOp::kDeleteInventory);
    case Command::kDeleteCustomer:
      return OperationControlled(s, ControlledOp::kDeleteCustomer);
    case Command::kPruneCustomers:
      return OperationControlled(s, ControlledOp::kPruneCustomers);
    case Command::kActivitySummary:
      return OperationControlled(s, ControlledOp::kActivitySummary);
    case Command::kTakings:
      return OperationControlled(s, ControlledOp::kTakings);
    case Command::kPrintTakings:
      return OperationControlled(s, ControlledOp::kPrintTakings);
    case Command::kPurgeTakings:
      return OperationControlled(s, ControlledOp::kPurgeTakings);
    case Command::kPrintTodaysLog:
      return OperationControlled(s, ControlledOp::kPurgeLogFiles);
    case Command::kPurgeHistory:
    case Command::kRestore:
      return OperationControlled(s, ControlledOp::kFileReset);
    case Command::kNewInventory:
    case Command::kNewBundle:
      return Controlled(s.Get(cfg::kNewInventoryFree));
    case Command::kInventoryReceived:
    case Command::kShortcutInventoryReceived:
      return Controlled(s.Get(cfg::kInventoryReceivedFree));
    case Command::kAmendInventory:
      return Controlled(s.Get(cfg::kAmendInventoryFree));
    case Command::kOpenDrawer:
      return Inhibited(s.Get(cfg::kManualDrawerInhibited));
    case Command::kToggleTradePrices:
      return Inhibited(s.Get(cfg::kTradeButtonInhibited));
    case Command::kAdjustByWeight:
      return Inhibited(s.Get(cfg::kWeightButtonInhibited));
    case Command::kAddDiscount:
    case Command::kShortcutDiscount:
      return Inhibited(s.Get(cfg::kDiscountButtonInhibited));
    case Command::kAdjustItemPrice:
      return Inhibited(s.Get(cfg::kAdjustPriceButtonInhibited));
    case Command::kRefundBasket:
      return Inhibited(s.Get(cfg::kRefundsControlled));
    case Command::kNonInventorySale:
      return Inhibited(s.Get(cfg::kNonInventoryControlled));
    case Command::kAmendCustomer:
    case Command::kOperatorSetup:
      return true;
    default:
      return false;
  }
}

bool IsMenuEntryEnabled(const Ventro& ventro, int id) {
  if (!Restricted(ventro)) return true;
  bool restrictable = std::find(kRestrictableEntries.begin(), kRestrictableEntries.end(),
                                static_cast<Command>(id)) != kRestrictableEntries.end();
  return !restrictable || FreedByFlag(ventro.settings, id);
}

bool IsTopMenuEnabled(const Ventro& ventro, std::string_view title) {
  if (!Restricted(ventro)) return true;
  if (title == "Reports") return !Inhibited(ventro.settings.Get(cfg::kReportMenuControlled));
  if (title == "Activity") return !Inhibited(ventro.settings.Get(cfg::kActivityMenuControlled));
  return true;
}

}  // namespace ventro
