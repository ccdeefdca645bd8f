#include "sale/basket_commands.h"

#include <string>

#include "base/format.h"
#include "customers/customer_lookup.h"
#include "sale/item_entry.h"
#include "sale/sale_session.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

constexpr const char* kProblem = "Problem";
constexpr size_t kRepeatEntryLength = 38;  // the entry characters read as the repeat count
constexpr size_t kNoteMaxLength = 79;

void Refuse(SaleSession& session, const std::string& text) {
  session.platform.sound.Play(SoundId::kError);
  session.ui().Message(kProblem, text, Icon::kError);
}

void PlayVoidTone(SaleSession& session) {
  if (session.settings.Get(cfg::kSoundsOff) == 0) session.platform.sound.Play(SoundId::kVoid);
}

void SelectLastLine(SaleState& sale) {
  sale.selected_line = static_cast<int>(sale.list.size()) - 1;
}

}  // namespace

void RepeatLastLine(SaleSession& session) {
  SaleState& sale = session.sale;
  const Basket& basket = sale.basket;
  if (sale.list.empty() || basket.line_count < 1) {
    Refuse(session, "No items");
    return;
  }
  const int64_t item = basket.item_number[static_cast<size_t>(basket.line_count - 1)];
  if (item == 0) {
    Refuse(session, "Non inventory item");
    return;
  }
  int64_t count = AtoI64(std::string_view(session.screen.entry_text).substr(0, kRepeatEntryLength));
  if (count == 0) count = 1;
  if (count > kMaxBasketLines - basket.line_count) {
    Refuse(session, "Transaction limit 400 items");
    return;
  }
  sale.repeat_running = true;
  for (int64_t k = 0; k < count; ++k) {
    if (AddItemToBasket(session, item, AddMode::kRepeat) != AddResult::kAdded) break;
  }
  sale.repeat_running = false;
  session.screen.entry_text.clear();
  session.window.ScreenChanged();
}

void VoidSelectedLine(SaleSession& session) {
  SaleState& sale = session.sale;
  if (sale.list.empty()) {
    Refuse(session, "No items");
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
  RefreshTotals(session);
  if (only_line && session.settings.Get(cfg::kPoleInUse) != 0) PoleShowIdleText(session);
  PlayVoidTone(session);
}

void ClearBasket(SaleSession& session) {
  SaleState& sale = session.sale;
  if (sale.list.empty()) return;
  sale.list.clear();
  sale.selected_line = -1;
  sale.basket = Basket{};
  RefreshTotals(session);
  if (session.settings.Get(cfg::kPoleInUse) != 0) PoleShowIdleText(session);
  PlayVoidTone(session);
}

void SwitchBasket(SaleSession& session, int n) {
  SaleState& sale = session.sale;
  if (n < 1 || n > kParkedBaskets) {
    Refuse(session, "Basket not valid");
    return;
  }
  if (n == sale.basket_number) return;
  if (sale.parked.size() != kParkedBaskets) {
    Refuse(session, "Insufficient memory available");
    return;
  }
  sale.parked[static_cast<size_t>(sale.basket_number - 1)] = sale.basket;
  ClearBasket(session);
  sale.basket = sale.parked[static_cast<size_t>(n - 1)];
  sale.basket_number = n;
  const bool hide_numbers = session.settings.Get(cfg::kCartDescriptionOnly) == 2;
  sale.list.clear();
  for (int i = 0; i < sale.basket.line_count; ++i) {
    sale.list.push_back(RebuiltLineText(sale.basket, i, hide_numbers));
  }
  SelectLastLine(sale);
  RefreshTotals(session);
}

void ChooseBasket(SaleSession& session) {
  Dialog dialog;
  dialog.name = "BASKETBOX";
  dialog.title = "Please select a basket";
  dialog.buttons.clear();
  for (int n = 1; n <= kParkedBaskets; ++n) {
    dialog.buttons.push_back(n == session.sale.basket_number ? StringPrintf(">%d<", n)
                                                             : StringPrintf("%d", n));
  }
  dialog.buttons.push_back("Cancel");
  if (!session.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return;
  std::string pressed = dialog.pressed;
  if (!pressed.empty() && pressed.front() == '>') pressed.erase(0, 1);
  SwitchBasket(session, static_cast<int>(AtoI64(pressed)));
}

void ToggleTradePrices(SaleSession& session) {
  // The dispatch refuses the command the same way; a direct call is held to the same rule.
  if (session.screen.restricted && session.settings.Get(cfg::kTradeButtonInhibited) != 0) return;
  SettingsRecord& settings = session.settings;
  settings.Set(cfg::kTradePrices, settings.Get(cfg::kTradePrices) == 2 ? 0 : 2);
  RefreshTotals(session);
}

void AddTransactionNote(SaleSession& session) {
  FixedText<80>& note = session.sale.basket.texts.note;
  Dialog dialog;
  dialog.name = "NOTEBOX";
  dialog.title = "Add a note to the transaction";
  dialog.Add(TextField("note", "Note", TextOf(note), kNoteMaxLength));
  if (!session.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return;
  SetText(note, dialog.Field("note").text);
  session.ui().Message("Transaction note", "Added", Icon::kInformation);
  session.window.ScreenChanged();
}

void AssociateCustomer(SaleSession& session) {
  if (!PromptForCustomer(session.ui(), session.files(), session.settings, session.customers,
                         "Customer")) {
    return;
  }
  const CustomerRecord& customer = session.customers.customer();
  SetBasketCustomer(session.sale.basket, customer);
  session.ui().Message("Customer associated", customer.Get(cust::kName), Icon::kInformation);
  session.window.ScreenChanged();
}

}  // namespace ventro
