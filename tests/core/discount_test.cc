// Discounts on the basket and the repricing of its last line: the worked figures, the refusals
// that keep the dialog open, and the payment flag held while a dialog is open.
#include <gtest/gtest.h>

#include "sale/discount.h"
#include "sale/line_adjust.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::Press;
using test::Type;

class DiscountTest : public test::SaleTest {
 protected:
  void SetUp() override {
    v().settings.Set(cfg::kTax1Active, 2);
    v().settings.Set(cfg::kTax1Rate, 1000);
  }
  // 10.00 non-taxable and 10.00 taxable with tax 1 at 10 %: total 21.00.
  void MixedBasket() {
    AddLine(0, "SERVICE", 10.00, 0, 0, 0, false);
    AddLine(0, "PARTS", 10.00, 1.00);
  }
  // Answers the next dialog with `answer` after keeping a copy of it as it opened.
  void Answer(std::function<bool(Dialog&)> answer) {
    p.ui.dialog_answers.push_back([this, answer](Dialog& d) {
      opened.push_back(d);
      return answer(d);
    });
  }
  const BasketTotals& totals() { return basket().totals; }
  std::vector<Dialog> opened;
};

TEST_F(DiscountTest, NetDiscountSpreadsOverBothPartsAndScalesTheTax) {
  MixedBasket();
  Answer(Press("OK", "amount", "200"));
  DiscountBasket(session());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].name, "DISCOUN2");
  EXPECT_DOUBLE_EQ(totals().non_taxable_total, 9.00);
  EXPECT_DOUBLE_EQ(totals().taxable_total, 9.00);
  EXPECT_DOUBLE_EQ(totals().tax1_total, 0.90);
  EXPECT_DOUBLE_EQ(totals().net_total, 18.00);
  EXPECT_DOUBLE_EQ(totals().grand_total, 18.90);
  EXPECT_DOUBLE_EQ(totals().discount_total, 2.00);
  // The lines keep their amounts; the flag is down again.
  EXPECT_DOUBLE_EQ(basket().line_total[1], 11.00);
  EXPECT_FALSE(v().sale.payment_in_progress);
  EXPECT_EQ(v().screen.entry_mode, kEntryModeNormal);
}

TEST_F(DiscountTest, TheAmendedTotalFollowsTheTypingAndThePercentageFillsTheAmount) {
  AddLine(0, "PARTS", 20.00, 2.00);
  Answer([](Dialog& d) {
    Type(d, "amount", "150");
    EXPECT_EQ(d.Field("amended").text, "18.50");
    Type(d, "amount", "2000");  // not below the net: nothing shown
    EXPECT_EQ(d.Field("amended").text, "");
    d.Field("percent").choice = 10;  // 5.00 %
    d.on_change(d, "percent");
    EXPECT_EQ(d.Field("percent").options[10], "5.00");
    EXPECT_EQ(d.Field("amount").text, "100");
    d.pressed = "Cancel";
    return false;
  });
  DiscountBasket(session());
  EXPECT_EQ(opened[0].Field("percent").options.size(), 161u);
  EXPECT_EQ(opened[0].Field("percent").options.back(), "80.00");
  EXPECT_DOUBLE_EQ(totals().grand_total, 22.00);
  EXPECT_FALSE(v().sale.payment_in_progress);
}

TEST_F(DiscountTest, TheWholeBaseIsAcceptedAndACentMoreIsRefused) {
  MixedBasket();
  Answer(Press("OK", "amount", "2001"));
  Answer(Press("OK", "amount", "2000"));
  DiscountBasket(session());
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].title, "Problem");
  EXPECT_EQ(p.ui.messages[0].text, "Invalid discount");
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_DOUBLE_EQ(totals().net_total, 0);
  EXPECT_DOUBLE_EQ(totals().grand_total, 0);
  EXPECT_DOUBLE_EQ(totals().discount_total, 20.00);
}

TEST_F(DiscountTest, ATotalDiscountReplacesTheEarlierOne) {
  v().settings.Set(cfg::kDiscountOnTotal, 2);
  MixedBasket();
  Answer(Press("OK", "amount", "100"));
  DiscountBasket(session());
  EXPECT_EQ(opened[0].name, "DISCOUNTWO");
  Answer([](Dialog& d) {
    Type(d, "amount", "300");
    EXPECT_EQ(d.Field("amended").text, "18.00");
    d.pressed = "OK";
    return true;
  });
  DiscountBasket(session());
  EXPECT_DOUBLE_EQ(totals().discount_total, 3.00);
  EXPECT_DOUBLE_EQ(totals().grand_total, 18.00);
  EXPECT_DOUBLE_EQ(totals().net_total, 20.00);
  EXPECT_DOUBLE_EQ(totals().tax1_total, 1.00);
}

TEST_F(DiscountTest, TheButtonRatePreselectsItsEntryAndAStoredRateOutOfRangeReadsAsNone) {
  AddLine(0, "PARTS", 20.00, 2.00);
  v().settings.Set(cfg::kDiscountButtonRate, 5);
  Answer(Press("Cancel"));
  DiscountBasket(session());
  EXPECT_EQ(opened[0].Field("percent").choice, 10);
  EXPECT_EQ(opened[0].Field("amount").text, "100");

  v().settings.Set(cfg::kDiscountButtonRate, 90);
  Answer(Press("Cancel"));
  DiscountBasket(session());
  EXPECT_EQ(opened[1].Field("percent").choice, -1);
  EXPECT_EQ(opened[1].Field("amount").text, "");
}

TEST_F(DiscountTest, NothingOpensForAnEmptyBasketOrWhileAPaymentIsInProgress) {
  DiscountBasket(session());
  AdjustLastLinePrice(session());
  AddLine(0, "PARTS", 20.00, 2.00);
  v().sale.payment_in_progress = true;
  DiscountBasket(session());
  AdjustLastLinePrice(session());
  AdjustLastLineByWeight(session());
  EXPECT_TRUE(p.ui.dialogs_run.empty());
  EXPECT_TRUE(p.ui.messages.empty());
}

TEST_F(DiscountTest, WhileTheDialogIsOpenPaymentsAndKeysAreHeld) {
  AddLine(0, "PARTS", 20.00, 2.00);
  Answer([this](Dialog& d) {
    EXPECT_TRUE(v().sale.payment_in_progress);
    EXPECT_EQ(v().screen.entry_mode, kEntryModeDiscount);
    d.pressed = "Cancel";
    return false;
  });
  DiscountBasket(session());
  EXPECT_FALSE(v().sale.payment_in_progress);
  EXPECT_EQ(v().screen.entry_mode, kEntryModeNormal);
  EXPECT_DOUBLE_EQ(totals().grand_total, 22.00);
}

TEST(NetDiscountTest, TheFourShapesOfBasket) {
  // All taxable; with the threshold rule tax 1 falls away once the taxable total is not above
  // the threshold.
  Basket taxed;
  taxed.totals = {.taxable_total = 110, .net_total = 110, .tax1_total = 11, .grand_total = 121};
  Basket above = taxed;
  ApplyNetDiscount(above, 5, true, 100);
  EXPECT_DOUBLE_EQ(above.totals.taxable_total, 105);
  EXPECT_DOUBLE_EQ(above.totals.tax1_total, 10.50);
  EXPECT_DOUBLE_EQ(above.totals.grand_total, 115.50);
  ApplyNetDiscount(taxed, 15, true, 100);
  EXPECT_DOUBLE_EQ(taxed.totals.tax1_total, 0);
  EXPECT_DOUBLE_EQ(taxed.totals.grand_total, 95);
  EXPECT_DOUBLE_EQ(taxed.totals.discount_total, 15);

  Basket plain;
  plain.totals = {.non_taxable_total = 8, .net_total = 8, .grand_total = 8};
  ApplyNetDiscount(plain, 3, false, 0);
  EXPECT_DOUBLE_EQ(plain.totals.non_taxable_total, 5);
  EXPECT_DOUBLE_EQ(plain.totals.grand_total, 5);

  Basket empty;
  ApplyNetDiscount(empty, 1, false, 0);
  EXPECT_DOUBLE_EQ(empty.totals.non_taxable_total, -1);
  EXPECT_DOUBLE_EQ(empty.totals.discount_total, 1);
}

class LineAdjustTest : public DiscountTest {
 protected:
  // Item 101 taxed (code 1) at 2.50, item 102 non-taxable, both in stock 5.
  void SetUp() override {
    DiscountTest::SetUp();
    WriteInventory({{101, "FLOUR", 3, 5, 1.00}, {102, "SEED", 4, 5, 0.40}});
    SetItem(0, kTaxCodeBoth, 2.50);
    SetItem(1, kTaxCodeNone, 2.50);
  }
  void SetItem(int64_t slot, int tax, double retail) {
    InventoryRecord& item = v().inventory.item();
    ASSERT_TRUE(v().inventory.Read(p.files, slot).ok());
    item.Set(inv::kTax, tax);
    item.Set(inv::kRetailPrice, retail);
    ASSERT_TRUE(v().inventory.WriteBack(p.files).ok());
  }
};

TEST_F(LineAdjustTest, AnAmendedPriceRetaxesTheLineAndMovesTheTotals) {
  AddLine(0, "SERVICE", 4.00, 0, 0, 0, false);
  AddLine(101, "FLOUR", 2.50, 0.25);
  Answer([](Dialog& d) {
    EXPECT_EQ(d.Field("list").text, "2.50");
    EXPECT_EQ(d.Field("cost").text, "1.00");
    Type(d, "price", "500");
    EXPECT_EQ(d.Field("taxable").text, "5.00");
    EXPECT_EQ(d.Field("tax1").text, "0.50");
    EXPECT_EQ(d.Field("total").text, "5.50");
    d.pressed = "OK";
    return true;
  });
  AdjustLastLinePrice(session());
  EXPECT_EQ(opened[0].name, "DISCOUNT");
  EXPECT_DOUBLE_EQ(basket().taxable_amount[1], 5.00);
  EXPECT_DOUBLE_EQ(basket().line_total[1], 5.50);
  EXPECT_DOUBLE_EQ(totals().taxable_total, 5.00);
  EXPECT_DOUBLE_EQ(totals().net_total, 9.00);
  EXPECT_DOUBLE_EQ(totals().tax1_total, 0.50);
  EXPECT_DOUBLE_EQ(totals().grand_total, 9.50);
  EXPECT_EQ(v().sale.list[1], "101  FLOUR (5)  5.50");
  EXPECT_FALSE(v().sale.payment_in_progress);
}

TEST_F(LineAdjustTest, ZeroClearsTheLineAndARestrictedClerkSeesNoHiddenCost) {
  v().screen.restricted = true;
  v().settings.Set(cfg::kCostPriceHidden, 2);
  AddLine(101, "FLOUR", 2.50, 0.25);
  Answer([](Dialog& d) {
    EXPECT_FALSE(std::any_of(d.fields.begin(), d.fields.end(),
                             [](const DialogField& f) { return f.key == "cost"; }));
    d.on_change(d, "Zero");
    d.pressed = "OK";
    return true;
  });
  AdjustLastLinePrice(session());
  EXPECT_DOUBLE_EQ(basket().line_total[0], 0);
  EXPECT_DOUBLE_EQ(totals().grand_total, 0);
  EXPECT_DOUBLE_EQ(totals().tax1_total, 0);
  EXPECT_EQ(basket().line_count, 1);
}

TEST_F(LineAdjustTest, ARepriceThatTakesADiscountedBasketBelowZeroIsRefused) {
  AddLine(101, "FLOUR", 10.00, 1.00);
  basket().totals.discount_total = 9.00;
  basket().totals.grand_total = 2.00;
  const Basket before = basket();
  Answer([](Dialog& d) {
    d.on_change(d, "Zero");
    d.pressed = "OK";
    return true;
  });
  Answer(Press("Cancel"));
  AdjustLastLinePrice(session());
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].text, "Discount exceeds transaction");
  EXPECT_EQ(basket(), before);
}

TEST_F(LineAdjustTest, ALineWithoutAnItemIsRefused) {
  AddLine(0, "SERVICE", 4.00, 0, 0, 0, false);
  AdjustLastLinePrice(session());
  AdjustLastLineByWeight(session());
  ASSERT_EQ(p.ui.messages.size(), 2u);
  EXPECT_EQ(p.ui.messages[0].text, "Non inventory item");
  EXPECT_EQ(p.ui.messages[1].text, "Non inventory item");
  EXPECT_TRUE(p.ui.dialogs_run.empty());
}

TEST_F(LineAdjustTest, AWeightOf250AtAListPriceOf250Costs625) {
  AdjustLastLineByWeight(session());
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].text, "No items");

  AddLine(101, "FLOUR", 2.50, 0.25);
  Answer([](Dialog& d) {
    EXPECT_EQ(d.Field("weight").choice, 99);
    EXPECT_EQ(d.Field("weight").options[99], "100");
    Type(d, "typed_weight", "250");
    EXPECT_EQ(d.Field("price").text, "6.25");
    EXPECT_EQ(d.Field("tax1").text, "0.63");
    d.pressed = "OK";
    return true;
  });
  AdjustLastLineByWeight(session());
  EXPECT_EQ(opened[0].name, "DISCOUN4");
  EXPECT_DOUBLE_EQ(basket().taxable_amount[0], 6.25);
  EXPECT_DOUBLE_EQ(basket().tax1[0], 0.63);
  EXPECT_DOUBLE_EQ(totals().grand_total, 6.88);
  EXPECT_EQ(v().sale.list[0], "101  FLOUR (5)  6.88");
}

TEST_F(LineAdjustTest, AFreeLineOfANonTaxableItemGainsNoTaxByWeight) {
  AddLine(102, "SEED", 0, 0, 0, 0, false);  // a free line: every figure 0
  Answer([](Dialog& d) {
    d.Field("weight").choice = 199;  // 200 units
    d.on_change(d, "weight");
    d.pressed = "OK";
    return true;
  });
  AdjustLastLineByWeight(session());
  EXPECT_DOUBLE_EQ(basket().non_taxable_amount[0], 5.00);
  EXPECT_DOUBLE_EQ(basket().taxable_amount[0], 0);
  EXPECT_DOUBLE_EQ(basket().tax1[0], 0);
  EXPECT_DOUBLE_EQ(totals().non_taxable_total, 5.00);
  EXPECT_DOUBLE_EQ(totals().tax1_total, 0);
  EXPECT_DOUBLE_EQ(totals().grand_total, 5.00);
}

TEST_F(LineAdjustTest, AWeightThatTakesAFullyDiscountedBasketBelowZeroIsRefused) {
  AddLine(102, "SEED", 2.50, 0, 0, 0, false);
  ApplyNetDiscount(basket(), 2.50, false, 0);
  ASSERT_DOUBLE_EQ(totals().grand_total, 0);
  const Basket before = basket();
  Answer(Press("OK", "typed_weight", "50"));
  Answer(Press("Cancel"));
  AdjustLastLineByWeight(session());
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].text, "Discount exceeds transaction");
  EXPECT_EQ(basket(), before);
}

}  // namespace
}  // namespace ventro
