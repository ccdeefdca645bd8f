// The lines between the items and the total of the till receipt and the kitchen ticket.
#pragma once

#include "print/receipt_data.h"
#include "print/receipt_items.h"
#include "print/receipt_page.h"

namespace ventro {

// From `line` on, centred: exclusive of tax (unless both taxes are 0) the sub total and each
// tax that is not 0; then, with a discount, the sub total when both taxes are 0 and the
// discount in brackets. Returns the number of lines drawn.
int DrawTotalsLines(ReceiptPage& page, const ReceiptData& data, bool exclusive_of_tax, int line);

// The middle of the till receipt and the kitchen ticket, from line `top` + 12: the item heading
// (one-line layout), the items with merged quantities, the totals lines, the total and a double
// rule. Returns the line base that the parts below count from (the rule stands at base + 14).
int DrawItemsToTotal(ReceiptPage& page, const ReceiptData& data, const ItemStyle& style, int top);

}  // namespace ventro
