// Finding one item: by number, or by the start of its description, match by match in the find
// result view or from the selection list (the settings decide which). The item found is read
// into the inventory buffer and its slot becomes the current position.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "inventory/inventory_desk.h"

namespace ventro {

// An item a command found, read into the inventory buffer at slot `position`.
// `open_bundle_view`: it is a bundle and the command shows found bundles in the bundle view.
struct FoundItem {
  int64_t position = -1;
  bool open_bundle_view = false;
};

// Reads item `number` into the buffer and gives its slot. Not in the index: "No match found"
// titled "Finished"; file failures as MasterFile::Read.
std::optional<int64_t> FindItemByNumber(const InventoryDesk& desk, int64_t number);

// Searches the descriptions by their start: upper-cased, "?" matching any character, one
// character X searching "X?", an empty text choosing nothing. With the settings' inventory
// list option the matches are offered in the selection list (dialog "818", each line as
// ItemChoiceLine, in file order), else one by one in the find result view (dialog "805": OK
// takes the item shown, Next shows the next match, Cancel ends); "No match found" titled
// "Finished" when the scan ends without a choice.
std::optional<int64_t> FindItemByDescription(const InventoryDesk& desk, std::string_view text);

// A text whose number value (its leading digits: "12ABC" is 12) lies in 1 to 10^17 is looked
// up by number, any other text by description.
std::optional<int64_t> LookUpItem(const InventoryDesk& desk, std::string_view text);

}  // namespace ventro
