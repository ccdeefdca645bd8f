#include "print/receipt_printing.h"

#include "app/ventro.h"
#include "devices/cutter.h"

namespace ventro {
namespace {

DrawServices Services(Ventro& ventro) { return {ventro.ui(), ventro.files(), ventro.paths.folder}; }

ReceiptData DataOf(Ventro& ventro, const Basket& basket, const Tendered& tendered) {
  return {basket,
          tendered,
          ventro.settings,
          ventro.labels,
          ventro.platform.locale,
          ventro.Now(),
          ventro.sale.basket_number};
}

}  // namespace

void PrintReceipt(Ventro& ventro, ReceiptKind kind, const Basket& basket, const Tendered& tendered,
                  PrintRoute route, int auto_copies) {
  std::optional<PrintTarget> target =
      ChoosePrinter(ventro.platform, ventro.settings, ventro.settings.Get(cfg::kReceiptPrinterName),
                    route, auto_copies);
  if (!target) return;
  const ReceiptData data = DataOf(ventro, basket, tendered);
  const DrawServices services = Services(ventro);
  if (kind == ReceiptKind::kTill) {
    PrintCopies(ventro.platform, *target, "receipt", [&](PrintCanvas& canvas, DocumentPages&) {
      DrawTillReceipt(canvas, data, services);
    });
    return;
  }
  PrintCopies(
      ventro.platform, *target, "custom-receipt",
      [&](PrintCanvas& canvas, DocumentPages&) { DrawCustomReceipt(canvas, data, services); },
      [&] { SendCutterSequence(ventro.platform, ventro.settings); });
}

void PrintKitchenTicket(Ventro& ventro) {
  std::optional<PrintTarget> target =
      ChoosePrinter(ventro.platform, ventro.settings, ventro.settings.Get(cfg::kKitchenPrinterName),
                    PrintRoute::kKitchen);
  if (!target) return;
  const ReceiptData data = DataOf(ventro, ventro.sale.basket, {});
  const DrawServices services = Services(ventro);
  PrintCopies(ventro.platform, *target, "kitchen", [&](PrintCanvas& canvas, DocumentPages&) {
    DrawKitchenTicket(canvas, data, services);
  });
}

void PrintBasketToKitchen(Ventro& ventro) {
  if (ventro.sale.basket.empty()) {
    ventro.ui().Message("Problem", "No items", Icon::kWarning);
    return;
  }
  PrintKitchenTicket(ventro);
}

void PrintBalancePaymentReceipt(Ventro& ventro, const BalancePayment& payment) {
  std::optional<PrintTarget> target =
      ChoosePrinter(ventro.platform, ventro.settings, ventro.settings.Get(cfg::kReceiptPrinterName),
                    PrintRoute::kSummary);
  if (!target) return;
  const LocalTime now = ventro.Now();
  const DrawServices services = Services(ventro);
  PrintCopies(ventro.platform, *target, "payment-receipt",
              [&](PrintCanvas& canvas, DocumentPages&) {
                DrawBalancePaymentReceipt(canvas, payment, ventro.settings, ventro.platform.locale,
                                          now, services);
              });
}

}  // namespace ventro
