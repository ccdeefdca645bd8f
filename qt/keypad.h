// The twelve keypad buttons: "0" to "9", "CA" (clear all) and "CE" (clear the last character).
// What they do to the entry text is the core's business; they only send their numbers.
#pragma once

#include <functional>

#include "qt/button_group.h"
#include "qt/tile_button.h"

namespace ventro {

// Creates the keypad's buttons as children of `parent`; `command` receives a pressed key's number.
ButtonGroup<TileButton> MakeKeypad(QWidget* parent, const std::function<void(int)>& command);

}  // namespace ventro
