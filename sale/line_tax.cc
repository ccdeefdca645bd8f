#include "sale/line_tax.h"

#include <string>

#include "base/format.h"
#include "formats/inventory_record.h"
#include "formats/settings_record.h"

namespace ventro {
namespace {

constexpr int64_t kOn = 2;  // settings switches hold 2 for on

double TaxOn(double amount, int64_t rate) { return static_cast<double>(rate) * amount / 10000; }

}  // namespace

TaxRules TaxRulesFrom(const SettingsRecord& settings) {
  TaxRules rules;
  rules.tax1_active = settings.Get(cfg::kTax1Active) == kOn;
  rules.tax1_rate = settings.Get(cfg::kTax1Rate);
  rules.tax2_active = settings.Get(cfg::kTax2Active) == kOn;
  rules.tax2_rate = settings.Get(cfg::kTax2Rate);
  rules.tax2_compound = settings.Get(cfg::kTax2Compound) == kOn;
  rules.threshold_only = settings.Get(cfg::kTax1ThresholdOnly) == kOn;
  rules.threshold = settings.Get(cfg::kTax1Threshold);
  return rules;
}

double RoundTax(double amount, bool no_tax_rounding) {
  // Rounding on the three-decimal text, not on the binary value: 0.0151 prints "0.015" and is
  // rounded up, so the rule is the one a clerk checks with pencil and paper.
  std::string text = FormatFixed(amount, 3);
  const bool round_up = !text.empty() && text.back() >= '5' && text.back() <= '9';
  if (round_up) text.back() = '9';
  double rounded = RoundToCents(AtoF(text));
  if (round_up && no_tax_rounding) rounded -= 0.01;
  return rounded;
}

LineTax ComputeLineTax(const TaxRules& rules, int tax_code, double price, double taxable_so_far,
                       bool no_tax_rounding) {
  LineTax tax;
  if (tax_code == kTaxCodeNone) return tax;
  if (rules.tax1_active && rules.tax1_rate > 0 && tax_code != kTaxCodeTax2) {
    const double running = price + taxable_so_far;
    double base = price;
    // The line that crosses the threshold carries the tax on everything below it too.
    if (rules.threshold_only && running > rules.threshold && rules.threshold > taxable_so_far) {
      base = running;
    }
    if (!rules.threshold_only || running > rules.threshold) {
      tax.tax1 = RoundTax(TaxOn(base, rules.tax1_rate), no_tax_rounding);
    }
  }
  if (rules.tax2_active && rules.tax2_rate > 0 && tax_code != kTaxCodeTax1) {
    const double base = rules.tax2_compound ? price + tax.tax1 : price;
    tax.tax2 = RoundTax(TaxOn(base, rules.tax2_rate), no_tax_rounding);
  }
  return tax;
}

double RetailPriceWithTax(const InventoryRecord& item, const TaxRules& rules, bool without_tax) {
  const double price = item.Get(inv::kRetailPrice);
  if (without_tax || item.Get(inv::kTax) == kTaxCodeNone) return price;
  LineTax tax =
      ComputeLineTax(rules, item.Get(inv::kTax), price, 0, item.Get(inv::kNoTaxRounding) != 0);
  return price + tax.tax1 + tax.tax2;
}

}  // namespace ventro
