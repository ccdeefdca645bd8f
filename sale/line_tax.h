// The tax of one basket line: tax 1 and tax 2 by the item's tax code, the tax 1 threshold,
// tax 2 compounded on tax 1, and the three-decimal rounding of tax amounts. Pure functions of
// their arguments, shared by the basket and the price shown on barcode labels.
#pragma once

#include <cstdint>

namespace ventro {

class InventoryRecord;
class SettingsRecord;

// Item tax codes.
inline constexpr int kTaxCodeNone = 0;  // "Non taxable"
inline constexpr int kTaxCodeBoth = 1;  // "Tax 1 and 2"
inline constexpr int kTaxCodeTax1 = 2;  // "Tax 1": never tax 2
inline constexpr int kTaxCodeTax2 = 3;  // "Tax 2": never tax 1

// The tax settings a line is taxed by. Rates are in hundredths of a percent (1000 = 10%).
struct TaxRules {
  bool tax1_active = false;
  int64_t tax1_rate = 0;
  bool tax2_active = false;
  int64_t tax2_rate = 0;
  bool tax2_compound = false;   // tax 2 is charged on the price plus tax 1
  bool threshold_only = false;  // tax 1 only once the taxable total passes `threshold`
  double threshold = 0;
};

// The tax rules in force in `settings`.
TaxRules TaxRulesFrom(const SettingsRecord& settings);

// Rounds a tax amount to cents: the amount is printed with three decimals, a third decimal of
// 5 or more rounds the cents up, anything less rounds them down. With `no_tax_rounding` (the
// item's "No tax rounding" flag) a third decimal of 5 or more rounds down instead.
double RoundTax(double amount, bool no_tax_rounding);

struct LineTax {
  double tax1 = 0;
  double tax2 = 0;
};

// The rounded tax 1 and tax 2 of a line of `price` with item tax code `tax_code`, when the
// basket's taxable total before this line is `taxable_so_far`. Tax code 0 gives no tax. With
// the threshold rule, lines below the threshold carry no tax 1, the line that crosses it
// carries tax 1 on the whole taxable total including itself, and later lines on their price.
LineTax ComputeLineTax(const TaxRules& rules, int tax_code, double price, double taxable_so_far,
                       bool no_tax_rounding);

// The retail price of `item` with its tax 1 and tax 2 as a line of its own would carry them
// (with the threshold rule, no tax 1 unless the price alone passes the threshold). With
// `without_tax` (the label option), or for a non-taxable item, the retail price alone.
double RetailPriceWithTax(const InventoryRecord& item, const TaxRules& rules, bool without_tax);

}  // namespace ventro
