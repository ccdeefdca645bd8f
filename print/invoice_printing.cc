#include "print/invoice_printing.h"

#include "base/format.h"
#include "platform/clock_text.h"

namespace ventro {
namespace {

DrawServices Services(const PrintingContext& printing) {
  return {printing.platform.ui, printing.platform.files, printing.data_folder};
}

}  // namespace

void PrintInvoice(const PrintingContext& printing, InvoiceKind kind, const Basket& basket,
                  int32_t customer_terms, PrintRoute route, int auto_copies) {
  Platform& platform = printing.platform;
  std::optional<PrintTarget> target =
      ChoosePrinter(platform, printing.settings, "", route, auto_copies);
  if (!target) return;
  const InvoiceData data{basket, printing.settings, printing.labels, kind, customer_terms};
  const DrawServices services = Services(printing);
  PrintCopies(platform, *target, InvoicePrintKind(kind),
              [&](PrintCanvas& canvas, DocumentPages& pages) {
                DrawInvoicePage(canvas, data, services, pages);
              });
}

void PrintQuotation(const PrintingContext& printing, const Basket& basket) {
  Platform& platform = printing.platform;
  if (basket.empty()) {
    platform.ui.Message("Problem", "No items", Icon::kWarning);
    return;
  }
  Basket quoted = basket;
  const LocalTime now = platform.clock.Now();
  SetText(quoted.texts.sale_time, StringPrintf("%02d:%02d", now.hour, now.minute));
  SetText(quoted.texts.sale_date, DisplayDate(platform.locale, now.day, now.month, now.year, now));
  quoted.clerk_number = static_cast<int32_t>(printing.settings.Get(cfg::kSignedOnClerk));
  quoted.transaction_number = printing.settings.Get(cfg::kNextTransaction);

  std::optional<PrintTarget> target = RunPrintDialog(platform.ui, platform.raw_printer);
  if (!target) return;
  const InvoiceData data{quoted, printing.settings, printing.labels, InvoiceKind::kQuotation, 0};
  const DrawServices services = Services(printing);
  PrintCopiesWithCancelBox(platform, *target, InvoicePrintKind(InvoiceKind::kQuotation),
                           [&](PrintCanvas& canvas, DocumentPages& pages) {
                             DrawInvoicePage(canvas, data, services, pages);
                           });
}

}  // namespace ventro
