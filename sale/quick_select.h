// The quick-select buttons: a page of items of the current display category, paged through in
// item-number order, each button selling its item.
#pragma once

namespace ventro {

struct SaleSession;

// Category 18 shows every category.
inline constexpr int kAllCategoriesButton = 18;

// Fills the page from the first item of the settings' current category (any category for 18)
// that is not omitted from the quick-select buttons, in item-number order; the remaining slots
// are emptied. A missing inventory.dat: "Data file: inventory.dat, not present." titled "Fatal
// error", the page left as it was. False when the file could not be read.
bool FillQuickSelect(SaleSession& session);

// Commands 2500 to 2518, 2454 ("ALL") and 2455 (category 0): makes `category` (0 to 18) the
// current one and fills the page for it.
void ChooseQuickSelectCategory(SaleSession& session, int category);

enum class PageDirection { kBack, kForward };

// Commands 2453 and 2456. Forward: when the last slot holds an item, the page is filled with
// the matching items after it. Back: when the first slot holds an item, the page shows the
// matching items before it, topped up with the first items of the page shown. When no
// matching item lies in that direction the page stays as it was.
void PageQuickSelect(SaleSession& session, PageDirection direction);

// Commands 2700 to 2759: sells the item of slot `slot` (0 to 59) when the slot shows one;
// ignored while a payment is in progress.
void PressQuickSelect(SaleSession& session, int slot);

}  // namespace ventro
