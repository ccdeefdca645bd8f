#include "inventory/item_scan.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

#include "base/cp1252.h"
#include "base/format.h"
#include "platform/tell.h"
#include "sale/item_entry.h"

namespace ventro {
namespace {

constexpr char kFinished[] = "Finished";
constexpr char kNoMatch[] = "No match found";

// Records read per call: large sequential reads without holding the whole file.
constexpr size_t kBlockRecords = 512;

const inv::Text kSkus[] = {inv::kSku1, inv::kSku2, inv::kSku3, inv::kSku4};

// A text field of a record in place, up to its terminator.
std::string_view TextIn(const uint8_t* record, const inv::Text& field) {
  const char* start = reinterpret_cast<const char*>(record + field.offset);
  return {start, strnlen(start, field.width)};
}

bool Holds(const uint8_t* record, const inv::Text& field, std::string_view text) {
  return TextIn(record, field).find(text) != std::string_view::npos;
}

bool AnySkuHolds(const uint8_t* record, std::string_view text) {
  return std::any_of(std::begin(kSkus), std::end(kSkus),
                     [&](const inv::Text& sku) { return Holds(record, sku, text); });
}

int64_t NumberIn(const uint8_t* record) {
  int64_t number = 0;
  std::memcpy(&number, record, sizeof number);  // little-endian, as the machine
  return number;
}

// Offers each item `matches` accepts with "Search: No to continue": No goes on, Yes takes it
// (a bundle then asks for the bundle view), Cancel takes it without.
std::optional<FoundItem> OfferMatches(const InventoryDesk& desk,
                                      const std::function<bool(const uint8_t*)>& matches) {
  std::optional<FoundItem> found;
  Status status =
      ScanItems(desk.files(), desk.inventory, 0, [&](int64_t position, const uint8_t* record) {
        if (!matches(record)) return true;
        const std::string text =
            StringPrintf("%lld, %s", static_cast<long long>(NumberIn(record)),
                         std::string(TextIn(record, inv::kDescription)).c_str());
        const Answer answer = desk.ui().Message("Search: No to continue", text, Icon::kQuestion,
                                                Buttons::kYesNoCancel);
        if (answer == Answer::kNo) return true;
        found = FoundItem{position, answer == Answer::kYes};
        return false;
      });
  if (!Tell(desk.ui(), status)) return std::nullopt;
  if (!found) {
    desk.ui().Message(kFinished, kNoMatch, Icon::kInformation);
    return std::nullopt;
  }
  if (!Tell(desk.ui(), desk.inventory.Read(desk.files(), found->position))) return std::nullopt;
  found->open_bundle_view = found->open_bundle_view && desk.inventory.item().IsBundle();
  return found;
}

// The typed text upper-cased; nothing when cancelled or empty.
std::optional<std::string> AskFragment(const InventoryDesk& desk, const std::string& prompt) {
  std::string text;
  if (!desk.ui().EditBox(prompt, text) || text.empty()) return std::nullopt;
  return UpperCp1252(text);
}

Dialog AdvancedSearchDialog() {
  Dialog dialog;
  dialog.name = "811";
  dialog.title = "Advanced search";
  dialog.Add(TextField("description", "Description", "", 38));
  for (int k = 1; k <= 4; ++k) {
    dialog.Add(TextField(StringPrintf("sku%d", k), StringPrintf("SKU %d", k), "", 38));
  }
  dialog.Add(ChoiceField("match", "",
                         {"Display inventory with any match to the above",
                          "Display only those that match all the above"},
                         0));
  return dialog;
}

}  // namespace

Status ScanItems(Files& files, const MasterFile& inventory, int64_t from,
                 const std::function<bool(int64_t position, const uint8_t* record)>& on_item) {
  std::unique_ptr<File> file = files.Open(inventory.path(), OpenMode::kRead);
  if (!file) return Status::Failed("Fatal error", "Data file: inventory.dat, not present.");
  constexpr size_t rs = InventoryRecord::kSize;
  const int64_t count = inventory.record_count();
  std::vector<uint8_t> block(kBlockRecords * rs);
  for (int64_t first = std::max<int64_t>(from, 0); first < count;) {
    const size_t records = std::min<size_t>(kBlockRecords, static_cast<size_t>(count - first));
    if (file->ReadAt(static_cast<uint64_t>(first) * rs, block.data(), records * rs) !=
        records * rs) {
      std::u8string path = inventory.path().u8string();
      return Status::Failed("Problem", Utf8ToCp1252(std::string(path.begin(), path.end())));
    }
    for (size_t i = 0; i < records; ++i) {
      const int64_t position = first + static_cast<int64_t>(i);
      if (inventory.prefix(position)[0] == 0) continue;  // a free slot
      if (!on_item(position, block.data() + i * rs)) return Status::Ok();
    }
    first += static_cast<int64_t>(records);
  }
  return Status::Ok();
}

bool MatchesAdvanced(const AdvancedQuery& query, const uint8_t* record) {
  if (query.all) {
    if (!Holds(record, inv::kDescription, query.description)) return false;
    return std::all_of(std::begin(query.sku), std::end(query.sku),
                       [&](const std::string& text) { return AnySkuHolds(record, text); });
  }
  if (!query.description.empty() && Holds(record, inv::kDescription, query.description)) {
    return true;
  }
  return std::any_of(std::begin(query.sku), std::end(query.sku), [&](const std::string& text) {
    return !text.empty() && AnySkuHolds(record, text);
  });
}

std::optional<FoundItem> SearchDescriptionFragment(const InventoryDesk& desk) {
  std::optional<std::string> text = AskFragment(desk, "Fragment:");
  if (!text) return std::nullopt;
  return OfferMatches(
      desk, [&](const uint8_t* record) { return Holds(record, inv::kDescription, *text); });
}

std::optional<FoundItem> SearchSku1Fragment(const InventoryDesk& desk) {
  std::optional<std::string> text = AskFragment(desk, "Find in SKU 1:");
  if (!text) return std::nullopt;
  return OfferMatches(desk,
                      [&](const uint8_t* record) { return Holds(record, inv::kSku1, *text); });
}

std::optional<FoundItem> SearchAdvanced(const InventoryDesk& desk) {
  Dialog dialog = AdvancedSearchDialog();
  if (!desk.ui().RunDialog(dialog)) return std::nullopt;
  AdvancedQuery query;
  query.description = UpperCp1252(dialog.Field("description").text);
  for (int k = 0; k < 4; ++k) {
    query.sku[k] = UpperCp1252(dialog.Field(StringPrintf("sku%d", k + 1)).text);
  }
  query.all = dialog.Field("match").choice == 1;
  return OfferMatches(desk, [&](const uint8_t* record) { return MatchesAdvanced(query, record); });
}

void ListItemsBySku(const InventoryDesk& desk) {
  std::optional<std::string> text = AskFragment(desk, "SKU or fragment:");
  if (!text) return;
  std::vector<std::string> lines;
  InventoryRecord item;
  Status status = ScanItems(desk.files(), desk.inventory, 0, [&](int64_t, const uint8_t* record) {
    if (!AnySkuHolds(record, *text)) return true;
    std::memcpy(item.data(), record, InventoryRecord::kSize);
    lines.push_back(ItemChoiceLine(item));
    return true;
  });
  if (!Tell(desk.ui(), status)) return;
  if (lines.empty()) {
    desk.ui().Message(kFinished, kNoMatch, Icon::kInformation);
    return;
  }
  desk.ui().SelectFromList("INVENTORY LIST", "Find in SKUs", lines, -1);
}

}  // namespace ventro
