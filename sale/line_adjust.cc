#include "sale/line_adjust.h"

#include <optional>
#include <string>

#include "base/format.h"
#include "formats/inventory_record.h"
#include "formats/settings_record.h"
#include "platform/tell.h"
#include "sale/cash_box.h"
#include "sale/discount_dialog.h"
#include "sale/sale_session.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr int kListedWeights = 2000;
constexpr int kPreselectedWeight = 100;
constexpr int64_t kLargestWeight = 100000;

DialogField ReadOnly(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

// The item of the last line, read from inventory.dat; nothing, with the message shown, for a
// line without an item or an item that cannot be read.
std::optional<InventoryRecord> LastLineItem(SaleSession& session) {
  const Basket& basket = session.sale.basket;
  const int64_t number = basket.item_number[static_cast<size_t>(basket.line_count - 1)];
  if (number == 0) {
    session.ui().Message(kProblem, "Non inventory item", Icon::kWarning);
    return std::nullopt;
  }
  std::optional<int64_t> position = session.inventory.FindPosition(number);
  if (!position) {
    session.ui().Message("Invalid entry", StringPrintf("%lld", static_cast<long long>(number)),
                         Icon::kWarning);
    return std::nullopt;
  }
  if (!Tell(session.ui(), session.inventory.Read(session.files(), *position))) return std::nullopt;
  return session.inventory.item();
}

void ShowFigures(Dialog& dialog, const LineFigures& figures) {
  dialog.Field("non_taxable").text = FormatAmount(figures.non_taxable);
  dialog.Field("taxable").text = FormatAmount(figures.taxable);
  dialog.Field("tax1").text = FormatAmount(figures.tax1);
  dialog.Field("tax2").text = FormatAmount(figures.tax2);
  dialog.Field("total").text = FormatAmount(figures.total);
}

LineFigures ShownFigures(const Dialog& dialog) {
  return {AtoF(dialog.Field("non_taxable").text), AtoF(dialog.Field("taxable").text),
          AtoF(dialog.Field("tax1").text), AtoF(dialog.Field("tax2").text),
          AtoF(dialog.Field("total").text)};
}

// The item and the last line as both dialogs show them; the cost only to clerks 1 and 2, or to
// every clerk when it is not hidden from them.
Dialog LineDialog(SaleSession& session, const InventoryRecord& item, const LineFigures& line) {
  Dialog dialog;
  dialog.Add(ReadOnly("number", "Item",
                      StringPrintf("%lld", static_cast<long long>(item.Get(inv::kNumber)))));
  dialog.Add(ReadOnly("description", "Description", item.Get(inv::kDescription)));
  if (!session.screen.restricted || session.settings.Get(cfg::kCostPriceHidden) == 0) {
    dialog.Add(ReadOnly("cost", "Cost price", FormatAmount(item.Get(inv::kCostPrice))));
  }
  dialog.Add(ReadOnly("list", "List price", FormatAmount(item.Get(inv::kRetailPrice))));
  dialog.Add(ReadOnly("non_taxable", "Non taxable", ""));
  dialog.Add(ReadOnly("taxable", "Taxable", ""));
  dialog.Add(ReadOnly("tax1", "Tax 1", ""));
  dialog.Add(ReadOnly("tax2", "Tax 2", ""));
  dialog.Add(ReadOnly("total", "Total", ""));
  ShowFigures(dialog, line);
  return dialog;
}

// Line tax as a line alone carries it: the threshold rule does not apply to a repriced line.
TaxRules WithoutThreshold(const SettingsRecord& settings) {
  TaxRules rules = TaxRulesFrom(settings);
  rules.threshold_only = false;
  return rules;
}

// Runs `dialog` until it is cancelled or its figures can replace the last line's; `price_ok`
// tells whether the price typed is acceptable. The basket, its list string and the panel are
// changed on OK.
void RunLineDialog(SaleSession& session, Dialog& dialog, const InventoryRecord& item,
                   bool (*price_ok)(const Dialog&)) {
  Basket& basket = session.sale.basket;
  const int last = basket.line_count - 1;
  DiscountDialogOpen open(session);
  LineFigures figures;
  for (;;) {
    if (!session.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return;
    figures = ShownFigures(dialog);
    if (!price_ok(dialog)) {
      session.ui().Message(kProblem, "Invalid price", Icon::kWarning);
    } else if (DiscountExceedsTransaction(basket, basket.line_total[static_cast<size_t>(last)],
                                          figures.total)) {
      session.ui().Message(kProblem, "Discount exceeds transaction", Icon::kWarning);
    } else {
      break;
    }
    dialog.focus = "price";
  }
  ReplaceLastLineFigures(basket, figures);
  SaleState& sale = session.sale;
  if (static_cast<int>(sale.list.size()) == basket.line_count) {
    sale.list[static_cast<size_t>(last)] =
        AddedLineText(item.Get(inv::kNumber), TextOf(basket.description[static_cast<size_t>(last)]),
                      item.Get(inv::kQuantity), basket.line_total[static_cast<size_t>(last)],
                      session.settings.Get(cfg::kCartDescriptionOnly) == 2);
  }
  sale.selected_line = last;
  open.Close();
  RefreshTotals(session);
}

bool AmendedPriceOk(const Dialog& dialog) {
  const std::string& text = dialog.Field("price").text;
  return text.empty() || TypedCents(text).has_value();
}

bool WeighedPriceOk(const Dialog& dialog) {
  const std::string& text = dialog.Field("price").text;
  return text.empty() || (AtoF(text) >= 0 && IsSaneAmount(AtoF(text)));
}

}  // namespace

LineFigures FiguresOfLine(const Basket& basket, int index) {
  const auto i = static_cast<size_t>(index);
  return {basket.non_taxable_amount[i], basket.taxable_amount[i], basket.tax1[i], basket.tax2[i],
          basket.line_total[i]};
}

LineFigures RepricedFigures(LineFigures figures, const TaxRules& rules, int tax_code,
                            bool no_tax_rounding, double price) {
  figures.total = price;
  if (tax_code == kTaxCodeNone) {
    figures.non_taxable = price;
    return figures;
  }
  const LineTax tax = ComputeLineTax(rules, tax_code, price, 0, no_tax_rounding);
  figures.taxable = price;
  figures.tax1 = tax.tax1;
  figures.tax2 = tax.tax2;
  figures.total = price + tax.tax1 + tax.tax2;
  return figures;
}

double WeighedPrice(double list_price, int64_t weight) {
  return RoundToCents(list_price / 100 * static_cast<double>(weight));
}

bool DiscountExceedsTransaction(const Basket& basket, double old_total, double new_total) {
  const BasketTotals& totals = basket.totals;
  return totals.discount_total > 0 && totals.grand_total - (old_total - new_total) < 0;
}

void ReplaceLastLineFigures(Basket& basket, const LineFigures& figures) {
  if (basket.line_count < 1) return;
  const auto i = static_cast<size_t>(basket.line_count - 1);
  BasketTotals& t = basket.totals;
  auto replace = [](double& line, double value, std::initializer_list<double*> totals) {
    if (value < 0) return;
    const double difference = value - line;
    line = value;
    for (double* total : totals) *total = RoundToCents(*total + difference);
  };
  replace(basket.non_taxable_amount[i], figures.non_taxable, {&t.non_taxable_total, &t.net_total});
  replace(basket.taxable_amount[i], figures.taxable, {&t.taxable_total, &t.net_total});
  replace(basket.tax1[i], figures.tax1, {&t.tax1_total});
  replace(basket.tax2[i], figures.tax2, {&t.tax2_total});
  replace(basket.line_total[i], figures.total, {&t.grand_total});
}

void AdjustLastLinePrice(SaleSession& session) {
  SaleState& sale = session.sale;
  if (sale.basket.empty() || sale.payment_in_progress) return;
  std::optional<InventoryRecord> item = LastLineItem(session);
  if (!item) return;
  const LineFigures line = FiguresOfLine(sale.basket, sale.basket.line_count - 1);
  Dialog dialog = LineDialog(session, *item, line);
  dialog.name = "DISCOUNT";
  dialog.title = "Adjust item price";
  dialog.keypad_fed = true;  // the till's keypad types the amount
  DialogField price = TextField("price", "Amended price (in cents, no decimal point)", "", 9);
  price.kind = FieldKind::kCents;
  dialog.Add(price);
  dialog.focus = "price";
  dialog.actions = {"Zero"};
  const TaxRules rules = WithoutThreshold(session.settings);
  const int tax_code = item->Get(inv::kTax);
  const bool no_rounding = item->Get(inv::kNoTaxRounding) != 0;
  dialog.on_change = [&](Dialog& d, const std::string& key) {
    if (key == "Zero") {
      d.Field("price").text = "0";
      ShowFigures(d, {});
      return;
    }
    const double typed = TypedCents(d.Field("price").text).value_or(0);
    if (key == "price" && typed > 0) {
      ShowFigures(d, RepricedFigures(ShownFigures(d), rules, tax_code, no_rounding, typed));
    }
  };
  RunLineDialog(session, dialog, *item, AmendedPriceOk);
}

void AdjustLastLineByWeight(SaleSession& session) {
  SaleState& sale = session.sale;
  if (sale.payment_in_progress) return;
  if (sale.basket.empty()) {
    session.ui().Message(kProblem, "No items", Icon::kWarning);
    return;
  }
  std::optional<InventoryRecord> item = LastLineItem(session);
  if (!item) return;
  const LineFigures line = FiguresOfLine(sale.basket, sale.basket.line_count - 1);
  Dialog dialog = LineDialog(session, *item, line);
  dialog.name = "DISCOUN4";
  dialog.title = "Adjust by weight";
  dialog.keypad_fed = true;  // the till's keypad types the amount
  std::vector<std::string> weights;
  for (int w = 1; w <= kListedWeights; ++w) weights.push_back(StringPrintf("%d", w));
  dialog.Add(ChoiceField("weight", "Weight", weights, kPreselectedWeight - 1));
  DialogField typed = TextField("typed_weight", "Weight typed (1 to 100000)", "", 6);
  typed.kind = FieldKind::kNumber;
  dialog.Add(typed);
  dialog.Add(TextField("price", "Price before tax", "", 12));
  dialog.focus = "weight";
  const double list_price = item->Get(inv::kRetailPrice);
  const TaxRules rules = WithoutThreshold(session.settings);
  // Whether the line is taxed follows the item's tax code, so that a line priced 0 of a
  // non-taxable item does not gain tax.
  const int tax_code = item->Get(inv::kTax);
  const bool no_rounding = item->Get(inv::kNoTaxRounding) != 0;
  dialog.on_change = [&](Dialog& d, const std::string& key) {
    int64_t weight = 0;
    if (key == "weight" && d.Field("weight").choice >= 0) weight = d.Field("weight").choice + 1;
    if (key == "typed_weight") weight = AtoI64(d.Field("typed_weight").text);
    if (weight >= 1 && weight <= kLargestWeight) {
      d.Field("price").text = FormatAmount(WeighedPrice(list_price, weight));
    } else if (key != "price") {
      return;
    }
    const double price = AtoF(d.Field("price").text);
    if (price > 0) {
      ShowFigures(d, RepricedFigures(ShownFigures(d), rules, tax_code, no_rounding, price));
    }
  };
  RunLineDialog(session, dialog, *item, WeighedPriceOk);
}

}  // namespace ventro
