// What the sale screen shows besides the basket: the item entry text, the restricted flag, the
// entry mode, the window title and the number of quick-select buttons the window has room for.
// The core changes it and calls Host::ScreenChanged; the Qt window draws it and the script
// driver reads it.
#pragma once

#include <string>

namespace ventro {

class Ventro;

// Entry modes. Any other non-zero value means a sale step is running.
inline constexpr int kEntryModeNormal = 0;
inline constexpr int kEntryModeDiscount = 2;  // the discount dialog is open

// The restricted flag while a clerk other than 1 (Administrator) or 2 (Manager) is signed on.
inline constexpr int kRestricted = 2;

// The keypad buttons: 2430 to 2439 are the digits "0" to "9", then "CA" and "CE".
inline constexpr int kKeypadZero = 2430;
inline constexpr int kKeypadClearAll = 2440;
inline constexpr int kKeypadClearLast = 2441;

struct SaleScreen {
  std::string entry_text;             // the item entry box (Windows-1252)
  int restricted = 0;                 // kRestricted or 0
  int entry_mode = kEntryModeNormal;  // see the entry modes above
  std::string title = "VENTRO";       // the main window's title as last set
  int quick_select_count = 14;        // visible quick-select buttons (14 to 60), set on resize
  int last_key_command = 0;           // the command last produced by a shortcut key
};

// Sets the main window's title through the host and keeps it in the screen state.
void SetScreenTitle(Ventro& ventro, const std::string& title);

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
