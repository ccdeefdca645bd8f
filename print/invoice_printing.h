// Printing the full-page documents: a sale's invoices and delivery note on a page printer (the
// default one with "Omit print confirm", else through the Print dialog; never the receipt
// printer), and the quotation of the open basket.
#pragma once

#include "print/invoice_document.h"
#include "print/print_job.h"
#include "print/printing_context.h"

namespace ventro {

// Prints `kind` of `basket` for `route` (`auto_copies` copies when automatic). Nothing when
// the Print dialog is cancelled.
void PrintInvoice(const PrintingContext& printing, InvoiceKind kind, const Basket& basket,
                  int32_t customer_terms, PrintRoute route, int auto_copies = 1);

// "Pro Forma Quotation": "No items" titled "Problem" for an empty basket; otherwise a copy of
// the basket stamped with the time, the signed-on clerk and the next transaction number is
// printed as a quotation, always through the Print dialog, with the cancel box open.
void PrintQuotation(const PrintingContext& printing, const Basket& basket);

}  // namespace ventro
