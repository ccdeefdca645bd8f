#include "sale/non_inventory.h"

#include <string>
#include <vector>

#include "base/format.h"
#include "sale/sale_session.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

constexpr const char* kProblem = "Problem";
constexpr const char* kPresetPrices[] = {"1.00", "2.00", "5.00", "10.00", "20.00"};
constexpr size_t kDescriptionMaxLength = 39;
constexpr size_t kPriceMaxLength = 12;

Dialog BuildDialog(const SettingsRecord& settings) {
  Dialog dialog;
  dialog.name = "NBOX";
  dialog.title = "Sell an item not on the database";
  dialog.Add(TextField("description", "Description", "", kDescriptionMaxLength));
  std::vector<std::string> presets;
  for (int k = 1; k <= SettingsRecord::kPresetCount; ++k) {
    presets.push_back(settings.Get(cfg::kNonInventoryPreset, k));
  }
  dialog.Add(ChoiceField("category", "Category", presets, -1));
  dialog.Add(TextField("price", "Price", "", kPriceMaxLength));
  dialog.Add(CheckField("taxable", "Taxable", settings.Get(cfg::kNonInventoryTaxable) != 0));
  for (const char* price : kPresetPrices) dialog.actions.push_back(price);
  dialog.on_change = [](Dialog& d, const std::string& key) {
    for (const char* price : kPresetPrices) {
      if (key == price) d.Field("price").text = price;
    }
    DialogField& category = d.Field("category");
    if (key == "category" && category.choice >= 0 &&
        static_cast<size_t>(category.choice) < category.options.size()) {
      d.Field("description").text = category.options[static_cast<size_t>(category.choice)];
    }
  };
  return dialog;
}

}  // namespace

void SellNonInventoryItem(SaleSession& session) {
  SaleState& sale = session.sale;
  Ui& ui = session.ui();
  if (sale.basket.line_count >= kMaxBasketLines) {
    session.platform.sound.Play(SoundId::kError);
    ui.Message(kProblem, "Transaction limit 400 items", Icon::kError);
    return;
  }
  Dialog dialog = BuildDialog(session.settings);
  LineEntry entry;
  for (;;) {
    if (!ui.RunDialog(dialog) || dialog.Pressed("Cancel")) return;
    entry.description = dialog.Field("description").text;
    entry.price = RoundToCents(AtoF(dialog.Field("price").text));
    const char* problem = entry.description.empty() ? "Please enter a description"
                          : !(entry.price > 0) || entry.price > kLargestAmount
                              ? "Please enter a price"
                              : nullptr;
    if (!problem) break;
    session.platform.sound.Play(SoundId::kError);
    ui.Message(kProblem, problem, Icon::kError);
  }
  entry.item_number = 0;
  entry.cost = 0;
  entry.tax_code = dialog.Field("taxable").checked ? kTaxCodeBoth : kTaxCodeNone;
  const int index = AppendLine(sale.basket, entry, TaxRulesFrom(session.settings));
  const auto i = static_cast<size_t>(index);
  sale.list.push_back(
      NonInventoryLineText(TextOf(sale.basket.description[i]), sale.basket.line_total[i]));
  sale.selected_line = static_cast<int>(sale.list.size()) - 1;
  RefreshTotals(session);
  if (session.settings.Get(cfg::kPoleInUse) != 0) PoleShowLastItem(session);
}

}  // namespace ventro
