// Ringing items up by number on real inventory files: lines, tax and totals, stock, offers,
// trade prices, alerts, bundles and the 400-line limit.
#include <gtest/gtest.h>

#include "basket_fixture.h"
#include "sale/basket_commands.h"

namespace ventro {
namespace {

using test::BasketTest;
using test::ShownMessage;

TEST_F(BasketTest, AddsATaxedLineWithItsListStringAndTotals) {
  SetTax(1000, 500);  // 10% and 5%
  WriteInventory({Item(3, "SOAP", 1.20, 9), Item(7, "WIDGET", 10.00, 5, kTaxCodeBoth)});
  Enter("7");
  Enter("3");  // tax code 0
  EXPECT_EQ(v->sale.list, (std::vector<std::string>{"7  WIDGET (5)  11.50", "3  SOAP (9)  1.20"}));
  EXPECT_EQ(v->sale.selected_line, 1);
  EXPECT_TRUE(v->screen.entry_text.empty());
  EXPECT_DOUBLE_EQ(basket().tax2[0], 0.50);
  EXPECT_DOUBLE_EQ(basket().non_taxable_amount[1], 1.20);
  const BasketTotals& t = basket().totals;
  EXPECT_EQ((std::vector<double>{t.non_taxable_total, t.taxable_total, t.net_total, t.tax1_total,
                                 t.tax2_total, t.grand_total, t.cost_total}),
            (std::vector<double>{1.20, 10.00, 11.20, 1.00, 0.50, 12.70, 5.60}));
  EXPECT_EQ(p.sound.played, (std::vector<SoundId>{SoundId::kDone, SoundId::kDone}));
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(BasketTest, RefusedEntriesLeaveTheBasketAlone) {
  WriteInventory({Item(3, "SOAP", 1.20, 9)});
  Enter("99");
  Enter("-5");
  Enter("ABC");  // reads as 0, which names no item
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{
                {"Invalid entry", "99"}, {"Invalid entry", "-5"}, {"Invalid entry", "0"}}));
  EXPECT_EQ(basket().line_count, 0);
  EXPECT_TRUE(v->sale.list.empty());
  EXPECT_EQ(p.sound.played.back(), SoundId::kError);
}

TEST_F(BasketTest, StockRefusesTheUnitBeyondTheQuantityInStock) {
  WriteInventory({Item(1, "TWO LEFT", 2.00, 2), Item(2, "NONE LEFT", 2.00, 0)});
  EXPECT_EQ(Add(1), AddResult::kAdded);
  EXPECT_EQ(Add(1), AddResult::kAdded);
  EXPECT_EQ(Add(1), AddResult::kRefused);
  EXPECT_EQ(Add(2), AddResult::kRefused);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Item out of stock"},
                                                      {"Problem", "Item out of stock"}}));
  EXPECT_EQ(basket().line_count, 2);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 4.00);

  v->settings.Set(cfg::kPermitInsufficientStock, 2);
  EXPECT_EQ(Add(1), AddResult::kAdded);
  EXPECT_EQ(Add(2), AddResult::kAdded);
  EXPECT_EQ(basket().line_count, 4);
}

TEST_F(BasketTest, OffersPriceEverySecondOrThirdUnitAtNothing) {
  SetTax(2000, 0);
  InventoryRecord bogof = Item(1, "BOGOF", 5.00, 50, kTaxCodeBoth);
  bogof.Set(inv::kOffer, InventoryRecord::kBuyOneGetOneFree);
  InventoryRecord b2g1 = Item(2, "B2G1", 3.00, 50, kTaxCodeBoth);
  b2g1.Set(inv::kOffer, InventoryRecord::kBuyTwoGetOneFree);
  WriteInventory({bogof, b2g1});

  for (int k = 0; k < 6; ++k) Add(1);
  EXPECT_EQ(LineTotals(), (std::vector<double>{6.00, 0, 6.00, 0, 6.00, 0}));
  // A free line has no tax and adds nothing to the totals, but counts as a line.
  EXPECT_DOUBLE_EQ(basket().tax1[1], 0);
  EXPECT_DOUBLE_EQ(basket().taxable_amount[1], 0);
  EXPECT_DOUBLE_EQ(basket().totals.taxable_total, 15.00);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 18.00);
  EXPECT_EQ(v->sale.list[1], "1  BOGOF (50)  0.00");

  ClearBasket(session());
  for (int k = 0; k < 6; ++k) Add(2);
  EXPECT_EQ(LineTotals(), (std::vector<double>{3.60, 3.60, 0, 3.60, 3.60, 0}));
}

TEST_F(BasketTest, TradePricesUseTheTradePriceOrTheTradeDiscount) {
  InventoryRecord priced = Item(1, "PRICED", 10.00, 50);
  priced.Set(inv::kTradePrice, 7.50);
  WriteInventory({priced, Item(2, "NO TRADE", 4.00, 50)});

  ToggleTradePrices(session());
  EXPECT_EQ(v->settings.Get(cfg::kTradePrices), 2);
  Add(1);
  EXPECT_EQ(Add(2), AddResult::kRefused);
  EXPECT_EQ(p.ui.MessageTexts(),
            std::vector<std::string>{"Trade price option active, no trade price"});

  v->settings.Set(cfg::kTradePercentageDiscount, 2);
  v->settings.Set(cfg::kTradeDiscountPercent, 12.5);
  Add(1);  // 10.00 less 12.5% = 8.75
  Add(2);  // 4.00 less 12.5% = 3.50
  EXPECT_EQ(LineTotals(), (std::vector<double>{7.50, 8.75, 3.50}));

  ToggleTradePrices(session());  // back to retail; lines already rung up keep their price
  Add(1);
  EXPECT_EQ(LineTotals(), (std::vector<double>{7.50, 8.75, 3.50, 10.00}));
}

TEST_F(BasketTest, ThresholdChargesTax1OnTheWholeAmountOnTheLineThatCrossesIt) {
  SetTax(1000, 0);
  v->settings.Set(cfg::kTax1ThresholdOnly, 2);
  v->settings.Set(cfg::kTax1Threshold, 100.00);
  WriteInventory(
      {Item(1, "FIFTY", 50.00, 9, kTaxCodeBoth), Item(2, "FORTY", 40.00, 9, kTaxCodeBoth),
       Item(3, "TWENTY", 20.00, 9, kTaxCodeBoth), Item(4, "FIVE", 5.00, 9, kTaxCodeBoth)});
  Add(1);
  Add(2);
  Add(3);
  Add(4);
  EXPECT_EQ(std::vector<double>(basket().tax1.begin(), basket().tax1.begin() + 4),
            (std::vector<double>{0, 0, 11.00, 0.50}));
  EXPECT_DOUBLE_EQ(basket().totals.tax1_total, 11.50);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 126.50);
}

TEST_F(BasketTest, AgeAndReorderAlertsInformAndKeepTheLine) {
  v->settings.Set(cfg::kPermitInsufficientStock, 2);
  InventoryRecord wine = Item(1, "WINE", 6.00, 3);
  wine.Set(inv::kAgeWarning, 18);
  wine.Set(inv::kReorderQuantity, 3);  // at the reorder level already
  WriteInventory({wine});

  Add(1);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Age alert", "18"}}));
  v->settings.Set(cfg::kReorderAlerts, 2);
  ClearBasket(session());
  p.ui.messages.clear();
  Add(1);
  Add(1);                    // the second line of the item raises no reorder alert
  Add(1, AddMode::kRepeat);  // a repeat raises no age alert
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{
                {"Age alert", "18"}, {"Reorder alert", "Item stock level"}, {"Age alert", "18"}}));
  EXPECT_EQ(basket().line_count, 3);
}

TEST_F(BasketTest, ABundleAddsItsComponentsAndNeverItself) {
  InventoryRecord bundle = Item(10, "GIFT SET", 0, 0);
  bundle.Set(inv::kKind, InventoryRecord::kBundleKind);
  bundle.SetComponent(1, "1");
  bundle.Set(inv::kComponentQuantity, 1, 2);
  bundle.SetComponent(3, "2");
  bundle.Set(inv::kComponentQuantity, 3, 1);
  bundle.Set(inv::kComponentPriceMode, 3, InventoryRecord::kComponentFree);
  bundle.SetComponent(4, "77");  // no longer on file
  bundle.Set(inv::kComponentQuantity, 4, 3);
  bundle.SetComponent(5, "1");
  bundle.Set(inv::kComponentQuantity, 5, 0);  // no units
  InventoryRecord inner = Item(11, "BUNDLE IN A BUNDLE", 0, 0);
  inner.Set(inv::kKind, InventoryRecord::kBundleKind);
  InventoryRecord outer = bundle;
  outer.Set(inv::kNumber, 12);
  outer.SetComponent(6, "11");
  outer.Set(inv::kComponentQuantity, 6, 1);
  WriteInventory({Item(1, "MUG", 4.00, 9), Item(2, "TEA", 2.50, 9), bundle, inner, outer});

  EXPECT_EQ(Add(10), AddResult::kAdded);
  EXPECT_EQ(std::vector<int64_t>(basket().item_number.begin(), basket().item_number.begin() + 3),
            (std::vector<int64_t>{1, 1, 2}));
  EXPECT_EQ(LineTotals(), (std::vector<double>{4.00, 4.00, 0}));
  // The missing component is reported once, not once per unit.
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Invalid entry", "77"}}));

  // A bundle inside a bundle is refused rather than expanded.
  ClearBasket(session());
  p.ui.messages.clear();
  Add(12);
  EXPECT_EQ(basket().line_count, 3);
  EXPECT_EQ(p.ui.MessageTexts(),
            (std::vector<std::string>{"77", "Bundle may not contain a bundle"}));
}

TEST_F(BasketTest, TheBasketHoldsAtMost400Lines) {
  v->settings.Set(cfg::kPermitInsufficientStock, 2);
  WriteInventory({Item(1, "PEN", 0.50, 1000)});
  for (int k = 0; k < kMaxBasketLines; ++k) ASSERT_EQ(Add(1), AddResult::kAdded);
  EXPECT_EQ(Add(1), AddResult::kFull);
  EXPECT_EQ(basket().line_count, 400);
  EXPECT_EQ(v->sale.list.size(), 400u);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 200.00);
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Transaction limit 400 items"});
}

}  // namespace
}  // namespace ventro
