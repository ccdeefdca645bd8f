// Changing what the last basket line costs: a new price ("Adjust item price") or a price by
// weight ("Adjust by weight", the list price being the price of 100 weight units). The line's
// five figures are replaced and the totals move by the differences.
#pragma once

#include <cstdint>

#include "sale/basket.h"
#include "sale/line_tax.h"

namespace ventro {

struct SaleSession;

// The five figures of a line.
struct LineFigures {
  double non_taxable = 0;
  double taxable = 0;
  double tax1 = 0;
  double tax2 = 0;
  double total = 0;
};

// The figures of line `index` of `basket`.
LineFigures FiguresOfLine(const Basket& basket, int index);

// `figures` repriced at `price` before tax: for an item with tax code `tax_code` other than 0
// the taxable amount with tax 1 and tax 2 as a line carries them (no threshold rule), else the
// non-taxable amount; the total follows.
LineFigures RepricedFigures(LineFigures figures, const TaxRules& rules, int tax_code,
                            bool no_tax_rounding, double price);

// The price before tax of `weight` units of an item whose list price is for 100 units.
double WeighedPrice(double list_price, int64_t weight);

// True when the basket carries a discount and the line's new total would take the grand total
// below 0.
bool DiscountExceedsTransaction(const Basket& basket, double old_total, double new_total);

// Replaces the figures of the last line with those of `figures` that are 0 or more, moving the
// totals (the net total with the non-taxable and taxable amounts) by the differences.
void ReplaceLastLineFigures(Basket& basket, const LineFigures& figures);

// Command "Adjust item price". Nothing for an empty basket or while a payment is in progress;
// "Non inventory item" titled "Problem" for a last line without an item. "DISCOUNT" shows the
// item and the line, takes the amended price in cents ("Zero" makes it 0) and shows the line's
// figures at that price; a negative price is "Invalid price" and a price that takes a
// discounted basket below 0 "Discount exceeds transaction", both titled "Problem", and the
// dialog stays open.
void AdjustLastLinePrice(SaleSession& session);

// Command "Adjust by weight": "No items" and "Non inventory item" titled "Problem". "DISCOUN4"
// takes a weight (a list of 1 to 2000, 100 chosen, or typed 1 to 100000) and shows the price
// before tax and the line's figures; the price can also be typed. Refused as the price
// adjustment is.
void AdjustLastLineByWeight(SaleSession& session);

}  // namespace ventro
