// The sale screen's keypad and shortcut keys, and what follows the splash window's closing.
#pragma once

#include "sale/screen_state.h"

namespace ventro {

class Ventro;

// The keypad buttons: 2430 to 2439 are the digits "0" to "9", then "CA" and "CE".
inline constexpr int kKeypadZero = 2430;
inline constexpr int kKeypadClearAll = 2440;
inline constexpr int kKeypadClearLast = 2441;

// True for the twelve keypad commands 2430 to 2441.
bool IsKeypadCommand(int id);

// A keypad button: a digit is appended to the item entry text, "CA" empties it and "CE"
// removes its last character. While the discount dialog is open the keypad belongs to that
// dialog and the entry text is left alone.
void PressKeypad(Ventro& ventro, int id);

// A shortcut key of the item entry box produced command `id`: ignored while the discount dialog
// is open; otherwise remembered as the last key command and dispatched like any command.
void PressShortcutKey(Ventro& ventro, int id);

// What follows the splash window's closing: the sign-on (repeated until a clerk signs on or
// the user ends the program from the log-on dialog), then the "TIP OF THE DAY" dialog unless
// the settings turn it off. The Qt host and the script driver both call it once.
void OnSplashClosed(Ventro& ventro);

}  // namespace ventro
