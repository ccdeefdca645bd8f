// The item rows of receipts and kitchen tickets, one row per merged line, in one of three
// layouts.
#pragma once

#include <vector>

#include "print/receipt_page.h"
#include "sale/basket.h"

namespace ventro {

enum class ItemLayout {
  kSingleLine,  // description, quantity, unit price and amount in columns under a heading
  kCentred,     // "3 DESCRIPTION, 7.50" centred
  kTwoLine,     // description and amount; "3 @ 2.50" on a second line when more than one
};

struct ItemStyle {
  ItemLayout layout = ItemLayout::kSingleLine;
  bool exclusive_of_tax = false;   // unit price without its taxes
  bool limit_description = false;  // descriptions cut to 20 characters (not in columns)
  bool mark_exempt = false;        // "E  " before the amount of an untaxed line
  int left = 0;
  int right = 0;
};

// The layout the till receipt options choose: columns unless turned off, then centred or two
// lines.
ItemStyle TillItemStyle(const ReceiptPage& page, const SettingsRecord& settings);

// The column heading of the single-line layout, with its rules, on the two lines from `line`.
void DrawItemHeading(ReceiptPage& page, int line);

// Draws the rows of the lines whose quantity is above 0, the first at `first_line`. Returns
// the number of rows used.
int DrawItems(ReceiptPage& page, const Basket& basket, const std::vector<int>& quantities,
              const ItemStyle& style, int first_line);

}  // namespace ventro
