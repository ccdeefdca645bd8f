// Payment by a customer with an account: the customer record, the tax-exempt rule, the credit
// limit and the takings.
#include <gtest/gtest.h>

#include "sale/credit_tender.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::Press;
using test::TextAt;

class CreditTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
    WriteCustomers({{7, "A SMITH", "1 HIGH ST", 100.00, 2000, 1},
                    {8, "B JONES", "2 LOW RD", 0, 2000, 0},
                    {9, "C BROWN", "3 MILL LN", 45.00, 50, 1}});
    AddLine(101, "WIDGET", 10.25, 2.05);  // total 12.30
  }
  // Chooses customer `number` and answers dialog 806 with `form`; the summary is closed.
  void Pay(const std::string& number, const std::string& form) {
    p.ui.edit_answers.push_back(number);
    p.ui.dialog_answers.push_back([this, form](Dialog& d) {
      form_dialog = d;
      d.pressed = form;
      return form != "Cancel";
    });
    p.ui.dialog_answers.push_back(Press("OK"));
    PayOnCustomerCredit(session());
  }
  std::string Sales() { return Read("2026/12/6/saleslog.dat"); }

  Dialog form_dialog;
};

TEST_F(CreditTest, ATaxExemptCustomerOnAccountIsChargedWithoutTax) {
  Pay("8", "Credit");
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"EDIT2BOX", "806", "TENBOX"}));
  EXPECT_EQ(form_dialog.Field("total").text, "10.25");
  EXPECT_EQ(form_dialog.Field("tax1").text, "0.00");
  EXPECT_EQ(form_dialog.Field("new_balance").text, "10.25");

  std::string sales = Sales();
  ASSERT_EQ(sales.size(), 1050u);
  EXPECT_EQ(GetAt<int64_t>(sales, 16), 8);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 32), 10.25);   // non-taxable
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 40), 0);       // taxable
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 56), 0);       // tax 1
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 80), 10.25);   // grand total
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 192), 0);      // balance before
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 200), 10.25);  // balance after
  EXPECT_EQ(TextAt(sales, 446, 40), "Credit");
  std::string items = Read("2026/12/6/itemslog.dat");
  EXPECT_DOUBLE_EQ(GetAt<double>(items, 72), 10.25);
  EXPECT_DOUBLE_EQ(GetAt<double>(items, 80), 0);
  EXPECT_DOUBLE_EQ(GetAt<double>(items, 88), 0);
  EXPECT_DOUBLE_EQ(GetAt<double>(items, 120), 10.25);
  EXPECT_EQ(GetAt<int64_t>(items, 16), 8);

  // customer.dat: balance 1158, total purchases 1094, last transaction 1010, last used 1126,
  // transactions 1206.
  std::string customer = CustomerSlot(1);
  EXPECT_DOUBLE_EQ(GetAt<double>(customer, 1158), 10.25);
  EXPECT_DOUBLE_EQ(GetAt<double>(customer, 1094), 10.25);
  EXPECT_EQ(GetAt<int32_t>(customer, 1010), 1);
  EXPECT_EQ(TextAt(customer, 1126, 16), "09:3006/12/2026");
  EXPECT_EQ(GetAt<int32_t>(customer, 1206), 1);
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kTakingsTotal), 0);
}

TEST_F(CreditTest, PayingCashThroughTheAccountLeavesTheBalanceAndCountsTheTakings) {
  Pay("7", "Cash");
  std::string sales = Sales();
  EXPECT_EQ(TextAt(sales, 446, 40), "Cash");
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 12.30);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 56), 2.05);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 192), 100.00);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 200), 0);
  EXPECT_EQ(TextAt(sales, 256, 40), "A SMITH");
  EXPECT_EQ(TextAt(sales, 296, 30), "1 HIGH ST");
  EXPECT_EQ(TextAt(sales, 356, 30), "LEEDS");
  EXPECT_EQ(TextAt(sales, 416, 30), "0113 496 0000");
  std::string customer = CustomerSlot(0);
  EXPECT_DOUBLE_EQ(GetAt<double>(customer, 1158), 100.00);
  EXPECT_DOUBLE_EQ(GetAt<double>(customer, 1094), 12.30);
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kTakingsTotal), 12.30);
  EXPECT_NE(Read("2026/12/6.txt").find("Payment type: Cash\r\nCustomer: 7 A SMITH\r\n"),
            std::string::npos);
}

TEST_F(CreditTest, AnExceededCreditLimitCanBeCancelledOrAccepted) {
  p.ui.edit_answers.push_back("9");
  p.ui.message_answers.push_back(Answer::kCancel);
  PayOnCustomerCredit(session());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Credit limit", "Exceeded"}}));
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));

  Pay("9", "Credit");
  EXPECT_DOUBLE_EQ(GetAt<double>(CustomerSlot(2), 1158), 57.30);
}

TEST_F(CreditTest, NothingHappensWithoutLinesACustomerOrAForm) {
  Pay("77", "Credit");
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Finished", "No match found"}}));
  p.ui.dialog_answers.clear();
  Pay("7", "Cancel");
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
  EXPECT_EQ(GetAt<int32_t>(CustomerSlot(0), 1206), 0);
  EXPECT_EQ(basket().customer_number, 0);

  p.ui.messages.clear();
  basket() = Basket{};
  PayOnCustomerCredit(session());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{
                               {"Payment by customer credit", "Please first select the items"}}));
}

// The amounts a tax-exempt sale on account stores are the sums as computed, not rounded to
// cents again, so the bytes are those any other program working the same figures writes.
TEST_F(CreditTest, ATaxExemptSaleStoresItsAmountsUnrounded) {
  basket() = Basket{};
  v().sale.list.clear();
  AddLine(101, "WIDGET", 0.30, 0.06, 0.10);
  const double line_total = 0.30 + 0.06 + 0.10;
  const double charged = RoundToCents(line_total) - 0.06 - 0.10;
  ASSERT_NE(charged, RoundToCents(charged));  // the figures leave a residue below the cent
  WriteCustomers({{8, "B JONES", "2 LOW RD", 0.20, 2000, 0}});
  Pay("8", "Credit");

  std::string items = Read("2026/12/6/itemslog.dat");
  EXPECT_EQ(GetAt<double>(items, 120), line_total - 0.06 - 0.10);
  std::string sales = Sales();
  EXPECT_EQ(GetAt<double>(sales, 80), charged);
  EXPECT_EQ(GetAt<double>(sales, 200), 0.20 + charged);
  std::string customer = CustomerSlot(0);
  EXPECT_EQ(GetAt<double>(customer, 1158), 0.20 + charged);
  EXPECT_EQ(GetAt<double>(customer, 1094), charged);
}

TEST_F(CreditTest, ARefusedCommitPutsTheCustomerAndTheBasketBack) {
  const std::string customers = Read("customer.dat");
  p.files.failing = {"itemslog.dat"};
  Pay("8", "Credit");
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Not able to write to itemslog.dat"});
  EXPECT_EQ(Read("customer.dat"), customers);
  EXPECT_DOUBLE_EQ(basket().totals.grand_total, 12.30);
  EXPECT_DOUBLE_EQ(basket().tax1[0], 2.05);
  EXPECT_EQ(basket().customer_number, 0);
}

}  // namespace
}  // namespace ventro
