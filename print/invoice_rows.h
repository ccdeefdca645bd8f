// The item rows of an invoice page and the page break: one row per merged basket line, two for
// a quantity above 1, until the page's bottom reserve is reached.
#pragma once

#include "print/invoice_document.h"
#include "print/invoice_page.h"

namespace ventro {

// Where the item column's x lies: the product code at 42 average character widths past the
// description, its column line one width before it.
int ProductCodeX(const InvoicePage& page);
int ProductColumnLineX(const InvoicePage& page);

// The row counter after the last row drawn.
struct RowsResult {
  int n = 1;
  bool page_full = false;  // the page ended before the basket did
};

// Draws the rows from `pages.resume_line` on. When a row leaves too little room
// (H - oy - d < (n + 32) h), the page ends there: the page counter rises and the next page
// resumes at the following line.
RowsResult DrawInvoiceRows(InvoicePage& page, const InvoiceData& data, DocumentPages& pages);

}  // namespace ventro
