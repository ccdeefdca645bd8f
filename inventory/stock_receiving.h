// The Inventory menu's "Inventory received" commands: an item is found, the quantity received
// is typed into "Receive Inventory" (808), and the receipt is booked in.
#pragma once

#include "platform/dialog.h"
#include "store/master_file.h"

namespace ventro {

struct SaleSession;

// Command 3046: asks "Inventory number / description"; a number of 1 or more is looked up by
// number, other text in the list of items whose description starts with it (818). The item
// found is received; after "Next" the command starts again.
void ReceiveInventory(SaleSession& session);

// Command 3056: asks "Find in SKU 1:" and offers, in file order, each item whose SKU 1
// contains the text ("%I64d, %s" titled "Search: No to continue"); the item taken is received.
void ReceiveInventoryBySku(SaleSession& session);

// The "Receive Inventory" dialog for `item`: number, description and stock held, the quantity
// received with the updated total following it, and the item's sell-by lists.
Dialog ReceiveForm(const InventoryRecord& item);

}  // namespace ventro
