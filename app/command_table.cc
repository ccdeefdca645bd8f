#include "app/command_table.h"

#include <array>

namespace ventro {
namespace {

constexpr std::array<std::string_view, 10> kMenuTitles = {
    "File",    "Inventory",    "Customers", "Suppliers", "Payments",
    "Reports", "Transactions", "Activity",  "Utilities", "Help",
};

// One row per menu entry, top to bottom and menu by menu, as the menu bar shows them.
constexpr MenuCommand kMenuCommands[] = {
    {3010, "File", "Listing font size", ""},
    {3021, "File", "Indent listings", ""},
    {1002, "File", "Exit - print report", ""},
    {1003, "File", "Exit - print log", ""},
    {1004, "File", "Exit - print report + log", ""},
    {1000, "File", "E&xit", ""},
    {2411, "Inventory", "New line", "F4"},
    {1050, "Inventory", "A&mend", "F3"},
    {1051, "Inventory", "&Delete", ""},
    {3050, "Inventory", "New bundle", ""},
    {3046, "Inventory", "Inventory received", "Ctrl+V"},
    {3056, "Inventory", "Inventory received by SKU 1", ""},
    {1027, "Inventory", "&Find", "F2"},
    // Carries the kitchen-print command: this entry prints the basket to the kitchen printer.
    {2466, "Inventory", "Find in Sku 1", "Ctrl+X"},
    {1032, "Inventory", "Find in SKUs", "Ctrl+S"},
    {1028, "Inventory", "Find by description", "Ctrl+N"},
    {1056, "Inventory", "Find that contain", ""},
    {1072, "Inventory", "Find advanced", "Ctrl+F"},
    {1029, "Inventory", "List from number", "Ctrl+I"},
    {1030, "Inventory", "List a&lphabetically", ""},
    {1031, "Inventory", "List by &category", ""},
    {1076, "Inventory", "Add custom image to item", ""},
    {1040, "Inventory", "Print &from number ..", ""},
    {1041, "Inventory", "Print &alphabetically", ""},
    {1042, "Inventory", "Print including cost value", ""},
    {1043, "Inventory", "Print by category", ""},
    {1044, "Inventory", "Print in stock", ""},
    {3002, "Inventory", "Print by location", ""},
    {1047, "Inventory", "Print custom", ""},
    {3012, "Customers", "Add", "Ctrl+A"},
    {1090, "Customers", "A&mend", "Ctrl+B"},
    {1023, "Customers", "&Delete", ""},
    {1024, "Customers", "&Prune", ""},
    {1009, "Customers", "&Find", "Ctrl+J"},
    {1011, "Customers", "List from number", "Ctrl+M"},
    {1012, "Customers", "Alp&habetically", ""},
    {3031, "Customers", "By address", ""},
    {3016, "Customers", "Find that contain", ""},
    {3040, "Customers", "Find by postcode zip", "Ctrl+U"},
    {1097, "Customers", "Find telephone", "Ctrl+E"},
    {1026, "Customers", "Amend balance", ""},
    {3026, "Customers", "Customer statement", ""},
    {1035, "Customers", "Customer period activity", ""},
    {1016, "Customers", "Print f&rom number ..", ""},
    {1017, "Customers", "Print &alphabetically", ""},
    {1019, "Customers", "Print &debtors", "Ctrl+D"},
    {1021, "Customers", "Print inactive since ..", ""},
    {1068, "Customers", "Print &debtor letter 1", "Ctrl+L"},
    {1075, "Customers", "Print d&ebtor letter 2", ""},
    {3023, "Customers", "Print customer details", ""},
    {3013, "Suppliers", "&Find", ""},
    {3043, "Suppliers", "&List", ""},
    {1073, "Suppliers", "&Print", ""},
    {3036, "Suppliers", "Add", ""},
    {1055, "Suppliers", "A&mend", ""},
    {1071, "Suppliers", "&Delete", ""},
    {2459, "Payments", "Cash", "F5"},
    {3035, "Payments", "CH", ""},
    {2426, "Payments", "Customer credit", "F6"},
    {2428, "Payments", "EFT (Credit card)", "F7"},
    {3001, "Payments", "Split Cash Other", ""},
    {3032, "Payments", "Balance payment", ""},
    {3041, "Payments", "Balance pay on transaction", ""},
    {3047, "Reports", "&Sales report", ""},
    {1057, "Reports", "Sales by staff", ""},
    {3019, "Reports", "Sales by item", ""},
    {1099, "Reports", "Daily item summary", ""},
    {3003, "Reports", "Weekly item summary", ""},
    {3011, "Reports", "Monthly item summary", ""},
    {1033, "Reports", "Specific period item summary", ""},
    {1074, "Reports", "Export daily items CSV", ""},
    {3009, "Reports", "Export weekly items CSV", ""},
    {3020, "Reports", "Stock summary", ""},
    {3014, "Reports", "Reorder list", ""},
    {3000, "Reports", "Reorder list by order code", ""},
    {1049, "Reports", "Out of stock", ""},
    {3052, "Reports", "Special orders", ""},
    {3058, "Reports", "Sell by expired", ""},
    {1013, "Reports", "Outstanding balances", ""},
    {3042, "Reports", "Inventory received", ""},
    {1038, "Reports", "&Highest volume products", ""},
    {1037, "Reports", "List items with retail less than cost", ""},
    {1007, "Reports", "Till reconciliation", ""},
    {3008, "Reports", "Till closeout", ""},
    {3060, "Reports", "Takings graph", ""},
    {3033, "Transactions", "Find transaction", ""},
    {1067, "Transactions", "Display transaction", "F11"},
    {1022, "Transactions", "In specific day", ""},
    {1025, "Transactions", "In specific month", ""},
    {1065, "Transactions", "In specific year", ""},
    {1036, "Transactions", "Discounted", ""},
    {1039, "Transactions", "Reprint last receipt invoice", ""},
    {1070, "Transactions", "Pro Forma Quotation", "Ctrl+R"},
    {2409, "Transactions", "Add discount", ""},
    {1081, "Transactions", "Add note", ""},
    {1034, "Transactions", "Associate customer", ""},
    {1062, "Activity", "Activity summary", "F12"},
    {1078, "Activity", "Print activity summary", ""},
    {3004, "Activity", "Previous activity summary", ""},
    {1069, "Activity", "Export an activity summary", ""},
    {3048, "Activity", "Email an activity summary", ""},
    {3053, "Activity", "Head office report setup", ""},
    {3054, "Activity", "Upload head office report", ""},
    {1020, "Activity", "Display log for today", ""},
    {3007, "Activity", "Display previous log file", ""},
    {1060, "Activity", "&Print log for today", ""},
    {1048, "Activity", "Pr&int log for a specific day", ""},
    {1052, "Activity", "Export log for a specific day", ""},
    {2467, "Activity", "Change basket table", "Ctrl+W"},
    {1053, "Utilities", "Configuration", "Ctrl+C"},
    {3022, "Utilities", "Purge transaction history", ""},
    {1059, "Utilities", "&File reset", ""},
    {3027, "Utilities", "Tax setup", ""},
    {1058, "Utilities", "Non inventory settings", ""},
    {3039, "Utilities", "Store print heading", ""},
    {3005, "Utilities", "Mailmerge", ""},
    {3037, "Utilities", "Barcode print", ""},
    {3038, "Utilities", "Custom receipt", ""},
    {1093, "Utilities", "Invoices", ""},
    {3049, "Utilities", "Customize language", ""},
    {3025, "Utilities", "&Operator setup", ""},
    {1063, "Utilities", "User control", "Ctrl+P"},
    {1054, "Utilities", "&Export", ""},
    {3028, "Utilities", "&Import", ""},
    {1066, "Utilities", "Import ORVO inventory", ""},
    {3024, "Utilities", "Sound effects", ""},
    {3017, "Utilities", "Button tips", ""},
    {1005, "Utilities", "&Backup", ""},
    {1079, "Utilities", "&Restore", ""},
    {1064, "Utilities", "Change inbuilt stock picture", ""},
    {1098, "Help", "&Contents", ""},
    {3045, "Help", "&Tip of the day ...", ""},
    {3006, "Help", "Calendar", ""},
    {1061, "Help", "A&bout", ""},
};

// Ctrl letters A to Z; 0 where the letter produces no command.
constexpr std::array<int, 26> kCtrlLetterCommands = {
    3012, 1090, 1053, 1019, 1097, 1072, 0,    0,    1029, 1009, 2408, 1068, 1011,
    1028, 0,    1063, 0,    1070, 1032, 1091, 3040, 3046, 2467, 2466, 0,    0,
};

}  // namespace

std::span<const std::string_view> MenuTitles() { return kMenuTitles; }

std::span<const MenuCommand> MenuCommands() { return kMenuCommands; }

const MenuCommand* FindMenuCommand(int id) {
  for (const MenuCommand& command : kMenuCommands) {
    if (command.id == id) return &command;
  }
  return nullptr;
}

std::optional<int> CommandForKey(Key key) {
  switch (key) {
    case Key::kUp:
      return ToInt(Command::kQuickSelectBack);
    case Key::kDown:
      return ToInt(Command::kQuickSelectForward);
    case Key::kLeft:
      return ToInt(Command::kEveryCategory);
    case Key::kRight:
      return ToInt(Command::kCategoryZero);
    case Key::kF1:
      return kHelpCommand;
    case Key::kF2:
      return ToInt(Command::kFindInventory);
    case Key::kF3:
      return ToInt(Command::kAmendInventory);
    case Key::kF4:
      return ToInt(Command::kNewInventory);
    case Key::kF5:
      return ToInt(Command::kPayCash);
    case Key::kF6:
      return ToInt(Command::kPayCustomerCredit);
    case Key::kF7:
      return ToInt(Command::kPayCard);
    case Key::kF8:
      return ToInt(Command::kOpenDrawer);
    case Key::kF9:
      return ToInt(Command::kSignOn);
    case Key::kF10:
      return std::nullopt;
    case Key::kF11:
      return ToInt(Command::kDisplayTransaction);
    case Key::kF12:
      return ToInt(Command::kActivitySummary);
  }
  return std::nullopt;
}

std::optional<int> CommandForCtrlLetter(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  const int command = kCtrlLetterCommands[letter - 'A'];
  if (command == 0) return std::nullopt;
  return command;
}

}  // namespace ventro
