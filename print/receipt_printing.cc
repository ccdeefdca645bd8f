#include "print/receipt_printing.h"

#include "devices/cutter.h"

namespace ventro {
namespace {

DrawServices Services(const PrintingContext& printing) {
  return {printing.platform.ui, printing.platform.files, printing.data_folder};
}

ReceiptData DataOf(const PrintingContext& printing, const Basket& basket, int basket_number,
                   const Tendered& tendered) {
  return {basket,
          tendered,
          printing.settings,
          printing.labels,
          printing.platform.locale,
          printing.platform.clock.Now(),
          basket_number};
}

}  // namespace

void PrintReceipt(const PrintingContext& printing, ReceiptKind kind, const Basket& basket,
                  int basket_number, const Tendered& tendered, PrintRoute route, int auto_copies) {
  Platform& platform = printing.platform;
  std::optional<PrintTarget> target =
      ChoosePrinter(platform, printing.settings, printing.settings.Get(cfg::kReceiptPrinterName),
                    route, auto_copies);
  if (!target) return;
  const ReceiptData data = DataOf(printing, basket, basket_number, tendered);
  const DrawServices services = Services(printing);
  if (kind == ReceiptKind::kTill) {
    PrintCopies(platform, *target, "receipt", [&](PrintCanvas& canvas, DocumentPages&) {
      DrawTillReceipt(canvas, data, services);
    });
    return;
  }
  PrintCopies(
      platform, *target, "custom-receipt",
      [&](PrintCanvas& canvas, DocumentPages&) { DrawCustomReceipt(canvas, data, services); },
      [&] { SendCutterSequence(platform, printing.settings); });
}

void PrintKitchenTicket(const PrintingContext& printing, const Basket& basket, int basket_number) {
  Platform& platform = printing.platform;
  std::optional<PrintTarget> target =
      ChoosePrinter(platform, printing.settings, printing.settings.Get(cfg::kKitchenPrinterName),
                    PrintRoute::kKitchen);
  if (!target) return;
  const ReceiptData data = DataOf(printing, basket, basket_number, {});
  const DrawServices services = Services(printing);
  PrintCopies(platform, *target, "kitchen", [&](PrintCanvas& canvas, DocumentPages&) {
    DrawKitchenTicket(canvas, data, services);
  });
}

void PrintBasketToKitchen(const PrintingContext& printing, const SaleState& sale) {
  if (sale.basket.empty()) {
    printing.platform.ui.Message("Problem", "No items", Icon::kWarning);
    return;
  }
  PrintKitchenTicket(printing, sale.basket, sale.basket_number);
}

void PrintBalancePaymentReceipt(const PrintingContext& printing, const BalancePayment& payment) {
  Platform& platform = printing.platform;
  std::optional<PrintTarget> target =
      ChoosePrinter(platform, printing.settings, printing.settings.Get(cfg::kReceiptPrinterName),
                    PrintRoute::kSummary);
  if (!target) return;
  const LocalTime now = platform.clock.Now();
  const DrawServices services = Services(printing);
  PrintCopies(platform, *target, "payment-receipt", [&](PrintCanvas& canvas, DocumentPages&) {
    DrawBalancePaymentReceipt(canvas, payment, printing.settings, platform.locale, now, services);
  });
}

}  // namespace ventro
