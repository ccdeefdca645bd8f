// The lines between the items and the total of the till receipt and the kitchen ticket.
#pragma once

#include "print/receipt_data.h"
#include "print/receipt_page.h"

namespace ventro {

// From `line` on, centred: exclusive of tax (unless both taxes are 0) the sub total and each
// tax that is not 0; then, with a discount, the sub total when both taxes are 0 and the
// discount in brackets. Returns the number of lines drawn.
int DrawTotalsLines(ReceiptPage& page, const ReceiptData& data, bool exclusive_of_tax, int line);

}  // namespace ventro
