// The menu entries of the main window in menu order, and the keys of the item entry box.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "app/command_ids.h"

namespace ventro {

struct MenuCommand {
  int id;                 // command number
  std::string_view menu;  // top-level menu title ("File", "Inventory", ...)
  std::string_view text;  // entry text with its mnemonic ampersand
  std::string_view key;   // key hint shown after the text ("F4", "Ctrl+V"), empty for none
};

// The top-level menus in order.
std::span<const std::string_view> MenuTitles();

// Every menu entry in menu order.
std::span<const MenuCommand> MenuCommands();

// The menu entry of command `id`, or nothing when the command has no menu entry.
const MenuCommand* FindMenuCommand(int id);

// Keys the item entry box turns into commands.
enum class Key {
  kUp,
  kDown,
  kLeft,
  kRight,
  kF1,
  kF2,
  kF3,
  kF4,
  kF5,
  kF6,
  kF7,
  kF8,
  kF9,
  kF10,
  kF11,
  kF12,
};

// The command a key produces: `key`, or Ctrl with `letter` ('A' to 'Z'). F1 opens the help and
// has no command number: it yields kHelpCommand.
inline constexpr int kHelpCommand = ToInt(Command::kHelpContents);
std::optional<int> CommandForKey(Key key);
std::optional<int> CommandForCtrlLetter(char letter);

}  // namespace ventro
