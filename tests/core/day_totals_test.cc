// The day totals read back from real day logs in a temporary data folder, and the day picker.
#include "reports/day_totals.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "reports/day_picker.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::FakeUi;
using test::TempDir;

// Element numbers of the sales record's block of doubles.
constexpr int kNonTaxable = 0, kTaxable = 1, kTax1 = 3, kTax2 = 4, kCost = 5, kGrand = 6,
              kDiscount = 7, kCashBack = 13, kCash = 14, kEft = 15, kCheque = 17;

struct Transaction {
  int64_t number = 0;
  std::string type;
  double grand = 0;
  double cash = 0, eft = 0, cheque = 0, cash_back = 0, discount = 0, cost = 0, tax1 = 0;
  int lines = 0;
};

class DayTotalsTest : public testing::Test {
 protected:
  const Date day_{7, 12, 2026};

  Path Folder() const { return DayLogFolder(dir_.path(), day_.year, day_.month, day_.day); }

  void Append(const char* name, const void* bytes, size_t size) {
    std::filesystem::create_directories(Folder());
    std::ofstream file(Folder() / name, std::ios::binary | std::ios::app);
    file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  }

  // The records a sale, refund or balance payment leaves: the sales record and one items record
  // per line. Refunds are given with their amounts already negated, as they are stored.
  void Log(const Transaction& t) {
    SalesLogRecord sales;
    sales.set_transaction_number(t.number);
    sales.set_payment_type(t.type);
    sales.set_amount(kTaxable, t.grand - t.tax1);
    sales.set_amount(kTax1, t.tax1);
    sales.set_amount(kCost, t.cost);
    sales.set_amount(kGrand, t.grand);
    sales.set_amount(kDiscount, t.discount);
    sales.set_amount(kCashBack, t.cash_back);
    sales.set_amount(kCash, t.cash);
    sales.set_amount(kEft, t.eft);
    sales.set_amount(kCheque, t.cheque);
    sales.set_line_count(t.lines);
    Append("saleslog.dat", sales.data(), SalesLogRecord::kSize);
    for (int i = 0; i < t.lines; ++i) {
      ItemsLogRecord item;
      item.set_transaction_number(t.number);
      item.set_item_number(100 + i);
      Append("itemslog.dat", item.data(), ItemsLogRecord::kSize);
    }
  }

  DayTotals Compute() { return ComputeDayTotals(files_, dir_.path(), day_); }

  TempDir dir_;
  StdFiles files_;
};

TEST_F(DayTotalsTest, CashSaleAndItsRefundCancelOut) {
  Log({.number = 1, .type = "Cash", .grand = 10.0, .cash = 10.0, .cost = 4.0, .lines = 1});
  Log({.number = 2, .type = "Refund", .grand = -10.0, .cash = -10.0, .cost = -4.0, .lines = 1});
  DayTotals totals = Compute();
  EXPECT_DOUBLE_EQ(totals.cash_sales, 10.0);
  EXPECT_DOUBLE_EQ(totals.cash_refunds, -10.0);
  EXPECT_DOUBLE_EQ(totals.total, 0.0);
  EXPECT_DOUBLE_EQ(totals.cost_of_sales, 0.0);
  EXPECT_DOUBLE_EQ(totals.credit_refunds, 0.0);
  EXPECT_EQ(totals.items_sold, 1);
  EXPECT_EQ(totals.items_refunded, 1);
}

TEST_F(DayTotalsTest, EachPaymentKindLandsInItsOwnFigures) {
  Log({.number = 1, .type = "Credit", .grand = 30.0, .lines = 2});
  Log({.number = 2, .type = "Refund", .grand = -7.5, .lines = 1});  // to the customer's account
  Log({.number = 3, .type = "EFT", .grand = 20.0, .eft = 25.0, .cash_back = 5.0, .lines = 1});
  Log({.number = 4,
       .type = "CH",
       .grand = 12.0,
       .cheque = 12.0,
       .discount = 1.5,
       .tax1 = 2.0,
       .lines = 1});
  DayTotals totals = Compute();
  EXPECT_DOUBLE_EQ(totals.credit_sales, 30.0);
  EXPECT_DOUBLE_EQ(totals.cash_sales, 0.0);
  EXPECT_DOUBLE_EQ(totals.credit_refunds, -7.5);
  EXPECT_DOUBLE_EQ(totals.eft_sales, 25.0);
  EXPECT_DOUBLE_EQ(totals.cash_back, 5.0);
  EXPECT_DOUBLE_EQ(totals.cheque_sales, 12.0);
  EXPECT_DOUBLE_EQ(totals.discounts, 1.5);
  EXPECT_DOUBLE_EQ(totals.tax1, 2.0);
  EXPECT_DOUBLE_EQ(totals.total, 54.5);
  EXPECT_DOUBLE_EQ(totals.SalesTotal(), 67.0);
  EXPECT_EQ(totals.items_sold, 4);
  EXPECT_EQ(totals.items_refunded, 1);
}

TEST_F(DayTotalsTest, BalancePaymentAloneIsReadWithoutAnItemsLog) {
  Log({.number = 1, .type = "Payment", .grand = 10.0, .cash = 10.0});
  ASSERT_FALSE(std::filesystem::exists(Folder() / "itemslog.dat"));
  DayTotals totals = Compute();
  EXPECT_DOUBLE_EQ(totals.balance_cash, 10.0);
  EXPECT_DOUBLE_EQ(totals.BalanceTotal(), 10.0);
  EXPECT_DOUBLE_EQ(totals.total, 0.0);
  EXPECT_DOUBLE_EQ(totals.cash_sales, 0.0);
  EXPECT_EQ(totals.items_sold, 0);
  Log({.number = 2, .type = "Payment by cheque", .grand = 5.0, .cheque = 5.0});
  EXPECT_DOUBLE_EQ(Compute().balance_cheque, 5.0);
}

TEST_F(DayTotalsTest, NumberTwiceInTheSalesLogCountsItsLinesOnce) {
  Log({.number = 5, .type = "Cash", .grand = 3.0, .cash = 3.0, .lines = 3});
  Log({.number = 5, .type = "Cash", .grand = 3.0, .cash = 3.0, .lines = 0});
  DayTotals totals = Compute();
  EXPECT_EQ(totals.items_sold, 3);
  EXPECT_DOUBLE_EQ(totals.cash_sales, 6.0);
}

TEST_F(DayTotalsTest, TornTailsAreNotReadAndAMissingDayGivesZeros) {
  EXPECT_DOUBLE_EQ(Compute().total, 0.0);
  Log({.number = 1, .type = "Cash", .grand = 4.0, .cash = 4.0, .lines = 1});
  SalesLogRecord torn;
  torn.set_transaction_number(2);
  torn.set_payment_type("Cash");
  torn.set_amount(kCash, 99.0);
  Append("saleslog.dat", torn.data(), 200);
  ItemsLogRecord torn_item;
  torn_item.set_transaction_number(1);
  Append("itemslog.dat", torn_item.data(), 100);
  DayTotals totals = Compute();
  EXPECT_DOUBLE_EQ(totals.cash_sales, 4.0);
  EXPECT_EQ(totals.items_sold, 1);
}

TEST(DayPickerTest, TakesACalendarDayAndRefusesOthers) {
  FakeUi ui;
  auto typed = [](std::string d, std::string m, std::string y) {
    return [=](Dialog& dialog) {
      dialog.Field("day").text = d;
      dialog.Field("month").text = m;
      dialog.Field("year").text = y;
      return true;
    };
  };
  ui.dialog_answers.push_back(typed("31", "4", "2025"));
  ui.dialog_answers.push_back(typed("1x", "4", "2025"));
  ui.dialog_answers.push_back(typed("29", "2", "2024"));
  std::optional<Date> picked = PickDay(ui, {7, 12, 2026});
  ASSERT_TRUE(picked);
  EXPECT_EQ(picked->day, 29);
  EXPECT_EQ(picked->month, 2);
  EXPECT_EQ(picked->year, 2024);
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Invalid date");

  FakeUi cancelled;
  cancelled.dialog_answers.push_back([](Dialog& dialog) {
    EXPECT_EQ(dialog.title, "Please select the day");
    EXPECT_EQ(dialog.Field("day").text, "7");
    return false;
  });
  EXPECT_FALSE(PickDay(cancelled, {7, 12, 2026}));
  EXPECT_FALSE(IsCalendarDay({29, 2, 2100}));
}

}  // namespace
}  // namespace ventro
