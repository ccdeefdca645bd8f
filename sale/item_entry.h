// Ringing up: an item by number or by scanned code, with the stock, trade price, offer and
// tax rules, bundles expanded into their components, and the age and reorder alerts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/inventory_record.h"

namespace ventro {

struct SaleSession;

enum class AddMode {
  kNormal = 0,
  kFree = 2,    // priced 0 (a free bundle component)
  kRepeat = 4,  // a repeat: no age alert
};

enum class AddResult {
  kAdded,    // a line was added (for a bundle: its components were tried)
  kRefused,  // nothing added; the reason was shown
  kFull,     // the basket holds 400 lines; "Transaction limit 400 items" was shown
};

// Adds one unit of item `number` to the basket. With `number` 0 the item comes from the sale
// screen's entry text: its SKU 1 text when barcode entry is on, else its number. A bundle adds
// its components instead. Refusals are shown ("Invalid entry", "Item out of stock", "Trade
// price option active, no trade price", file failures) and leave the basket as it was. After
// the line: the totals are refreshed, then the age alert (not for a repeat) and the reorder
// alert.
AddResult AddItemToBasket(SaleSession& session, int64_t number, AddMode mode);

// Enter in the item entry box, or the add-item button (2442): the entry text, upper-cased, is
// rung up as AddItemToBasket(0) and the entry box is emptied.
void EnterItem(SaleSession& session);

// An item's line in the selection lists: "%I64d, %s (%d) %.2f" (number, description, stock,
// retail price).
std::string ItemChoiceLine(const InventoryRecord& item);

// The items whose description starts with `pattern` (upper-cased; '?' matches any character;
// shorter than two characters it is padded with '?'), in file order, each as "%I64d, %s (%d)
// %.2f" (number, description, stock, retail price). A missing inventory.dat shows "Data file:
// inventory.dat, not present." titled "Fatal error" and gives none.
std::vector<std::string> FindItemsByDescription(SaleSession& session, std::string_view pattern);

}  // namespace ventro
