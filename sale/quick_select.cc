#include "sale/quick_select.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "app/ventro.h"
#include "base/format.h"
#include "sale/item_entry.h"

namespace ventro {
namespace {

size_t PageSize(const Ventro& ventro) {
  return static_cast<size_t>(std::clamp(ventro.screen.quick_select_count, 1, kMaxQuickSelectSlots));
}

QuickSelectSlot SlotFor(const InventoryRecord& item) {
  QuickSelectSlot slot;
  slot.item_number = item.Get(inv::kNumber);
  SetText(slot.description, item.Get(inv::kDescription));
  SetText(slot.picture,
          item.Get(inv::kOwnPicture) == 1
              ? StringPrintf("m%lld.bmp", static_cast<long long>(item.Get(inv::kNumber)))
              : StringPrintf("STOCK%d.bmp", item.Get(inv::kStockPicture)));
  return slot;
}

// Up to `limit` items for the page, walking the index from entry `from` by `step` (+1 or -1):
// live items of the current category not omitted from the buttons. Nothing (after the message)
// when inventory.dat cannot be read.
std::optional<std::vector<QuickSelectSlot>> Collect(Ventro& ventro, ptrdiff_t from, int step,
                                                    size_t limit) {
  std::unique_ptr<File> file = ventro.files().Open(ventro.inventory.path(), OpenMode::kRead);
  if (!file) {
    ventro.ui().Message("Fatal error", "Data file: inventory.dat, not present.", Icon::kError);
    return std::nullopt;
  }
  const std::vector<IndexEntry>& entries = ventro.inventory.index().entries();
  const int category = ventro.settings.Get(cfg::kCurrentCategory);
  std::vector<QuickSelectSlot> found;
  InventoryRecord item;
  for (ptrdiff_t k = from;
       k >= 0 && k < static_cast<ptrdiff_t>(entries.size()) && found.size() < limit; k += step) {
    const IndexEntry& entry = entries[static_cast<size_t>(k)];
    if (entry.number < 1) continue;  // a free slot
    const uint64_t offset = static_cast<uint64_t>(entry.position) * InventoryRecord::kSize;
    if (file->ReadAt(offset, item.data(), InventoryRecord::kSize) != InventoryRecord::kSize) {
      ventro.ui().Message("Problem", "Not able to read inventory.dat", Icon::kError);
      return std::nullopt;
    }
    if (category != kAllCategoriesButton && item.Get(inv::kDisplayCategory) != category) continue;
    if (item.Get(inv::kOmitQuickSelect) != 0) continue;
    found.push_back(SlotFor(item));
  }
  return found;
}

// Shows `items` from the first slot on and empties the rest of the page.
void ShowPage(Ventro& ventro, const std::vector<QuickSelectSlot>& items) {
  QuickSelectPage& page = ventro.sale.quick_select;
  for (size_t k = 0; k < page.size(); ++k)
    page[k] = k < items.size() ? items[k] : QuickSelectSlot{};
  ventro.host.ScreenChanged();
}

}  // namespace

bool FillQuickSelect(Ventro& ventro) {
  auto items = Collect(ventro, 0, 1, PageSize(ventro));
  if (!items) return false;
  ShowPage(ventro, *items);
  return true;
}

void ChooseQuickSelectCategory(Ventro& ventro, int category) {
  if (category < 0 || category > kAllCategoriesButton) return;
  ventro.settings.Set(cfg::kCurrentCategory, category);
  FillQuickSelect(ventro);
}

void PageQuickSelect(Ventro& ventro, PageDirection direction) {
  const QuickSelectPage& page = ventro.sale.quick_select;
  const size_t size = PageSize(ventro);
  const NumberIndex& index = ventro.inventory.index();
  if (direction == PageDirection::kForward) {
    const int64_t last = page[size - 1].item_number;
    if (last == 0) return;
    const auto after = static_cast<ptrdiff_t>(index.FindSlot(last + 1));
    auto items = Collect(ventro, after, 1, size);
    if (items && !items->empty()) ShowPage(ventro, *items);
    return;
  }
  const int64_t first = page[0].item_number;
  if (first == 0) return;
  const auto before = static_cast<ptrdiff_t>(index.FindSlot(first)) - 1;
  auto items = Collect(ventro, before, -1, size);
  if (!items || items->empty()) return;
  // Found walking back: put them in item order, then top the page up with the items that
  // followed them on the page shown, so the page stays a run of consecutive matches.
  std::reverse(items->begin(), items->end());
  for (size_t k = 0; items->size() < size; ++k) items->push_back(page[k]);
  ShowPage(ventro, *items);
}

void PressQuickSelect(Ventro& ventro, int slot) {
  if (ventro.sale.payment_in_progress) return;
  if (slot < 0 || static_cast<size_t>(slot) >= PageSize(ventro)) return;
  const int64_t item = ventro.sale.quick_select[static_cast<size_t>(slot)].item_number;
  if (item != 0) AddItemToBasket(ventro, item, AddMode::kNormal);
}

}  // namespace ventro
