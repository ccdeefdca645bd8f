#include "inventory/item_maintenance.h"

#include "base/format.h"
#include "inventory/item_form.h"
#include "inventory/item_pictures.h"
#include "inventory/item_views.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "store/day_log.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr char kFatalError[] = "Fatal error";

void AppendToDayLog(const InventoryDesk& desk, const LocalTime& now, const std::string& text) {
  if (!AppendDayText(desk.files(), desk.data_folder, now, text)) {
    desk.ui().Message(kFatalError, "Data log text file not present.", Icon::kError);
  }
}

// The typed text of a prompt; nothing when cancelled.
std::optional<std::string> Ask(const InventoryDesk& desk, const std::string& prompt) {
  std::string text;
  if (!desk.ui().EditBox(prompt, text)) return std::nullopt;
  return text;
}

}  // namespace

int64_t ProposedItemNumber(SettingsRecord& settings, const MasterFile& inventory) {
  if (settings.Get(cfg::kLastInventoryNumber) < 0) settings.Set(cfg::kLastInventoryNumber, 0);
  const int64_t last = settings.Get(cfg::kLastInventoryNumber);
  int64_t candidate =
      last < InventoryRecord::kMaxNumber ? last + 1 : InventoryRecord::kMaxNumber + 1;
  // Entries ascend by number (free slots first), so the numbers in use from the start on are
  // met in order; the first gap is the proposal.
  for (const IndexEntry& entry : inventory.index().entries()) {
    if (entry.number < candidate) continue;
    if (entry.number > candidate) break;
    ++candidate;
  }
  return candidate;
}

std::optional<std::string> NewItemRefusal(const InventoryRecord& item) {
  const int64_t number = item.Get(inv::kNumber);
  if (number < 1 || number > InventoryRecord::kMaxNumber) return "Number outside range.";
  if (item.Get(inv::kDescription).size() < 2) {
    return "The description must have at least two characters.";
  }
  // 18 stands for every category on the quick-select buttons; an item cannot be in it.
  const int32_t category = item.Get(inv::kDisplayCategory);
  if (category < 0 || category >= SettingsRecord::kCategoryCount) return "Invalid category";
  if (!(item.Get(inv::kRetailPrice) > 0)) return "Invalid retail price";
  if (item.Get(inv::kQuantity) < 0) return "Invalid quantity in stock";
  if (!(item.Get(inv::kCostPrice) > 0)) return "Invalid cost price";
  return std::nullopt;
}

void AddItems(const InventoryDesk& desk) {
  InventoryRecord& item = desk.inventory.item();
  ItemFormMode mode = ItemFormMode::kNew;
  for (;;) {
    const int64_t proposed = mode == ItemFormMode::kNew || mode == ItemFormMode::kCopy
                                 ? ProposedItemNumber(desk.settings, desk.inventory)
                                 : 0;
    const ItemFormExit exit =
        RunItemForm(desk.ui(), desk.settings, desk.Now(), item, mode, proposed);
    if (exit == ItemFormExit::kCancel) return;
    if (std::optional<std::string> refusal = NewItemRefusal(item)) {
      desk.PlayError();
      desk.ui().Message(kProblem, *refusal, Icon::kError);
      mode = ItemFormMode::kRetry;
      continue;
    }
    item.InitialiseAddedItem();
    if (!Tell(desk.ui(), desk.inventory.Add(desk.files()))) return;
    switch (exit) {
      case ItemFormExit::kNext:
        mode = ItemFormMode::kNew;
        break;
      case ItemFormExit::kCopy:
        mode = ItemFormMode::kCopy;
        break;
      default:
        desk.PlayDone();
        return;
    }
  }
}

bool AmendItem(const InventoryDesk& desk) {
  std::optional<std::string> text = Ask(desk, "Amend item");
  if (!text) return false;
  std::optional<int64_t> position = LookUpItem(desk, *text);
  if (!position) return false;
  InventoryRecord& item = desk.inventory.item();
  if (item.IsBundle()) return true;

  const int64_t number = item.Get(inv::kNumber);
  const std::string old_description = item.Get(inv::kDescription);
  const int32_t old_quantity = item.Get(inv::kQuantity);
  const double old_price = item.Get(inv::kRetailPrice);
  if (RunItemForm(desk.ui(), desk.settings, desk.Now(), item, ItemFormMode::kAmend, 0) ==
      ItemFormExit::kCancel) {
    return false;
  }
  if (item.Get(inv::kNumber) != number) {
    desk.ui().Message(kProblem,
                      "Number cannot be changed, please add a new line from the inventory menu",
                      Icon::kError);
    return false;
  }
  if (item.Get(inv::kDescription).size() < 2) {
    desk.PlayError();
    desk.ui().Message(kProblem, "The title must have at least two characters.", Icon::kError);
    return false;
  }
  // The prefix and the log follow the record only once it is on disk.
  if (!Tell(desk.ui(), desk.inventory.WriteBack(desk.files()))) return false;
  desk.inventory.UpdatePrefix(*position, item.data());
  const LocalTime now = desk.Now();
  AppendToDayLog(
      desk, now,
      StringPrintf("\r\n%s Item %lld, %s amended.\r\n", DayLogStamp(now).c_str(),
                   static_cast<long long>(number), item.Get(inv::kDescription).c_str()) +
          StringPrintf("Prev desc: %s\r\nPrev quantity: %d, Updated quantity: %d\r\n",
                       old_description.c_str(), old_quantity, item.Get(inv::kQuantity)) +
          StringPrintf("Prev price: %s, Updated price: %s\r\n", FormatAmount(old_price).c_str(),
                       FormatAmount(item.Get(inv::kRetailPrice)).c_str()));
  desk.PlayDone();
  return false;
}

void DeleteItem(const InventoryDesk& desk) {
  std::optional<std::string> text = Ask(desk, "Delete item number / description");
  if (!text) return;
  std::optional<int64_t> position = LookUpItem(desk, *text);
  if (!position) return;
  InventoryRecord& item = desk.inventory.item();
  const int64_t number = item.Get(inv::kNumber);
  const std::string description = item.Get(inv::kDescription);
  const std::string title =
      StringPrintf("%lld Item: %s", static_cast<long long>(number), description.c_str());
  if (desk.ui().Message(title, "Are you sure?", Icon::kQuestion, Buttons::kOkCancel) !=
      Answer::kOk) {
    return;
  }
  item.MarkDeleted();
  switch (desk.inventory.WriteAt(desk.files(), *position, item.data())) {
    case WriteStatus::kOk:
      break;
    case WriteStatus::kMissing:
      desk.ui().Message(kFatalError, "Data file: inventory.dat, not present.", Icon::kError);
      return;
    case WriteStatus::kFailed:
      desk.ui().Message(kProblem, "Not able to write inventory.dat", Icon::kError);
      return;
  }
  // The index follows the file: a slot is freed in memory only once it is free on disk.
  desk.inventory.Delete(number);
  const LocalTime now = desk.Now();
  AppendToDayLog(
      desk, now,
      StringPrintf("\r\nItem %lld, %s deleted.  Date: %s\r\n", static_cast<long long>(number),
                   description.c_str(), DayLogStamp(now).c_str()));
}

std::optional<FoundItem> FindItem(const InventoryDesk& desk) {
  std::optional<std::string> text = Ask(desk, "Find item number / description / fragment");
  if (!text) return std::nullopt;
  std::optional<int64_t> position = LookUpItem(desk, *text);
  if (!position) return std::nullopt;
  const InventoryRecord& item = desk.inventory.item();
  if (item.IsBundle()) return FoundItem{*position, true};
  const int64_t typed = AtoI64(*text);
  if (typed >= 1 && typed <= InventoryRecord::kMaxNumber) {
    ShowItemPicture(desk, item);
    Dialog view = ItemView(desk.settings, desk.platform.locale, desk.Now(), item);
    desk.ui().RunDialog(view);
  }
  return FoundItem{*position, false};
}

std::optional<FoundItem> FindItemByDescriptionCommand(const InventoryDesk& desk) {
  std::optional<std::string> text = Ask(desk, "Find inventory by description");
  if (!text) return std::nullopt;
  std::optional<int64_t> position = FindItemByDescription(desk, *text);
  if (!position) return std::nullopt;
  return FoundItem{*position, desk.inventory.item().IsBundle()};
}

}  // namespace ventro
