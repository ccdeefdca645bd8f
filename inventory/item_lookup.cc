#include "inventory/item_lookup.h"

#include <cstring>
#include <string>
#include <vector>

#include "base/format.h"
#include "inventory/item_views.h"
#include "platform/tell.h"
#include "sale/item_entry.h"
#include "store/name_search.h"

namespace ventro {
namespace {

constexpr char kFinished[] = "Finished";
constexpr char kNoMatch[] = "No match found";

InventoryRecord RecordOf(const uint8_t* bytes) {
  InventoryRecord record;
  std::memcpy(record.data(), bytes, InventoryRecord::kSize);
  return record;
}

std::optional<int64_t> ChooseOneByOne(const InventoryDesk& desk, std::string_view text) {
  std::optional<int64_t> chosen;
  bool ended = false;
  Status status = SearchByName(desk.files(), desk.inventory, text, 0,
                               [&](int64_t position, const uint8_t* record) {
                                 Dialog view = FindResultView(desk.settings, RecordOf(record));
                                 desk.ui().RunDialog(view);
                                 if (view.Pressed("Next")) return true;
                                 if (view.Pressed("OK")) chosen = position;
                                 ended = true;
                                 return false;
                               });
  if (!Tell(desk.ui(), status)) return std::nullopt;
  if (chosen) {
    return Tell(desk.ui(), desk.inventory.Read(desk.files(), *chosen)) ? chosen : std::nullopt;
  }
  if (!ended) desk.ui().Message(kFinished, kNoMatch, Icon::kInformation);
  return std::nullopt;
}

std::optional<int64_t> ChooseFromList(const InventoryDesk& desk, std::string_view text) {
  std::vector<std::string> lines;
  Status status =
      SearchByName(desk.files(), desk.inventory, text, 0, [&](int64_t, const uint8_t* record) {
        lines.push_back(ItemChoiceLine(RecordOf(record)));
        return true;
      });
  if (!Tell(desk.ui(), status)) return std::nullopt;
  Dialog list;
  list.name = "818";
  list.title = "Please select";
  list.Add(ChoiceField("choice", "", lines, -1));
  if (!desk.ui().RunDialog(list)) return std::nullopt;
  const int choice = list.Field("choice").choice;
  if (choice < 0 || choice >= static_cast<int>(lines.size())) return std::nullopt;
  // The chosen line's leading number is looked up afresh, as a typed number would be.
  const int64_t number = AtoI64(lines[static_cast<size_t>(choice)]);
  if (number < 1) return std::nullopt;
  return FindItemByNumber(desk, number);
}

}  // namespace

std::optional<int64_t> FindItemByNumber(const InventoryDesk& desk, int64_t number) {
  if (!Tell(desk.ui(), desk.inventory.LookUp(desk.files(), number))) return std::nullopt;
  return desk.inventory.current_position();
}

std::optional<int64_t> FindItemByDescription(const InventoryDesk& desk, std::string_view text) {
  if (text.empty()) return std::nullopt;
  // Searches cut the text to what a description can hold.
  text = text.substr(0, inv::kDescription.width - 1);
  if (desk.settings.Get(cfg::kInventorySearchList) != 0) return ChooseFromList(desk, text);
  return ChooseOneByOne(desk, text);
}

std::optional<int64_t> LookUpItem(const InventoryDesk& desk, std::string_view text) {
  const int64_t number = AtoI64(text);
  if (number >= 1 && number <= InventoryRecord::kMaxNumber) {
    return FindItemByNumber(desk, number);
  }
  return FindItemByDescription(desk, text);
}

}  // namespace ventro
