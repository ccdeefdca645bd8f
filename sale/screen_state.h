// What the sale screen shows besides the basket: the item entry text, the restricted flag, the
// entry mode, the window title and the number of quick-select buttons the window has room for.
// The core changes it and calls Window::ScreenChanged; the Qt window draws it and the script
// driver reads it.
#pragma once

#include <string>

#include "platform/window.h"

namespace ventro {

// Entry modes. Any other non-zero value means a sale step is running.
inline constexpr int kEntryModeNormal = 0;
inline constexpr int kEntryModeDiscount = 2;  // the discount dialog is open

struct SaleScreen {
  std::string entry_text;  // the item entry box (Windows-1252)
  // Set while a clerk other than 1 (Administrator) or 2 (Manager) is signed on.
  bool restricted = false;
  int entry_mode = kEntryModeNormal;  // see the entry modes above
  std::string title = "VENTRO";       // the main window's title as last set
  int quick_select_count = 14;        // visible quick-select buttons (14 to 60), set on resize
  int last_key_command = 0;           // the command last produced by a shortcut key
};

// Sets the main window's title and keeps it in the screen state.
inline void SetScreenTitle(SaleScreen& screen, Window& window, const std::string& title) {
  screen.title = title;
  window.SetTitle(title);
}

}  // namespace ventro
