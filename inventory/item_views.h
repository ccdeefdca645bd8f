// The read-only views of one item: the find result view (dialog "805", "FIND INVENTORY") that a
// description search steps through, and the item view (dialog "801", "Inventory").
#pragma once

#include <string>
#include <vector>

#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/locale.h"

namespace ventro {

// "Non taxable", "Tax 1 and 2", "Tax 1" or "Tax 2" for tax codes 0 to 3; empty otherwise.
std::string TaxCodeText(int32_t tax);

// The tax code texts in list order (position = code).
const std::vector<std::string>& TaxCodeTexts();

// The three-letter label of display category 0 to 17; empty for any other value.
std::string CategoryLabel(const SettingsRecord& settings, int32_t category);

// Whether the signed-on clerk may see cost prices: clerks 1 and 2 always, the others only
// while the configuration does not hide them.
bool CostVisible(const SettingsRecord& settings);

// Dialog "805" for `item`: OK, Next and Cancel.
Dialog FindResultView(const SettingsRecord& settings, const InventoryRecord& item);

// Dialog "801" for `item`, every field read-only; its one button is OK.
Dialog ItemView(const SettingsRecord& settings, Locale& locale, const LocalTime& now,
                const InventoryRecord& item);

}  // namespace ventro
