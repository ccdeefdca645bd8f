// The "contains" searches over inventory.dat: a fragment of the description, of SKU 1, the
// advanced search over the description and the four SKUs, and the list of items whose SKUs hold
// a fragment. Each reads the file once from the start in large sequential blocks.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/status.h"
#include "inventory/inventory_desk.h"
#include "inventory/item_lookup.h"

namespace ventro {

// Calls `on_item` with the slot and the record (InventoryRecord::kSize bytes) of every live
// item from slot `from` on, in file order; `on_item` returns false to stop. Reads the file in
// blocks. Fails with "Data file: inventory.dat, not present." titled "Fatal error" for a
// missing file and with the file's path titled "Problem" for a failed read.
Status ScanItems(Files& files, const MasterFile& inventory, int64_t from,
                 const std::function<bool(int64_t position, const uint8_t* record)>& on_item);

// What the advanced search (dialog "811") looks for; texts upper-cased, empty for none.
struct AdvancedQuery {
  std::string description;
  std::string sku[4];
  bool all = false;  // every text must match; else any one non-empty text is enough
};

// Whether the item `record` matches: with `all`, the description holds the description text
// and each SKU text is held by one of the four SKUs (an empty text always matches); with any,
// some non-empty text is held where it is looked for.
bool MatchesAdvanced(const AdvancedQuery& query, const uint8_t* record);

// "Find that contain": asks "Fragment:" and offers each item whose description holds it.
std::optional<FoundItem> SearchDescriptionFragment(const InventoryDesk& desk);

// Asks "Find in SKU 1:" and offers each item whose SKU 1 holds it.
std::optional<FoundItem> SearchSku1Fragment(const InventoryDesk& desk);

// "Find advanced": dialog "811", then offers each item that matches.
std::optional<FoundItem> SearchAdvanced(const InventoryDesk& desk);

// "Find in SKUs": asks "SKU or fragment:" and lists the items whose SKU 1 to 4 hold it
// ("INVENTORY LIST"), in file order; "No match found" titled "Finished" when none does.
void ListItemsBySku(const InventoryDesk& desk);

}  // namespace ventro
