// What a receipt is printed from: the basket of the transaction, the amounts tendered, and the
// settings, labels and clock of the run. Printing never changes any of them.
#pragma once

#include <vector>

#include "formats/settings_record.h"
#include "operators/label_table.h"
#include "platform/clock.h"
#include "platform/locale.h"
#include "sale/basket.h"
#include "sale/cash_box.h"

namespace ventro {

struct ReceiptData {
  const Basket& basket;
  Tendered tendered;  // amount tendered and change given
  const SettingsRecord& settings;
  const LabelTable& labels;
  Locale& locale;
  LocalTime now;
  int basket_number = 1;  // the table number on kitchen tickets
};

// The basket holds one line per unit; a printed document shows one row per item and price.
// Gives each of the basket's lines (the first kMaxBasketLines) its printed quantity: a line
// takes in every later line with the same item number and line total (and, with
// `same_description` or for lines without an item, the same description) and those lines get
// quantity 0, taking no row.
std::vector<int> MergedQuantities(const Basket& basket, bool same_description = false);

}  // namespace ventro
