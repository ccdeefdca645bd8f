#include "print/invoice_document.h"

#include "print/code39.h"
#include "print/invoice_frame.h"
#include "print/invoice_rows.h"

namespace ventro {

const char* InvoicePrintKind(InvoiceKind kind) {
  switch (kind) {
    case InvoiceKind::kQuotation:
      return "quotation";
    case InvoiceKind::kSecond:
      return "invoice-2";
    case InvoiceKind::kCustom:
      return "custom-invoice";
    case InvoiceKind::kDeliveryNote:
      return "delivery-note";
    default:
      return "invoice";
  }
}

void DrawInvoicePage(PrintCanvas& canvas, const InvoiceData& data, const DrawServices& services,
                     DocumentPages& pages) {
  InvoicePage page(canvas, services.ui);
  const bool logo = DrawLetterLogo(page, data.settings, services);
  DrawTitle(page, data);
  DrawBarcode(canvas, services.ui, data.basket.transaction_number, {0, page.h, 2});
  DrawSignatureBlock(page, data);
  page.BoldFont();
  DrawHeadingBlocks(page, data, logo ? page.ox + 40 + 7 * page.h : page.ox + 40);
  DrawItemFrame(page, data);
  const RowsResult rows = DrawInvoiceRows(page, data, pages);
  if (!rows.page_full) DrawLastPageTotals(page, data, rows.n);
}

}  // namespace ventro
