#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "app/command_table.h"
#include "base/format.h"

namespace ventro {
namespace {

// The key a menu hint names ("F4", "Ctrl+V"), turned into the command the key map gives it.
std::optional<int> CommandForHint(std::string_view hint) {
  constexpr std::string_view kCtrl = "Ctrl+";
  if (hint.starts_with(kCtrl) && hint.size() == kCtrl.size() + 1) {
    return CommandForCtrlLetter(hint.back());
  }
  if (hint.size() >= 2 && hint.size() <= 3 && hint[0] == 'F') {
    const int n = std::stoi(std::string(hint.substr(1)));
    if (n >= 1 && n <= 12)
      return CommandForKey(static_cast<Key>(static_cast<int>(Key::kF1) + n - 1));
  }
  ADD_FAILURE() << "unreadable key hint " << hint;
  return std::nullopt;
}

TEST(CommandTableTest, MenusAreNonEmptyAndContiguousInMenuBarOrder) {
  const auto titles = MenuTitles();
  ASSERT_EQ(titles.size(), 10u);
  size_t title = 0;
  std::set<std::string_view> seen;
  for (const MenuCommand& command : MenuCommands()) {
    while (title < titles.size() && titles[title] != command.menu) ++title;
    ASSERT_LT(title, titles.size())
        << command.id << " in menu " << command.menu << " is out of order or under an unknown menu";
    seen.insert(command.menu);
  }
  EXPECT_EQ(seen.size(), titles.size()) << "some menu has no entries";
}

TEST(CommandTableTest, EntriesAreDistinctAndFoundById) {
  std::set<std::pair<int, std::string_view>> seen;
  for (const MenuCommand& command : MenuCommands()) {
    EXPECT_TRUE(seen.insert({command.id, command.text}).second)
        << command.id << " " << command.text;
    EXPECT_LE(std::count(command.text.begin(), command.text.end(), '&'), 1) << command.text;
    const MenuCommand* found = FindMenuCommand(command.id);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->id, command.id);
  }
  // Screen buttons and keys without a menu entry.
  EXPECT_EQ(FindMenuCommand(2408), nullptr);
  EXPECT_EQ(FindMenuCommand(2457), nullptr);
  EXPECT_EQ(FindMenuCommand(1091), nullptr);
  EXPECT_EQ(FindMenuCommand(0), nullptr);
}

TEST(CommandTableTest, KeyHintsInTheMenuMatchTheKeyMap) {
  int hinted = 0;
  for (const MenuCommand& command : MenuCommands()) {
    if (command.key.empty()) continue;
    ++hinted;
    EXPECT_EQ(CommandForHint(command.key), command.id) << command.text << " " << command.key;
  }
  EXPECT_GT(hinted, 20);

  // The other way round: a key whose command has a menu entry is named by that entry's hint.
  // F1 opens the help without a hint on "Contents".
  for (int f = 2; f <= 12; ++f) {
    const std::optional<int> id =
        CommandForKey(static_cast<Key>(static_cast<int>(Key::kF1) + f - 1));
    const MenuCommand* entry = id ? FindMenuCommand(*id) : nullptr;
    if (entry) {
      EXPECT_EQ(entry->key, StringPrintf("F%d", f));
    }
  }
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::optional<int> id = CommandForCtrlLetter(letter);
    const MenuCommand* entry = id ? FindMenuCommand(*id) : nullptr;
    if (entry) {
      EXPECT_EQ(entry->key, StringPrintf("Ctrl+%c", letter));
    }
  }
}

TEST(CommandTableTest, KeyMapEdges) {
  EXPECT_EQ(CommandForKey(Key::kF1), kHelpCommand);
  EXPECT_EQ(FindMenuCommand(kHelpCommand)->text, "&Contents");
  EXPECT_EQ(CommandForKey(Key::kF10), std::nullopt);
  EXPECT_EQ(CommandForKey(Key::kLeft), 2454);
  EXPECT_EQ(CommandForCtrlLetter('c'), CommandForCtrlLetter('C'));
  EXPECT_EQ(CommandForCtrlLetter('k'), 2408);
  EXPECT_EQ(CommandForCtrlLetter('G'), std::nullopt);
  EXPECT_EQ(CommandForCtrlLetter('z'), std::nullopt);
  EXPECT_EQ(CommandForCtrlLetter('@'), std::nullopt);
  EXPECT_EQ(CommandForCtrlLetter('['), std::nullopt);
  EXPECT_EQ(CommandForCtrlLetter('\0'), std::nullopt);
}

TEST(CommandTableTest, SpotChecks) {
  const auto commands = MenuCommands();
  EXPECT_EQ(commands.front().id, 3010);
  EXPECT_EQ(commands.back().id, 1061);

  const MenuCommand* configuration = FindMenuCommand(1053);
  ASSERT_NE(configuration, nullptr);
  EXPECT_EQ(configuration->menu, "Utilities");
  EXPECT_EQ(configuration->text, "Configuration");
  EXPECT_EQ(configuration->key, "Ctrl+C");

  const MenuCommand* kitchen = FindMenuCommand(2466);
  ASSERT_NE(kitchen, nullptr);
  EXPECT_EQ(kitchen->text, "Find in Sku 1");

  // A row of several commands keeps its order: the suppliers' menu.
  const MenuCommand* find = FindMenuCommand(3013);
  ASSERT_NE(find, nullptr);
  const int ids[] = {3013, 3043, 1073, 3036, 1055, 1071};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(find[k].id, ids[k]);
    EXPECT_EQ(find[k].menu, "Suppliers");
  }
  EXPECT_EQ(find[4].text, "A&mend");
}

}  // namespace
}  // namespace ventro
