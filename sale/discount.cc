#include "sale/discount.h"

#include <cmath>

#include "base/format.h"
#include "formats/settings_record.h"
#include "sale/cash_box.h"
#include "sale/discount_dialog.h"
#include "sale/sale_session.h"
#include "sale/totals_panel.h"

namespace ventro {
namespace {

constexpr int kPercentSteps = 160;  // 0.50 % steps up to 80.00 %
constexpr int kLargestRate = 80;

DialogField ReadOnly(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

// The taxes scaled to the new taxable total; tax 1 falls away with the threshold rule once the
// taxable total is not above the threshold.
void ScaleTaxes(BasketTotals& totals, double old_taxable, double new_taxable, bool threshold_only,
                double threshold) {
  if (totals.tax1_total > 0) {
    totals.tax1_total = threshold_only && !(new_taxable > threshold)
                            ? 0
                            : RoundToCents(totals.tax1_total * new_taxable / old_taxable);
  }
  if (totals.tax2_total > 0) {
    totals.tax2_total = RoundToCents(totals.tax2_total * new_taxable / old_taxable);
  }
}

// The dialog of either variant: the figures, the percentage list, the amount and the amended
// total.
Dialog DiscountDialog(const Basket& basket, bool on_total, double base, int rate) {
  const BasketTotals& totals = basket.totals;
  Dialog dialog;
  dialog.name = on_total ? "DISCOUNTWO" : "DISCOUN2";
  dialog.title = "Discount total";
  dialog.keypad_fed = true;  // the till's keypad types the amount
  if (!on_total) {
    dialog.Add(ReadOnly("non_taxable", "Non taxable", FormatAmount(totals.non_taxable_total)));
    dialog.Add(ReadOnly("taxable", "Taxable", FormatAmount(totals.taxable_total)));
    dialog.Add(ReadOnly("tax1", "Tax 1", FormatAmount(totals.tax1_total)));
    dialog.Add(ReadOnly("tax2", "Tax 2", FormatAmount(totals.tax2_total)));
  }
  dialog.Add(ReadOnly("total", "Total", FormatAmount(totals.grand_total)));
  dialog.Add(ChoiceField("percent", "Percentage", DiscountPercentOptions(), rate ? 2 * rate : -1));
  DialogField amount = TextField("amount", "Discount (in cents, no decimal point)",
                                 rate ? FormatFixed(base * rate, 0) : "", 9);
  amount.kind = FieldKind::kCents;
  dialog.Add(amount);
  dialog.Add(ReadOnly("amended", on_total ? "Amended total" : "Amended total before tax", ""));
  if (on_total) {
    dialog.Add(NoteField(
        "note", "Note that to discount items and tax please use the 'Adjust price' button"));
  }
  dialog.focus = "amount";
  return dialog;
}

}  // namespace

void ApplyNetDiscount(Basket& basket, double amount, bool threshold_only, double threshold) {
  BasketTotals& t = basket.totals;
  t.discount_total = RoundToCents(t.discount_total + amount);
  const double non_taxable = t.non_taxable_total;
  const double taxable = t.taxable_total;
  if (non_taxable == 0 && taxable != 0) {
    const double new_taxable = RoundToCents(taxable - amount);
    t.net_total = RoundToCents(t.net_total - amount);
    ScaleTaxes(t, taxable, new_taxable, threshold_only, threshold);
    t.taxable_total = new_taxable;
    t.grand_total = RoundToCents(t.net_total + t.tax1_total + t.tax2_total);
  } else if (taxable == 0) {
    t.non_taxable_total = RoundToCents(non_taxable - amount);
    t.net_total = RoundToCents(t.net_total - amount);
    t.grand_total = RoundToCents(t.grand_total - amount);
  } else {
    double new_non_taxable = non_taxable;
    if (t.net_total != 0)
      new_non_taxable = RoundToCents(non_taxable - non_taxable / t.net_total * amount);
    const double new_taxable = RoundToCents(taxable - (amount - (non_taxable - new_non_taxable)));
    t.net_total = RoundToCents(t.net_total - amount);
    ScaleTaxes(t, taxable, new_taxable, threshold_only, threshold);
    t.non_taxable_total = new_non_taxable;
    t.taxable_total = new_taxable;
    t.grand_total = RoundToCents(t.net_total + t.tax1_total + t.tax2_total);
  }
}

void ApplyTotalDiscount(Basket& basket, double grand, double discount, double amount) {
  basket.totals.discount_total = amount;
  basket.totals.grand_total = RoundToCents(grand + discount - amount);
}

std::vector<std::string> DiscountPercentOptions() {
  std::vector<std::string> options;
  for (int i = 0; i <= kPercentSteps; ++i) options.push_back(FormatAmount(0.5 * i));
  return options;
}

std::string PercentDiscountText(double base, int index) {
  // A hair above the exact product keeps 100 from reading as 99.999... and losing a cent.
  const double cents = std::floor(base * 0.5 * index + 1e-7);
  return StringPrintf("%lld", static_cast<long long>(cents));
}

int DefaultDiscountRate(const SettingsRecord& settings) {
  const int32_t rate = settings.Get(cfg::kDiscountButtonRate);
  return rate >= 0 && rate <= kLargestRate ? rate : 0;
}

void DiscountBasket(SaleSession& session) {
  SaleState& sale = session.sale;
  if (sale.basket.empty() || sale.payment_in_progress) return;
  const SettingsRecord& settings = session.settings;
  const bool on_total = settings.Get(cfg::kDiscountOnTotal) != 0;
  Basket& basket = sale.basket;
  const double grand = basket.totals.grand_total;
  const double discount = basket.totals.discount_total;
  const double net = basket.totals.net_total;
  const double base =
      on_total ? grand : basket.totals.non_taxable_total + basket.totals.taxable_total;
  const double shown_below = on_total ? grand : net;

  Dialog dialog = DiscountDialog(basket, on_total, base, DefaultDiscountRate(settings));
  dialog.on_change = [&](Dialog& d, const std::string& key) {
    if (key == "percent" && d.Field("percent").choice >= 0) {
      d.Field("amount").text = PercentDiscountText(base, d.Field("percent").choice);
    }
    const double typed = TypedCents(d.Field("amount").text).value_or(0);
    std::string amended;
    if (typed > 0 && typed < shown_below) {
      amended = FormatAmount(on_total ? discount + grand - typed : net - typed);
    }
    d.Field("amended").text = amended;
  };
  if (dialog.on_change) dialog.on_change(dialog, "amount");

  DiscountDialogOpen open(session);
  for (;;) {
    if (!session.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return;
    const double typed = TypedCents(dialog.Field("amount").text).value_or(0);
    if (typed > RoundToCents(base)) {
      session.ui().Message("Problem", "Invalid discount", Icon::kWarning);
      dialog.focus = "amount";
      continue;
    }
    if (on_total) {
      ApplyTotalDiscount(basket, grand, discount, typed);
    } else if (typed > 0) {
      const TaxRules rules = TaxRulesFrom(settings);
      ApplyNetDiscount(basket, typed, rules.threshold_only, rules.threshold);
    }
    break;
  }
  open.Close();
  RefreshTotals(session);
}

}  // namespace ventro
