// The bundle form "BUNDLE" (new and amend) and the read-only bundle view "BUNDLE1": a bundle's
// own fields and its six component rows (item number, description, quantity 1 to 50, "Free").
#pragma once

#include <functional>
#include <string>

#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "platform/dialog.h"

namespace ventro {

enum class BundleFormMode { kNew, kAmend };

// The component row keys: "item1" to "item6", "description1", "quantity1", "free1", and the
// actions "Select1", "Remove1" ...
std::string RowKey(const char* name, int row);

// The form showing `bundle`. New: the number proposed in `bundle`, the other boxes as the
// record holds them (empty), quantities "1". Amend: titled "Amend bundle", the number
// read-only, the component descriptions left empty.
Dialog BundleForm(const InventoryRecord& bundle, const SettingsRecord& settings,
                  BundleFormMode mode);

// Copies the form's boxes into `bundle`: number, texts, delivery and weight, the display
// category (kept when none is chosen), the date added when the box holds a date ("DD/MM/YYYY",
// day 1 to 31, month 1 to 12, a year after 1980), and each component's number text (at most
// 18 characters), "Free" mark (2 or 0) and quantity (list position + 1, 1 when none).
void ReadBundleForm(const Dialog& form, InventoryRecord& bundle);

// Fills component row `row` (1 to 6) with an item's number and description, or clears it.
void SetComponentRow(Dialog& form, int row, const std::string& number,
                     const std::string& description);

// The read-only view "BUNDLE1" of `bundle`, titled "Inventory bundle".
Dialog BundleView(const InventoryRecord& bundle, const SettingsRecord& settings);

}  // namespace ventro
