// The full-page documents of a sale: the standard invoice (also the quotation of an open
// basket), the second invoice with the customer's terms, the custom invoice with its own
// heading lines and the balance lines, and the delivery note. All share one frame, one row
// layout and one page break; each page is one call, and a basket that does not fit raises the
// page counter and says where the next page resumes.
#pragma once

#include <cstdint>
#include <string>

#include "formats/settings_record.h"
#include "operators/label_table.h"
#include "platform/print_canvas.h"
#include "print/print_job.h"
#include "print/receipt_documents.h"
#include "sale/basket.h"

namespace ventro {

enum class InvoiceKind {
  kStandard,
  kQuotation,
  kSecond,
  kCustom,
  kDeliveryNote,
};

// The printer's name for the kind of document (for outputs that keep documents apart).
const char* InvoicePrintKind(InvoiceKind kind);

// What an invoice is drawn from. `customer_terms` is the sale customer's terms band (0 without
// a customer or when the record could not be read).
struct InvoiceData {
  const Basket& basket;
  const SettingsRecord& settings;
  const LabelTable& labels;
  InvoiceKind kind = InvoiceKind::kStandard;
  int32_t customer_terms = 0;
};

// Draws the page `pages.page` of the document, from the basket line `pages.resume_line` on.
void DrawInvoicePage(PrintCanvas& canvas, const InvoiceData& data, const DrawServices& services,
                     DocumentPages& pages);

}  // namespace ventro
