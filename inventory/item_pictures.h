// Pictures the shop supplies: an item's own picture and the 24 built-in stock pictures. The
// chosen file is converted to a bitmap by the front end and written to a temporary file
// renamed over the old picture, so that a failure leaves the old picture whole.
#pragma once

#include "inventory/inventory_desk.h"

namespace ventro {

// "Add custom image to item": asks "Add image to inventory number:", finds the item ("No match
// found"), asks for a picture file and stores it as m<number>.bmp in the data folder; the item
// then shows its own picture. A file that is no readable picture: "File of incorrect type"
// titled "Problem", nothing changed. Ends with "Updated." titled "Picture". True when the item
// changed, so that the quick-select buttons are refilled.
bool AddItemPicture(const InventoryDesk& desk);

// "Change inbuilt stock picture": asks "Stock picture number (1-24):" ("Outside range" titled
// "Problem" for any other number) and a picture file, and stores it as stock<n>.bmp. Ends with
// "Updated." titled "Inbuilt picture". True when a picture was replaced.
bool ChangeStockPicture(const InventoryDesk& desk);

// The item picture window "Inventory: <number>" painting the picture `item` shows (its own
// m<number>.bmp or its STOCK<n>.bmp, read from the data folder under that name or in lower
// case). Nothing opens when neither file reads as a bitmap.
void ShowItemPicture(const InventoryDesk& desk, const InventoryRecord& item);

}  // namespace ventro
