// Texts and stored values that are not amounts (NaN, infinities, values no till would take) are
// refused before they reach a basket, a total or a log.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/format.h"
#include "basket_fixture.h"
#include "sale/cash_box.h"
#include "sale/non_inventory.h"

namespace ventro {
namespace {

using test::ShownMessage;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(HostileNumbers, TheAmountReaderTakesOnlyFiniteDecimalNumbers) {
  for (const char* text : {"nan", "NaN", "-nan", "inf", "-inf", "infinity", "1e400", "-1e400",
                           "+inf", " nan(123)", "0x10", "e5", "-", "."}) {
    EXPECT_EQ(AtoF(text), 0.0) << text;
  }
  EXPECT_DOUBLE_EQ(AtoF("-.5"), -0.5);
  EXPECT_DOUBLE_EQ(AtoF("+2.25"), 2.25);
  EXPECT_DOUBLE_EQ(AtoF("1e3"), 1000.0);

  EXPECT_TRUE(IsSaneAmount(0));
  EXPECT_TRUE(IsSaneAmount(-kLargestAmount));
  EXPECT_TRUE(IsSaneAmount(kLargestAmount));
  for (double amount : {kNaN, kInfinity, -kInfinity, 1e308, kLargestAmount * 1.0000001}) {
    EXPECT_FALSE(IsSaneAmount(amount)) << amount;
  }
}

TEST(HostileNumbers, TheCashBoxStaysWholeForTotalsBeyondAnyTill) {
  // Totals like these once overflowed the quick amounts' whole cents.
  for (double due : {1e300, kInfinity, 1e13}) {
    for (double quick : QuickAmounts(due)) EXPECT_GT(quick, 0) << due;
  }
  EXPECT_EQ(WholeCents(kNaN), 0);
  EXPECT_EQ(WholeCents(1e300), WholeCents(kLargestAmount));
  EXPECT_EQ(QuickAmounts(12.30), (std::array<double, 3>{15, 20, 50}));
}

class HostileEntryTest : public test::BasketTest {};

TEST_F(HostileEntryTest, ANonInventorySaleRefusesPricesThatAreNotAmounts) {
  for (const char* price : {"nan", "inf", "-inf", "1e308", "1e400", "1000000000001"}) {
    p.ui.dialog_answers.push_back([price](Dialog& d) {
      d.Field("description").text = "GIFT";
      d.Field("price").text = price;
      d.pressed = "OK";
      return true;
    });
  }
  SellNonInventoryItem(session());  // each refused, then the dialog is cancelled
  EXPECT_EQ(p.ui.messages, std::vector<ShownMessage>(6, {"Problem", "Please enter a price"}));
  EXPECT_EQ(basket().line_count, 0);

  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("description").text = "GIFT";
    d.Field("price").text = "12.5";
    d.pressed = "OK";
    return true;
  });
  SellNonInventoryItem(session());
  ASSERT_EQ(basket().line_count, 1);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 12.50);
}

TEST_F(HostileEntryTest, AStoredPriceOrCostThatIsNotAnAmountIsNeverRungUp) {
  std::vector<InventoryRecord> items = {
      Item(1, "NAN RETAIL", kNaN, 5), Item(2, "INFINITE COST", 2.00, 5),
      Item(3, "HUGE TRADE", 2.00, 5), Item(4, "HUGE RETAIL", 1e13, 5), Item(5, "SOAP", 1.20, 5)};
  items[1].Set(inv::kCostPrice, kInfinity);
  items[2].Set(inv::kTradePrice, -1e300);
  WriteInventory(items);
  for (const char* number : {"1", "2", "3", "4"}) Enter(number);
  EXPECT_EQ(p.ui.messages, std::vector<ShownMessage>(4, {"Problem", "Invalid entry"}));
  EXPECT_EQ(basket().line_count, 0);
  Enter("5");
  EXPECT_EQ(basket().line_count, 1);
  EXPECT_TRUE(std::isfinite(basket().totals.grand_total));
}

}  // namespace
}  // namespace ventro
