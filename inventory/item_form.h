// The item form (dialog "800"): every field of an ordinary item, with the ready reckoner that
// turns a price with tax into the retail price, and the picture chooser.
#pragma once

#include <cstdint>
#include <string>

#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/ui.h"

namespace ventro {

enum class ItemFormMode {
  kNew,    // "New inventory": a blank item with the proposed number and the default tax code
           // and display category
  kCopy,   // "New inventory": the item just saved under the proposed number
  kRetry,  // "New inventory" again after a refused entry: the values as entered, the number
           // still editable
  kAmend,  // "Amend inventory": the number read-only, no "Next" or "Copy"
};

// How the form was left: Cancel, or which button copied the boxes into the item.
enum class ItemFormExit { kCancel, kOk, kNext, kCopy };

// Runs the form on `item`. kNew clears `item` first; kNew and kCopy give it `proposed` as its
// number. Except on Cancel every box is copied back into `item`: texts cut to their form
// maximum, the retail price rounded to cents, counts clamped to 32 bits.
ItemFormExit RunItemForm(Ui& ui, const SettingsRecord& settings, const LocalTime& today,
                         InventoryRecord& item, ItemFormMode mode, int64_t proposed);

// The ready reckoner: the retail price without tax for `with_tax` (the text typed, at most 9
// characters, rounded to cents) with tax 1 and/or tax 2 ticked, from the settings' rates.
// Not above 0 gives 0.
double RetailWithoutTax(const SettingsRecord& settings, const std::string& with_tax, bool tax1,
                        bool tax2);

// The picture an item shows: "m<number>.bmp" with its own picture, else "STOCK<n>.bmp".
std::string ItemPictureName(const InventoryRecord& item);

}  // namespace ventro
