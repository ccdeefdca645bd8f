// The tax of one line: rounding on the three-decimal text, the tax codes, the tax 1 threshold
// and tax 2 compounded on tax 1.
#include <gtest/gtest.h>

#include "formats/inventory_record.h"
#include "sale/line_tax.h"

namespace ventro {
namespace {

TaxRules Rules(int64_t rate1, int64_t rate2) {
  return {rate1 > 0, rate1, rate2 > 0, rate2, false, false, 0};
}

TEST(LineTaxTest, RoundsOnTheThirdDecimalOfTheText) {
  EXPECT_DOUBLE_EQ(RoundTax(0.0144, false), 0.01);  // "0.014"
  EXPECT_DOUBLE_EQ(RoundTax(0.0151, false), 0.02);  // "0.015" -> "0.019"
  EXPECT_DOUBLE_EQ(RoundTax(0.0151, true), 0.01);   // "No tax rounding": down instead
  EXPECT_DOUBLE_EQ(RoundTax(0.0144, true), 0.01);
  // Just below the half cent in binary, but "1.005" as text: up, where "%.2f" alone goes down.
  EXPECT_DOUBLE_EQ(RoundTax(1.0049999, false), 1.01);
}

TEST(LineTaxTest, TaxCodesChooseTheTaxesAndTax2MayCompound) {
  TaxRules rules = Rules(1000, 500);  // 10% and 5%
  auto tax = [&rules](int code) {
    LineTax t = ComputeLineTax(rules, code, 10.00, 0, false);
    return std::pair(t.tax1, t.tax2);
  };
  EXPECT_EQ(tax(kTaxCodeBoth), std::pair(1.00, 0.50));
  EXPECT_EQ(tax(kTaxCodeTax1), std::pair(1.00, 0.0));
  EXPECT_EQ(tax(kTaxCodeTax2), std::pair(0.0, 0.50));
  EXPECT_EQ(tax(kTaxCodeNone), std::pair(0.0, 0.0));
  rules.tax2_compound = true;
  EXPECT_EQ(tax(kTaxCodeBoth), std::pair(1.00, 0.55));  // 5% of 11.00
  EXPECT_EQ(tax(kTaxCodeTax2), std::pair(0.0, 0.50));   // nothing to compound on
}

TEST(LineTaxTest, ThresholdChargesTax1FromTheLineThatCrossesIt) {
  TaxRules rules = Rules(1000, 0);
  rules.threshold_only = true;
  rules.threshold = 100.00;
  auto tax1 = [&rules](double price, double so_far) {
    return ComputeLineTax(rules, kTaxCodeBoth, price, so_far, false).tax1;
  };
  EXPECT_DOUBLE_EQ(tax1(50.00, 40.00), 0);      // up to 90.00: none
  EXPECT_DOUBLE_EQ(tax1(10.00, 90.00), 0);      // reaching it is not passing it
  EXPECT_DOUBLE_EQ(tax1(20.00, 90.00), 11.00);  // crossing: tax on 110.00
  EXPECT_DOUBLE_EQ(tax1(5.00, 110.00), 0.50);   // later lines: their own price
  EXPECT_DOUBLE_EQ(tax1(10.00, 100.00), 1.00);  // from the threshold on

  // A label's price compares the threshold with the price alone.
  InventoryRecord item;
  item.Set(inv::kRetailPrice, 10.00);
  item.Set(inv::kTax, kTaxCodeBoth);
  rules.threshold = 10.00;
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, false), 10.00);
  rules.threshold = 9.99;
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, false), 11.00);
  EXPECT_DOUBLE_EQ(RetailPriceWithTax(item, rules, true), 10.00);
}

}  // namespace
}  // namespace ventro
