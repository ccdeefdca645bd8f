#include "sale/quick_select.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "base/format.h"
#include "sale/item_entry.h"
#include "sale/sale_session.h"

namespace ventro {
namespace {

size_t PageSize(const SaleSession& session) {
  return static_cast<size_t>(
      std::clamp(session.screen.quick_select_count, 1, kMaxQuickSelectSlots));
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
std::optional<std::vector<QuickSelectSlot>> Collect(SaleSession& session, ptrdiff_t from, int step,
                                                    size_t limit) {
  std::unique_ptr<File> file = session.files().Open(session.inventory.path(), OpenMode::kRead);
  if (!file) {
    session.ui().Message("Fatal error", "Data file: inventory.dat, not present.", Icon::kError);
    return std::nullopt;
  }
  const std::vector<IndexEntry>& entries = session.inventory.index().entries();
  const int category = session.settings.Get(cfg::kCurrentCategory);
  std::vector<QuickSelectSlot> found;
  InventoryRecord item;
  for (ptrdiff_t k = from;
       k >= 0 && k < static_cast<ptrdiff_t>(entries.size()) && found.size() < limit; k += step) {
    const IndexEntry& entry = entries[static_cast<size_t>(k)];
    if (entry.number < 1) continue;  // a free slot
    const uint64_t offset = static_cast<uint64_t>(entry.position) * InventoryRecord::kSize;
    if (file->ReadAt(offset, item.data(), InventoryRecord::kSize) != InventoryRecord::kSize) {
      session.ui().Message("Problem", "Not able to read inventory.dat", Icon::kError);
      return std::nullopt;
    }
    if (category != kAllCategoriesButton && item.Get(inv::kDisplayCategory) != category) continue;
    if (item.Get(inv::kOmitQuickSelect) != 0) continue;
    found.push_back(SlotFor(item));
  }
  return found;
}

// Shows `items` from the first slot on and empties the rest of the page.
void ShowPage(SaleSession& session, const std::vector<QuickSelectSlot>& items) {
  QuickSelectPage& page = session.sale.quick_select;
  for (size_t k = 0; k < page.size(); ++k)
    page[k] = k < items.size() ? items[k] : QuickSelectSlot{};
  session.window.ScreenChanged();
}

}  // namespace

bool FillQuickSelect(SaleSession& session) {
  auto items = Collect(session, 0, 1, PageSize(session));
  if (!items) return false;
  ShowPage(session, *items);
  return true;
}

void ChooseQuickSelectCategory(SaleSession& session, int category) {
  if (category < 0 || category > kAllCategoriesButton) return;
  session.settings.Set(cfg::kCurrentCategory, category);
  FillQuickSelect(session);
}

void PageQuickSelect(SaleSession& session, PageDirection direction) {
  const QuickSelectPage& page = session.sale.quick_select;
  const size_t size = PageSize(session);
  const NumberIndex& index = session.inventory.index();
  if (direction == PageDirection::kForward) {
    const int64_t last = page[size - 1].item_number;
    if (last == 0) return;
    const auto after = static_cast<ptrdiff_t>(index.FindSlot(last + 1));
    auto items = Collect(session, after, 1, size);
    if (items && !items->empty()) ShowPage(session, *items);
    return;
  }
  const int64_t first = page[0].item_number;
  if (first == 0) return;
  const auto before = static_cast<ptrdiff_t>(index.FindSlot(first)) - 1;
  auto items = Collect(session, before, -1, size);
  if (!items || items->empty()) return;
  // Found walking back: put them in item order, then top the page up with the items that
  // followed them on the page shown, so the page stays a run of consecutive matches.
  std::reverse(items->begin(), items->end());
  for (size_t k = 0; items->size() < size; ++k) items->push_back(page[k]);
  ShowPage(session, *items);
}

void PressQuickSelect(SaleSession& session, int slot) {
  if (session.sale.payment_in_progress) return;
  if (slot < 0 || static_cast<size_t>(slot) >= PageSize(session)) return;
  const int64_t item = session.sale.quick_select[static_cast<size_t>(slot)].item_number;
  if (item != 0) AddItemToBasket(session, item, AddMode::kNormal);
}

}  // namespace ventro
