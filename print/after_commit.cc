#include "print/after_commit.h"

#include <algorithm>
#include <optional>

#include "devices/drawer.h"
#include "devices/pole_display.h"
#include "print/invoice_printing.h"
#include "print/order_mail.h"
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

// The button the "Auto receipt" option names; empty for "None" and unknown values.
const char* AutoButton(const SettingsRecord& settings) {
  switch (settings.Get(cfg::kAutoReceipt)) {
    case kAutoTillReceipt:
      return kStandardReceiptButton;
    case kAutoStandardInvoice:
      return kInvoice1Button;
    case kAutoCustomInvoice:
      return kCustomInvoiceButton;
    case kAutoCustomReceipt:
      return kCustomReceiptButton;
    default:
      return "";
  }
}

std::optional<ReceiptKind> ReceiptOf(const std::string& button) {
  if (button == kStandardReceiptButton) return ReceiptKind::kTill;
  if (button == kCustomReceiptButton) return ReceiptKind::kCustom;
  return std::nullopt;
}

std::optional<InvoiceKind> InvoiceOf(const std::string& button) {
  if (button == kInvoice1Button) return InvoiceKind::kStandard;
  if (button == kInvoice2Button) return InvoiceKind::kSecond;
  if (button == kCustomInvoiceButton) return InvoiceKind::kCustom;
  if (button == kDeliveryNoteButton) return InvoiceKind::kDeliveryNote;
  return std::nullopt;
}

// The document of `button` for `route`; the order mail is never automatic.
void PrintDocument(const PrintingContext& printing, const std::string& button,
                   const SaleState& sale, const Tendered& tendered,
                   const SaleCustomerFacts& customer, PrintRoute route, int copies) {
  if (std::optional<ReceiptKind> receipt = ReceiptOf(button)) {
    PrintReceipt(printing, *receipt, sale.basket, sale.basket_number, tendered, route, copies);
  } else if (std::optional<InvoiceKind> invoice = InvoiceOf(button)) {
    PrintInvoice(printing, *invoice, sale.basket, customer.terms, route, copies);
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
                            const Tendered& tendered, const SaleCustomerFacts& customer) {
  const std::string button = AutoButton(printing.settings);
  if (button.empty()) return;
  PrintDocument(printing, button, sale, tendered, customer, PrintRoute::kAutomatic,
                CopiesOption(printing.settings));
}

void PressConfiguredDocument(const PrintingContext& printing, const SaleState& sale,
                             const Tendered& tendered, const SaleCustomerFacts& customer) {
  const std::string button = AutoButton(printing.settings);
  if (button.empty()) return;
  const int presses = CopiesOption(printing.settings);
  for (int press = 0; press < presses; ++press) {
    PrintDocument(printing, button, sale, tendered, customer, PrintRoute::kSummary, 1);
  }
}

void PrintFromSummary(const PrintingContext& printing, const std::string& button,
                      const SaleState& sale, const Tendered& tendered,
                      const SaleCustomerFacts& customer) {
  if (button == kEmailDocumentButton) {
    OpenOrderMail(printing.platform, printing.settings, sale.basket, customer.email);
    return;
  }
  PrintDocument(printing, button, sale, tendered, customer, PrintRoute::kSummary, 1);
}

void PrintKitchenAfterCommit(const PrintingContext& printing, const SaleState& sale) {
  if (printing.settings.Get(cfg::kKitchenReceipt) != 0) {
    PrintKitchenTicket(printing, sale.basket, sale.basket_number);
  }
}

}  // namespace ventro
