// Bundles: an inventory record that groups up to six other items, each with a quantity and a
// "Free" mark. New bundle (3050), the bundle branch of Amend, and the bundle view.
#pragma once

#include <optional>
#include <string>

#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "platform/platform.h"
#include "store/master_file.h"

namespace ventro {

// Why a new bundle is refused, checked in this order: "Number outside range.", "The
// description must have at least two characters.", "Invalid category" (outside 0 to 17),
// "No items selected" (no component text reads as a number from 1 to 10^17). Nothing when it
// may be added.
std::optional<std::string> NewBundleRefusal(const InventoryRecord& bundle);

// Command 3050: the form "BUNDLE" ("Add inventory bundle"); a refused entry plays the error
// sound, says why titled "Problem" and reopens the form with the values entered. The bundle is
// added as inventory.dat's Add does ("Number in use." ends the command with nothing written);
// the completion sound follows. True when a bundle was added.
bool NewBundle(Platform& platform, const SettingsRecord& settings, MasterFile& inventory);

// Amend for the inventory's current item, a bundle: the form titled "Amend bundle". A changed
// number: "Number cannot be changed"; a description under two characters: "The title must
// have at least two characters." (with the error sound); both titled "Problem", nothing saved.
// Otherwise the bundle is written back, then its name prefix updated, and the completion sound
// plays. Components are not checked again. True when saved.
bool AmendBundle(Platform& platform, const SettingsRecord& settings, MasterFile& inventory);

// The read-only view "BUNDLE1" of `bundle`.
void ShowBundle(Ui& ui, const SettingsRecord& settings, const InventoryRecord& bundle);

}  // namespace ventro
