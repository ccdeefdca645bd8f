#include "print/after_commit.h"

#include <algorithm>
#include <optional>

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

void ShowPaymentOnTillDevices(const TillPorts& till, const SettingsRecord& settings,
                              const Tendered& tendered) {
  OpenDrawerAfterCommit(till, settings);
  ShowPoleTenderAndChange(till, settings, tendered.tendered, tendered.change);
}

void PrintAutomaticDocument(const PrintingContext& printing, const SaleState& sale,
                            const Tendered& tendered) {
  const std::optional<ReceiptKind> kind = AutoReceiptKind(printing.settings);
  if (!kind) return;
  PrintReceipt(printing, *kind, sale.basket, sale.basket_number, tendered, PrintRoute::kAutomatic,
               CopiesOption(printing.settings));
}

void PressConfiguredDocument(const PrintingContext& printing, const SaleState& sale,
                             const Tendered& tendered) {
  const std::optional<ReceiptKind> kind = AutoReceiptKind(printing.settings);
  if (!kind) return;
  const int presses = CopiesOption(printing.settings);
  for (int press = 0; press < presses; ++press) {
    PrintReceipt(printing, *kind, sale.basket, sale.basket_number, tendered, PrintRoute::kSummary);
  }
}

void PrintFromSummary(const PrintingContext& printing, const std::string& button,
                      const SaleState& sale, const Tendered& tendered) {
  if (button == kStandardReceiptButton) {
    PrintReceipt(printing, ReceiptKind::kTill, sale.basket, sale.basket_number, tendered,
                 PrintRoute::kSummary);
  } else if (button == kCustomReceiptButton) {
    PrintReceipt(printing, ReceiptKind::kCustom, sale.basket, sale.basket_number, tendered,
                 PrintRoute::kSummary);
  }
}

void PrintKitchenAfterCommit(const PrintingContext& printing, const SaleState& sale) {
  if (printing.settings.Get(cfg::kKitchenReceipt) != 0) {
    PrintKitchenTicket(printing, sale.basket, sale.basket_number);
  }
}

}  // namespace ventro
