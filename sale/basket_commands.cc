#include "sale/basket_commands.h"

#include <string>

#include "app/restrictions.h"
#include "app/ventro.h"
#include "base/format.h"
#include "records/customer_lookup.h"
#include "sale/item_entry.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

constexpr const char* kProblem = "Problem";
constexpr int kToggleTradeCommand = 2413;
constexpr size_t kRepeatEntryLength = 38;  // the entry characters read as the repeat count
constexpr size_t kNoteMaxLength = 79;

void Refuse(Ventro& ventro, const std::string& text) {
  ventro.platform.sound.Play(SoundId::kError);
  ventro.ui().Message(kProblem, text, Icon::kError);
}

void PlayVoidTone(Ventro& ventro) {
  if (ventro.settings.Get(cfg::kSoundsOff) == 0) ventro.platform.sound.Play(SoundId::kVoid);
}

void SelectLastLine(SaleState& sale) {
  sale.selected_line = static_cast<int>(sale.list.size()) - 1;
}

}  // namespace

void RepeatLastLine(Ventro& ventro) {
  SaleState& sale = ventro.sale;
  const Basket& basket = sale.basket;
  if (sale.list.empty() || basket.line_count < 1) {
    Refuse(ventro, "No items");
    return;
  }
  const int64_t item = basket.item_number[static_cast<size_t>(basket.line_count - 1)];
  if (item == 0) {
    Refuse(ventro, "Non inventory item");
    return;
  }
  int64_t count = AtoI64(std::string_view(ventro.screen.entry_text).substr(0, kRepeatEntryLength));
  if (count == 0) count = 1;
  if (count > kMaxBasketLines - basket.line_count) {
    Refuse(ventro, "Transaction limit 400 items");
    return;
  }
  sale.repeat_running = true;
  for (int64_t k = 0; k < count; ++k) {
    if (AddItemToBasket(ventro, item, AddMode::kRepeat) != AddResult::kAdded) break;
  }
  sale.repeat_running = false;
  ventro.screen.entry_text.clear();
  ventro.host.ScreenChanged();
}

void VoidSelectedLine(Ventro& ventro) {
  SaleState& sale = ventro.sale;
  if (sale.list.empty()) {
    Refuse(ventro, "No items");
    return;
  }
  const int line = sale.selected_line;
  if (line < 0 || line >= sale.basket.line_count || line >= static_cast<int>(sale.list.size())) {
    return;
  }
  const bool only_line = sale.basket.line_count == 1;
  RemoveLine(sale.basket, line);
  sale.list.erase(sale.list.begin() + line);
  SelectLastLine(sale);
  RefreshTotals(ventro);
  if (only_line && ventro.settings.Get(cfg::kPoleInUse) != 0) PoleShowIdleText(ventro);
  PlayVoidTone(ventro);
}

void ClearBasket(Ventro& ventro) {
  SaleState& sale = ventro.sale;
  if (sale.list.empty()) return;
  sale.list.clear();
  sale.selected_line = -1;
  sale.basket = Basket{};
  RefreshTotals(ventro);
  if (ventro.settings.Get(cfg::kPoleInUse) != 0) PoleShowIdleText(ventro);
  PlayVoidTone(ventro);
}

void SwitchBasket(Ventro& ventro, int n) {
  SaleState& sale = ventro.sale;
  if (n < 1 || n > kParkedBaskets) {
    Refuse(ventro, "Basket not valid");
    return;
  }
  if (n == sale.basket_number) return;
  if (sale.parked.size() != kParkedBaskets) {
    Refuse(ventro, "Insufficient memory available");
    return;
  }
  sale.parked[static_cast<size_t>(sale.basket_number - 1)] = sale.basket;
  ClearBasket(ventro);
  sale.basket = sale.parked[static_cast<size_t>(n - 1)];
  sale.basket_number = n;
  const bool hide_numbers = ventro.settings.Get(cfg::kCartDescriptionOnly) == 2;
  sale.list.clear();
  for (int i = 0; i < sale.basket.line_count; ++i) {
    sale.list.push_back(RebuiltLineText(sale.basket, i, hide_numbers));
  }
  SelectLastLine(sale);
  RefreshTotals(ventro);
}

void ChooseBasket(Ventro& ventro) {
  Dialog dialog;
  dialog.name = "BASKETBOX";
  dialog.title = "Please select a basket";
  dialog.buttons.clear();
  for (int n = 1; n <= kParkedBaskets; ++n) {
    dialog.buttons.push_back(n == ventro.sale.basket_number ? StringPrintf(">%d<", n)
                                                            : StringPrintf("%d", n));
  }
  dialog.buttons.push_back("Cancel");
  if (!ventro.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return;
  std::string pressed = dialog.pressed;
  if (!pressed.empty() && pressed.front() == '>') pressed.erase(0, 1);
  SwitchBasket(ventro, static_cast<int>(AtoI64(pressed)));
}

void ToggleTradePrices(Ventro& ventro) {
  if (IsCommandRefused(ventro, kToggleTradeCommand)) return;
  SettingsRecord& settings = ventro.settings;
  settings.Set(cfg::kTradePrices, settings.Get(cfg::kTradePrices) == 2 ? 0 : 2);
  RefreshTotals(ventro);
}

void AddTransactionNote(Ventro& ventro) {
  FixedText<80>& note = ventro.sale.basket.texts.note;
  Dialog dialog;
  dialog.name = "NOTEBOX";
  dialog.title = "Add a note to the transaction";
  dialog.Add(TextField("note", "Note", TextOf(note), kNoteMaxLength));
  if (!ventro.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return;
  SetText(note, dialog.Field("note").text);
  ventro.ui().Message("Transaction note", "Added", Icon::kInformation);
  ventro.host.ScreenChanged();
}

void AssociateCustomer(Ventro& ventro) {
  if (!PromptForCustomer(ventro.ui(), ventro.files(), ventro.settings, ventro.customers,
                         "Customer")) {
    return;
  }
  const CustomerRecord& customer = ventro.customers.customer();
  SetBasketCustomer(ventro.sale.basket, customer);
  ventro.ui().Message("Customer associated", customer.Get(cust::kName), Icon::kInformation);
  ventro.host.ScreenChanged();
}

}  // namespace ventro
