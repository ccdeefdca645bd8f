// Refunds: the records written with negated totals, the items back in stock or not, the credit
// to a customer's account, the day text entry, and the refunds that change nothing because a
// line or a log cannot be written.
#include <gtest/gtest.h>

#include "sale/refund.h"
#include "store/settings_file.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::TextAt;

class RefundTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}, {102, "GADGET", 0, 2, 0.75}});
    WriteCustomers({{7, "A SMITH", "1 HIGH ST", 100.00}});
    v().settings.Set(cfg::kClerkName, 1, "ADMIN");
  }
  // Answers dialog 807 with the form, the stock choice and the receipt box.
  void Refund(int form = 0, int stock = 0, bool print = false) {
    p.ui.dialog_answers.push_back([=, this](Dialog& d) {
      shown = d;
      d.Field("form").choice = form;
      d.Field("stock").choice = stock;
      d.Field("print").checked = print;
      d.pressed = "OK";
      return true;
    });
    RefundBasket(session());
  }
  std::string Sales() { return Read("2026/12/6/saleslog.dat"); }
  std::string Items() { return Read("2026/12/6/itemslog.dat"); }

  Dialog shown;
};

TEST_F(RefundTest, ACashRefundWritesNegatedTotalsAndPositiveLines) {
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  const std::string before = InventorySlot(0);
  Refund();
  EXPECT_EQ(shown.name, "807");
  EXPECT_EQ(shown.Field("transaction").text, "1");
  EXPECT_EQ(shown.Field("total").text, "11.00");
  EXPECT_TRUE(p.ui.messages.empty());

  const std::string sales = Sales();
  ASSERT_EQ(sales.size(), 1050u);
  EXPECT_EQ(GetAt<int64_t>(sales, 0), 1);
  EXPECT_EQ(GetAt<int32_t>(sales, 24), 1);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 40), -10.00);   // taxable
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 48), -10.00);   // net
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 56), -1.00);    // tax 1
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 72), -1.50);    // cost
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 80), -11.00);   // grand total
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), -11.00);  // cash
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 0);       // EFT
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 168), 0);       // cheque
  EXPECT_EQ(TextAt(sales, 216, 20), "09:30");
  EXPECT_EQ(TextAt(sales, 446, 40), "Refund");

  const std::string items = Items();
  ASSERT_EQ(items.size(), 132u);
  EXPECT_EQ(GetAt<int64_t>(items, 8), 3);  // category
  EXPECT_EQ(GetAt<int64_t>(items, 24), 101);
  EXPECT_DOUBLE_EQ(GetAt<double>(items, 80), 10.00);
  EXPECT_DOUBLE_EQ(GetAt<double>(items, 120), 11.00);
  EXPECT_EQ(Read("2026/base.dat").size(), 16u);

  // Back in stock with its last-sold stamp; nothing else of the record moves.
  const std::string after = InventorySlot(0);
  EXPECT_EQ(GetAt<int32_t>(after, 670), 6);
  EXPECT_EQ(TextAt(after, 2049, 16), "09:3006/12/2026");
  EXPECT_EQ(after.substr(0, 670), before.substr(0, 670));

  EXPECT_EQ(Read("2026/12/6.txt"),
            "\r\n09:30 06/12/2026 Refund: 1, Total: -11.00\r\n101  WIDGET\r\n"
            "Clerk: 1, ADMIN   Items: 1\r\nForm: Cash\r\nCustomer: 0 \r\n");
  EXPECT_TRUE(basket().empty());
  EXPECT_TRUE(v().sale.list.empty());
}

TEST_F(RefundTest, TheCounterAndRefundTotalsAreSavedWithTheRefund) {
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  AddLine(0, "DELIVERY", 2.00, 0, 0, 0, false);
  v().settings.SetCategorySoldA(3, 4);
  v().settings.SetCategorySoldB(3, 4);
  v().settings.Set(cfg::kCategorySalesValue, 3, 50.0);
  Refund(1);

  // As the next start reads them.
  SettingsRecord restarted;
  ASSERT_EQ(LoadSettingsFile(p.files, v().paths.settings, restarted), SettingsLoad::kOk);
  EXPECT_EQ(restarted.Get(cfg::kNextTransaction), 2);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kRefundTotal, RefundTotal::kGrandTotal), -13.00);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kRefundTotal, RefundTotal::kNonTaxable), -2.00);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kRefundTotal, RefundTotal::kTaxable), -10.00);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kRefundTotal, RefundTotal::kNet), -12.00);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kRefundTotal, RefundTotal::kTax1), -1.00);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kRefundCostTotal), -1.50);
  EXPECT_EQ(restarted.CategorySoldA(3), 3);
  EXPECT_EQ(restarted.CategorySoldB(3), 3);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kCategorySalesValue, 3), 39.00);
  EXPECT_DOUBLE_EQ(restarted.Get(cfg::kTakingsTotal), 0);
  EXPECT_EQ(v().settings.view(), restarted.view());

  const std::string sales = Sales();
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 168), -13.00);  // cheque
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 0);
  EXPECT_EQ(GetAt<int64_t>(Items(), 132 + 8), 18);  // the line without an item
}

TEST_F(RefundTest, FaultyItemsStayOutOfStockButTheCountersFall) {
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  v().settings.SetCategorySoldA(3, 1);
  const std::string before = Read("inventory.dat");
  Refund(2, 1);
  EXPECT_EQ(Read("inventory.dat"), before);
  EXPECT_EQ(v().settings.CategorySoldA(3), 0);
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kCategorySalesValue, 3), -11.00);
  EXPECT_DOUBLE_EQ(GetAt<double>(Sales(), 152), -11.00);  // EFT
}

TEST_F(RefundTest, ACreditRefundLowersTheBalanceAndRecordsNoMoneyOut) {
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  p.ui.edit_answers.push_back("7");
  Refund(3);
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].title, "7 Name: A SMITH");
  EXPECT_EQ(p.ui.messages[0].text, "Credit this customer?");

  const std::string customer = CustomerSlot(0);
  EXPECT_DOUBLE_EQ(GetAt<double>(customer, 1158), 89.00);  // balance
  EXPECT_EQ(TextAt(customer, 1126, 16), "09:3006/12/2026");
  const std::string sales = Sales();
  EXPECT_EQ(GetAt<int64_t>(sales, 16), 7);
  EXPECT_EQ(TextAt(sales, 256, 40), "A SMITH");
  for (size_t amount : {144u, 152u, 168u}) EXPECT_DOUBLE_EQ(GetAt<double>(sales, amount), 0);
  EXPECT_EQ(GetAt<int64_t>(Items(), 16), 7);
  const std::string text = Read("2026/12/6.txt");
  EXPECT_NE(text.find("Form: Credit\r\nCustomer: 7 A SMITH\r\n"), std::string::npos);
}

TEST_F(RefundTest, DecliningTheCustomerOrTheDialogChangesNothing) {
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  const Basket before = basket();
  p.ui.edit_answers.push_back("7");
  p.ui.message_answers.push_back(Answer::kCancel);
  Refund(3);
  p.ui.dialog_answers.push_back(test::Press("Cancel"));
  RefundBasket(session());
  EXPECT_EQ(basket(), before);
  EXPECT_FALSE(Exists("2026"));
  EXPECT_FALSE(Exists("vt.cfg"));
}

// A refund that cannot be written whole writes nothing and keeps the basket for another try.
class RefusedRefundTest : public RefundTest {
 protected:
  void ExpectNothingChanged() {
    EXPECT_EQ(basket(), kept);
    EXPECT_EQ(v().sale.list.size(), 2u);
    EXPECT_EQ(Read("inventory.dat"), inventory);
    EXPECT_EQ(Read("customer.dat"), customers);
    EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
    EXPECT_FALSE(Exists("2026/12/6/itemslog.dat"));
    EXPECT_FALSE(Exists("2026/12/6.txt"));
    EXPECT_FALSE(Exists("vt.cfg"));
    EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 1);
  }
  void Remember() {
    kept = basket();
    inventory = Read("inventory.dat");
    customers = Read("customer.dat");
  }
  Basket kept;
  std::string inventory;
  std::string customers;
};

TEST_F(RefusedRefundTest, AnUnknownItemOnLineTwo) {
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  AddLine(999, "GONE", 3.00, 0.30);
  Remember();
  Refund();
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].text, "Invalid entry");
  ExpectNothingChanged();
}

TEST_F(RefusedRefundTest, AnItemsLogThatCannotBeOpened) {
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  AddLine(102, "GADGET", 4.50, 0.45, 0, 0.75);
  Remember();
  p.files.unwritable = {"itemslog.dat"};
  p.ui.edit_answers.push_back("7");
  Refund(3);
  ASSERT_EQ(p.ui.messages.size(), 2u);
  EXPECT_EQ(p.ui.messages[1].title, "Problem");
  EXPECT_EQ(p.ui.messages[1].text, "Not able to write to itemslog.dat");
  ExpectNothingChanged();
  EXPECT_EQ(Read("2026/base.dat").size(), 4u);  // the header of the folder made for the day
}

TEST_F(RefundTest, AnEmptyBasketOrAPaymentInProgress) {
  RefundBasket(session());
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].text, "No items");
  AddLine(101, "WIDGET", 10.00, 1.00);
  v().sale.payment_in_progress = true;
  RefundBasket(session());
  EXPECT_TRUE(p.ui.dialogs_run.empty());
}

TEST_F(RefundTest, TheRefundReceiptIsPrintedWhenAskedFor) {
  v().settings.Set(cfg::kReceiptPrinterName, "TILL");
  AddLine(101, "WIDGET", 10.00, 1.00, 0, 1.50);
  Refund(0, 0, true);
  ASSERT_EQ(p.printer.documents.size(), 1u);
  EXPECT_EQ(p.printer.documents[0]->printer, "TILL");
  EXPECT_TRUE(basket().empty());
}

}  // namespace
}  // namespace ventro
