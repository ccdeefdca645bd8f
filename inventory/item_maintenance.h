// The Inventory menu's work on single items: New line, Amend, Delete, Find and Find by
// description. Each asks for what it needs, reports refusals and failures itself, keeps
// inventory.dat, the number index and the description prefixes in step, and writes amends and
// deletes to the day text log once the record is written. The caller refills the quick-select
// buttons afterwards.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "inventory/inventory_desk.h"
#include "inventory/item_lookup.h"

namespace ventro {

// The number New line proposes: from one past the settings' last inventory number (a value
// below 0 is reset to 0 first), the first number not in use.
int64_t ProposedItemNumber(SettingsRecord& settings, const MasterFile& inventory);

// Why a new item cannot be stored, checked in this order: "Number outside range.", "The
// description must have at least two characters.", "Invalid category" (display categories are
// 0 to 17), "Invalid retail price", "Invalid quantity in stock", "Invalid cost price". Nothing
// when it can.
std::optional<std::string> NewItemRefusal(const InventoryRecord& item);

// New line (F4): the item form until OK or Cancel; "Next" starts a blank item and "Copy" one
// like the item just stored, each under a newly proposed number. A refused entry plays the
// error sound, shows why (titled "Problem") and reopens the form with the values as entered.
// "Number in use." and file failures end the command with nothing written.
void AddItems(const InventoryDesk& desk);

// Amend (F3): asks "Amend item", finds the item and opens it in the form. A description
// shorter than two characters is refused ("The title must have at least two characters.")
// and nothing is saved. Gives true when the item found is a bundle, which the bundle amend
// takes over; false otherwise.
bool AmendItem(const InventoryDesk& desk);

// Delete: asks "Delete item number / description", finds the item and, after "Are you sure?",
// frees its slot.
void DeleteItem(const InventoryDesk& desk);

// Find (F2): asks "Find item number / description / fragment". An ordinary item found by its
// number opens its picture window beside the item view (dialog "801"); a bundle asks for the
// bundle view.
std::optional<FoundItem> FindItem(const InventoryDesk& desk);

// Find by description: asks "Find inventory by description"; a bundle asks for the bundle view.
std::optional<FoundItem> FindItemByDescriptionCommand(const InventoryDesk& desk);

}  // namespace ventro
