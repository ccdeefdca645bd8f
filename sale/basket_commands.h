// The sale screen's basket commands: repeat, void, clear, the sixteen parked baskets, the
// trade/retail switch, the transaction note and the customer of the sale.
#pragma once

namespace ventro {

struct SaleSession;

// Command 2417. Adds the last line's item again, as many times as the number in the entry box
// (empty or 0: once), silently; the entry box is emptied afterwards. "No items", "Non
// inventory item" for a last line that is not an inventory item, and "Transaction limit 400
// items" when the lines would pass 400 (nothing is added then), all titled "Problem". Stops at
// the first unit refused.
void RepeatLastLine(SaleSession& session);

// Command 2415. Takes the selected line off the totals and out of the basket; the later lines
// move up and the last line is selected. "No items" titled "Problem" for an empty basket;
// without a selected line nothing is touched. Voiding the only line empties the basket.
void VoidSelectedLine(SaleSession& session);

// Command 2425. Empties the basket list and the basket (customer and note too); nothing when
// the list is already empty.
void ClearBasket(SaleSession& session);

// Parks the open basket in its slot and brings basket `n` (1 to 16) back, its list rebuilt
// without stock figures. "Basket not valid" titled "Problem" outside 1 to 16; the current
// basket's number does nothing.
void SwitchBasket(SaleSession& session, int n);

// Command 2467. The "BASKETBOX" dialog, buttons "1" to "16" (the current one ">n<"), then
// SwitchBasket.
void ChooseBasket(SaleSession& session);

// Command 2413. Switches the settings between retail (0) and trade (2) prices for the items
// added from now on; a restricted clerk kept from the trade button is ignored.
void ToggleTradePrices(SaleSession& session);

// Command 1081. The "NOTEBOX" dialog edits the sale's note (up to 79 characters); OK stores it
// and shows "Added" titled "Transaction note".
void AddTransactionNote(SaleSession& session);

// Command 1034. Chooses a customer by number or name ("Customer" / "Number / name") and makes
// them the customer of the sale: number, name and the five customer texts; a box titled
// "Customer associated" shows the name.
void AssociateCustomer(SaleSession& session);

}  // namespace ventro
