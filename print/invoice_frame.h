// The parts of the invoice page that do not depend on the rows: the letter logo, the title,
// the barcode, the signature block, the reference and address blocks, the column heading and
// the frame of the item area; and, on the last page, the totals block.
#pragma once

#include "print/invoice_document.h"
#include "print/invoice_page.h"

namespace ventro {

// letter.bmp beside the heading, six lines high, unless the settings omit it. True when drawn;
// a missing file, a picture that is not a bitmap or one of no height is skipped silently.
bool DrawLetterLogo(InvoicePage& page, const SettingsRecord& settings,
                    const DrawServices& services);

// The store name and the document's title in the title font.
void DrawTitle(InvoicePage& page, const InvoiceData& data);

// The signature block at the page bottom, in the body font.
void DrawSignatureBlock(InvoicePage& page, const InvoiceData& data);

// The reference block, the heading lines, the customer's block and terms, at `address_x` for
// the blocks on the left.
void DrawHeadingBlocks(InvoicePage& page, const InvoiceData& data, int address_x);

// The column heading band and the frame of the item area.
void DrawItemFrame(InvoicePage& page, const InvoiceData& data);

// The last page after row counter `n`: the product column line, the rule under the rows, the
// sub total when it fits and the totals block.
void DrawLastPageTotals(InvoicePage& page, const InvoiceData& data, int n);

}  // namespace ventro
