// The tax of one line: rounding on the three-decimal text, the tax codes, the tax 1 threshold
// and tax 2 compounded on tax 1.
#include <gtest/gtest.h>

#include "records/inventory_record.h"
#include "sale/line_tax.h"

namespace ventro {
namespace {

TaxRules Rules(int64_t rate1, int64_t rate2) {
  TaxRules rules;
  rules.tax1_active = rate1 > 0;
  rules.tax1_rate = rate1;
  rules.tax2_active = rate2 > 0;
  rules.tax2_rate = rate2;
  return rules;
}

TEST(RoundTaxTest, RoundsOnTheThirdDecimalOfTheText) {
  EXPECT_DOUBLE_EQ(RoundTax(0.0144, false), 0.01);  // "0.014"
  EXPECT_DOUBLE_EQ(RoundTax(0.0151, false), 0.02);  // "0.015" -> "0.019"
  EXPECT_DOUBLE_EQ(RoundTax(0.0151, true), 0.01);   // "No tax rounding": down instead
  EXPECT_DOUBLE_EQ(RoundTax(0.0144, true), 0.01);   // below 5 the flag changes nothing
  // A binary value just below the half cent still prints "...5" and rounds up, which "%.2f"
  // alone would not do.
  EXPECT_DOUBLE_EQ(RoundTax(1.0049999, false), 1.01);
  EXPECT_DOUBLE_EQ(RoundTax(2.9950, false), 3.00);
  EXPECT_DOUBLE_EQ(RoundTax(4.99, false), 4.99);
  EXPECT_DOUBLE_EQ(RoundTax(0, false), 0);
}

TEST(LineTaxTest, TaxCodesChooseTheTaxes) {
  TaxRules rules = Rules(1000, 500);  // 10% and 5%
  LineTax both = ComputeLineTax(rules, kTaxCodeBoth, 10.00, 0, false);
  EXPECT_DOUBLE_EQ(both.tax1, 1.00);
  EXPECT_DOUBLE_EQ(both.tax2, 0.50);
  LineTax tax1_only = ComputeLineTax(rules, kTaxCodeTax1, 10.00, 0, false);
  EXPECT_DOUBLE_EQ(tax1_only.tax1, 1.00);
  EXPECT_DOUBLE_EQ(tax1_only.tax2, 0);
  LineTax tax2_only = ComputeLineTax(rules, kTaxCodeTax2, 10.00, 0, false);
  EXPECT_DOUBLE_EQ(tax2_only.tax1, 0);
  EXPECT_DOUBLE_EQ(tax2_only.tax2, 0.50);
  LineTax none = ComputeLineTax(rules, kTaxCodeNone, 10.00, 0, false);
  EXPECT_DOUBLE_EQ(none.tax1 + none.tax2, 0);

  // An inactive tax or a zero rate charges nothing.
  rules.tax1_active = false;
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 10.00, 0, false).tax1, 0);
  rules = Rules(1000, 500);
  rules.tax2_rate = 0;
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 10.00, 0, false).tax2, 0);
}

TEST(LineTaxTest, CompoundedTax2IsChargedOnThePriceWithTax1) {
  TaxRules rules = Rules(1000, 500);
  rules.tax2_compound = true;
  LineTax tax = ComputeLineTax(rules, kTaxCodeBoth, 10.00, 0, false);
  EXPECT_DOUBLE_EQ(tax.tax1, 1.00);
  EXPECT_DOUBLE_EQ(tax.tax2, 0.55);  // 5% of 11.00
  // Tax code 3 has no tax 1 to compound on.
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeTax2, 10.00, 0, false).tax2, 0.50);
}

TEST(LineTaxTest, ThresholdChargesTax1FromTheLineThatCrossesIt) {
  TaxRules rules = Rules(1000, 0);
  rules.threshold_only = true;
  rules.threshold = 100.00;
  // Lines adding up to 90.00 carry no tax 1.
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 50.00, 0, false).tax1, 0);
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 40.00, 50.00, false).tax1, 0);
  // The 20.00 line that crosses it carries tax 1 on 110.00.
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 20.00, 90.00, false).tax1, 11.00);
  // Later lines carry tax 1 on their own price.
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 5.00, 110.00, false).tax1, 0.50);
  // Reaching the threshold exactly is not passing it.
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 10.00, 90.00, false).tax1, 0);
  // A basket already at the threshold is taxed on the next line's price alone.
  EXPECT_DOUBLE_EQ(ComputeLineTax(rules, kTaxCodeBoth, 10.00, 100.00, false).tax1, 1.00);
}

TEST(LineTaxTest, RetailPriceWithTaxComparesTheThresholdWithThePriceAlone) {
  InventoryRecord item;
  item.set_retail_price(10.00);
  item.set_tax(kTaxCodeBoth);
  TaxRules rules = Rules(1000, 500);
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, false), 11.50);
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, true), 10.00);
  rules.threshold_only = true;
  rules.threshold = 10.00;
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, false), 10.50);  // no tax 1 at the threshold
  rules.threshold = 9.99;
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, false), 11.50);
  item.set_tax(kTaxCodeNone);
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, false), 10.00);
}

}  // namespace
}  // namespace ventro
