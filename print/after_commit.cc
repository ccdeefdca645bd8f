#include "print/after_commit.h"

#include <algorithm>
#include <optional>

#include "app/ventro.h"
#include "devices/drawer.h"
#include "devices/pole_display.h"
#include "print/receipt_printing.h"

namespace ventro {
namespace {

enum AutoReceipt {
  kAutoNone = 0,
  kAutoTillReceipt = 1,
  kAutoStandardInvoice = 2,
  kAutoCustomInvoice = 3,
  kAutoCustomReceipt = 4,
};

// The receipt the "Auto receipt" option names; nothing for "None" and the invoices.
std::optional<ReceiptKind> AutoReceiptKind(const SettingsRecord& settings) {
  switch (settings.Get(cfg::kAutoReceipt)) {
    case kAutoTillReceipt:
      return ReceiptKind::kTill;
    case kAutoCustomReceipt:
      return ReceiptKind::kCustom;
    default:
      return std::nullopt;
  }
}

int CopiesOption(const SettingsRecord& settings) {
  return std::clamp(settings.Get(cfg::kReceiptCopies), 0, 2) + 1;
}

}  // namespace

void ShowPaymentOnTillDevices(Ventro& ventro, const Tendered& tendered) {
  OpenDrawerAfterCommit(ventro.platform, ventro.settings);
  ShowPoleTenderAndChange(ventro.platform, ventro.settings, tendered.tendered, tendered.change);
}

void PrintAutomaticDocument(Ventro& ventro, const Tendered& tendered) {
  const std::optional<ReceiptKind> kind = AutoReceiptKind(ventro.settings);
  if (!kind) return;
  PrintReceipt(ventro, *kind, ventro.sale.basket, tendered, PrintRoute::kAutomatic,
               CopiesOption(ventro.settings));
}

void PressConfiguredDocument(Ventro& ventro, const Tendered& tendered) {
  const std::optional<ReceiptKind> kind = AutoReceiptKind(ventro.settings);
  if (!kind) return;
  const int presses = CopiesOption(ventro.settings);
  for (int press = 0; press < presses; ++press) {
    PrintReceipt(ventro, *kind, ventro.sale.basket, tendered, PrintRoute::kSummary);
  }
}

void PrintFromSummary(Ventro& ventro, const std::string& button, const Tendered& tendered) {
  if (button == kStandardReceiptButton) {
    PrintReceipt(ventro, ReceiptKind::kTill, ventro.sale.basket, tendered, PrintRoute::kSummary);
  } else if (button == kCustomReceiptButton) {
    PrintReceipt(ventro, ReceiptKind::kCustom, ventro.sale.basket, tendered, PrintRoute::kSummary);
  }
}

void PrintKitchenAfterCommit(Ventro& ventro) {
  if (ventro.settings.Get(cfg::kKitchenReceipt) != 0) PrintKitchenTicket(ventro);
}

}  // namespace ventro
