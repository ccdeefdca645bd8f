// The commit of a paid basket into the day logs, read back byte by byte with the offsets of the
// stored layouts.
#include <gtest/gtest.h>

#include "sale/commit.h"
#include "sale/tender.h"
#include "store/settings_file.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::PutAt;
using test::PutTextAt;
using test::TextAt;

class CommitTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}, {102, "GADGET", 0, 0, 0.75}});
  }
  // The basket as tender leaves it: stamped, with its payment type and amount.
  void Pay(const std::string& type) {
    StampBasket(session());
    SetText(basket().texts.payment_type, type);
    if (type == "Cash") basket().totals.cash_amount = basket().totals.grand_total;
  }
  void ThreeLines() {
    AddLine(101, "WIDGET", 10.00, 2.00, 0, 1.50);
    AddLine(102, "GADGET", 4.50, 0.90, 0, 0.75);
    AddLine(0, "DELIVERY", 3.00, 0, 0, 0, false);
  }
};

TEST_F(CommitTest, AThreeLineSaleWritesEveryRecordToTheByte) {
  ThreeLines();
  SetText(basket().texts.note, "LEAVE AT DOOR");
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));
  EXPECT_TRUE(p.ui.messages.empty());

  // The year index: the 4-byte zero header, then {transaction, day, month}.
  std::string year(16, '\0');
  PutAt<int32_t>(year, 4, 1);
  PutAt<int32_t>(year, 8, 6);
  PutAt<int32_t>(year, 12, 12);
  EXPECT_EQ(Read("2026/base.dat"), year);
  EXPECT_EQ(Read("2026/12/base.dat"), "09:30");
  EXPECT_EQ(Read("2026/12/6/base.dat"), "09:30");

  std::string sale(1050, '\0');
  PutAt<int64_t>(sale, 0, 1);     // transaction
  PutAt<int32_t>(sale, 24, 1);    // clerk
  PutAt<int32_t>(sale, 28, 3);    // lines
  PutAt<double>(sale, 32, 3.00);  // non-taxable
  PutAt<double>(sale, 40, 14.50);
  PutAt<double>(sale, 48, 17.50);
  PutAt<double>(sale, 56, 2.90);
  PutAt<double>(sale, 72, 2.25);    // cost
  PutAt<double>(sale, 80, 20.40);   // grand total
  PutAt<double>(sale, 144, 20.40);  // cash
  PutTextAt(sale, 216, "09:30");
  PutTextAt(sale, 236, "Sun 6 Dec 26");
  PutTextAt(sale, 446, "Cash");
  PutTextAt(sale, 970, "LEAVE AT DOOR");
  EXPECT_EQ(Read("2026/12/6/saleslog.dat"), sale);

  std::string items(3 * 132, '\0');
  struct Line {
    int64_t category, item;
    const char* description;
    double non_taxable, taxable, tax1, cost, total;
  };
  const Line lines[] = {{3, 101, "WIDGET", 0, 10.00, 2.00, 1.50, 12.00},
                        {0, 102, "GADGET", 0, 4.50, 0.90, 0.75, 5.40},
                        {18, 0, "DELIVERY", 3.00, 0, 0, 0, 3.00}};
  for (size_t k = 0; k < 3; ++k) {
    const size_t at = 132 * k;
    PutAt<int64_t>(items, at + 0, 1);
    PutAt<int64_t>(items, at + 8, lines[k].category);
    PutAt<int64_t>(items, at + 24, lines[k].item);
    PutTextAt(items, at + 32, lines[k].description);
    PutAt<double>(items, at + 72, lines[k].non_taxable);
    PutAt<double>(items, at + 80, lines[k].taxable);
    PutAt<double>(items, at + 88, lines[k].tax1);
    PutAt<double>(items, at + 104, lines[k].cost);
    PutAt<double>(items, at + 120, lines[k].total);
    PutAt<int32_t>(items, at + 128, 1);
  }
  EXPECT_EQ(Read("2026/12/6/itemslog.dat"), items);

  EXPECT_EQ(Read("2026/12/6.txt"),
            "\r\n09:30 06/12/2026 Sale: 1, Total: 20.40\r\n"
            "101  WIDGET\r\n"
            "102  GADGET\r\n"
            "0  DELIVERY\r\n"
            "Clerk: 1, Administrator   Items: 3\r\n"
            "Payment type: Cash\r\n");
}

TEST_F(CommitTest, StockSoldCountersSettingsAndTheBasketMoveOn) {
  v().settings.Set(cfg::kTakingsTotal, 100.00);
  ThreeLines();
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));

  // inventory.dat: number 0, quantity 670, sold 714, last sold 2049.
  std::string widget = InventorySlot(0);
  EXPECT_EQ(GetAt<int32_t>(widget, 670), 4);
  EXPECT_EQ(GetAt<int32_t>(widget, 714), 1);
  EXPECT_EQ(TextAt(widget, 2049, 16), "09:3006/12/2026");
  std::string gadget = InventorySlot(1);
  EXPECT_EQ(GetAt<int32_t>(gadget, 670), 0);  // out of stock stays at 0
  EXPECT_EQ(GetAt<int32_t>(gadget, 714), 1);

  const SettingsRecord& settings = v().settings;
  EXPECT_EQ(settings.Get(cfg::kNextTransaction), 2);
  EXPECT_DOUBLE_EQ(settings.Get(cfg::kTakingsTotal), 120.40);
  EXPECT_EQ(settings.CategorySoldA(3), 1);
  EXPECT_EQ(settings.CategorySoldB(3), 1);
  EXPECT_EQ(settings.CategorySoldA(0), 1);
  EXPECT_DOUBLE_EQ(settings.Get(cfg::kCategorySalesValue, 3), 12.00);
  EXPECT_DOUBLE_EQ(settings.Get(cfg::kCategorySalesValue, 0), 5.40);
  SettingsRecord saved;
  ASSERT_EQ(LoadSettingsFile(p.files, Data("vt.cfg"), saved), SettingsLoad::kOk);
  EXPECT_EQ(saved.view(), settings.view());

  EXPECT_TRUE(basket().empty());
  EXPECT_TRUE(v().sale.list.empty());
  EXPECT_GT(v().window.screen_changes, 0);
}

// The running takings and the category's sales value are the sums as computed: rounding them
// to cents again would change the stored bytes.
TEST_F(CommitTest, RunningTotalsAreStoredUnrounded) {
  v().settings.Set(cfg::kTakingsTotal, 0.10);
  v().settings.Set(cfg::kCategorySalesValue, 3, 0.10);
  AddLine(101, "WIDGET", 0.20);
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));
  const double sum = 0.10 + 0.20;
  ASSERT_NE(sum, RoundToCents(sum));
  EXPECT_EQ(v().settings.Get(cfg::kTakingsTotal), sum);
  EXPECT_EQ(v().settings.Get(cfg::kCategorySalesValue, 3), sum);
}

TEST_F(CommitTest, CreditSalesLeaveTheTakingsAloneAndSplitsCustomersAndDiscountsAreLogged) {
  AddLine(101, "WIDGET", 10.00, 2.00);
  Pay("Credit");
  basket().customer_number = 7;
  SetText(basket().texts.customer_name, "A SMITH");
  ASSERT_TRUE(CommitTransaction(session()));
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kTakingsTotal), 0);

  AddLine(101, "WIDGET", 10.00, 2.00);
  Pay("Split");
  basket().totals.cash_amount = 5.00;
  basket().totals.eft_amount = 7.00;
  basket().totals.discount_total = 1.25;
  ASSERT_TRUE(CommitTransaction(session()));
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kTakingsTotal), 12.00);

  EXPECT_EQ(Read("2026/12/6.txt"),
            "\r\n09:30 06/12/2026 Sale: 1, Total: 12.00\r\n101  WIDGET\r\n"
            "Clerk: 1, Administrator   Items: 1\r\nPayment type: Credit\r\n"
            "Customer: 7 A SMITH\r\n"
            "\r\n09:30 06/12/2026 Sale: 2, Total: 12.00\r\n101  WIDGET\r\n"
            "Clerk: 1, Administrator   Items: 1\r\nPayment type: Split\r\n"
            "Cash: 5.00  CH: 0.00  EFT: 7.00\r\nDiscount: 1.25\r\n");
  std::string sales = Read("2026/12/6/saleslog.dat");
  ASSERT_EQ(sales.size(), 2100u);
  EXPECT_EQ(GetAt<int64_t>(sales, 16), 7);
  EXPECT_EQ(TextAt(sales, 256, 40), "A SMITH");
  EXPECT_EQ(GetAt<int64_t>(sales, 1050), 2);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 1050 + 88), 1.25);
  EXPECT_EQ(Read("2026/base.dat").size(), 4u + 2 * 12);
}

TEST_F(CommitTest, TheFirstSaleOfANewYearStartsItsOwnYearIndex) {
  AddLine(101, "WIDGET", 10.00);
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));

  p.clock.Set(2027, 1, 1, 8, 5);
  AddLine(101, "WIDGET", 10.00);
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));

  EXPECT_EQ(Read("2026/base.dat").size(), 16u);
  std::string year = Read("2027/base.dat");
  ASSERT_EQ(year.size(), 16u);
  EXPECT_EQ(GetAt<int32_t>(year, 0), 0);
  EXPECT_EQ(GetAt<int32_t>(year, 4), 2);
  EXPECT_EQ(GetAt<int32_t>(year, 8), 1);
  EXPECT_EQ(GetAt<int32_t>(year, 12), 1);
  EXPECT_EQ(Read("2027/1/base.dat"), "08:05");
  EXPECT_EQ(Read("2027/1/1/base.dat"), "08:05");
  EXPECT_EQ(Read("2027/1/1/saleslog.dat").size(), 1050u);
  EXPECT_EQ(TextAt(Read("2027/1/1/saleslog.dat"), 236, 20), "Fri 1 Jan 27");
}

TEST_F(CommitTest, ABasketWithAnUnknownItemWritesNothingAndKeepsItsNumber) {
  const std::string inventory = Read("inventory.dat");
  AddLine(101, "WIDGET", 10.00);
  AddLine(999, "GONE", 4.00);
  Pay("Cash");
  EXPECT_FALSE(CommitTransaction(session()));

  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Invalid entry"});
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
  EXPECT_FALSE(Exists("2026/12/6/itemslog.dat"));
  EXPECT_FALSE(Exists("2026/base.dat"));
  EXPECT_FALSE(Exists("2026/12/6.txt"));
  EXPECT_EQ(Read("inventory.dat"), inventory);
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 1);
  EXPECT_FALSE(Exists("vt.cfg"));
  EXPECT_EQ(basket().line_count, 2);
  EXPECT_EQ(v().sale.list.size(), 2u);
}

TEST_F(CommitTest, AMissingInventoryFileStopsTheCommitBeforeAnyLog) {
  AddLine(101, "WIDGET", 10.00);
  Pay("Cash");
  std::filesystem::remove(Data("inventory.dat"));
  EXPECT_FALSE(CommitTransaction(session()));
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].title, "Fatal error");
  EXPECT_EQ(p.ui.messages[0].text, "Data file: inventory.dat, not present.");
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 1);
}

TEST_F(CommitTest, ATrailingPartialRecordIsCutBeforeTheAppend) {
  AddLine(101, "WIDGET", 10.00);
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));
  // An append that was cut short leaves a partial record at the end of each log.
  const std::string first_sale = Read("2026/12/6/saleslog.dat");
  const std::string first_items = Read("2026/12/6/itemslog.dat");
  const std::string first_year = Read("2026/base.dat");
  std::ofstream(Data("2026/12/6/saleslog.dat"), std::ios::binary | std::ios::app)
      << std::string(500, 'x');
  std::ofstream(Data("2026/12/6/itemslog.dat"), std::ios::binary | std::ios::app)
      << std::string(50, 'x');
  std::ofstream(Data("2026/base.dat"), std::ios::binary | std::ios::app) << std::string(7, 'x');

  AddLine(101, "WIDGET", 10.00);
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));
  std::string sales = Read("2026/12/6/saleslog.dat");
  ASSERT_EQ(sales.size(), 2100u);
  EXPECT_EQ(sales.substr(0, 1050), first_sale);
  EXPECT_EQ(GetAt<int64_t>(sales, 1050), 2);
  std::string items = Read("2026/12/6/itemslog.dat");
  ASSERT_EQ(items.size(), 264u);
  EXPECT_EQ(items.substr(0, 132), first_items);
  EXPECT_EQ(GetAt<int64_t>(items, 132), 2);
  std::string year = Read("2026/base.dat");
  ASSERT_EQ(year.size(), 28u);
  EXPECT_EQ(year.substr(0, 16), first_year);
  EXPECT_EQ(GetAt<int32_t>(year, 16), 2);
}

TEST_F(CommitTest, AFailedWriteTakesBackEverythingTheCommitWrote) {
  AddLine(101, "WIDGET", 10.00);
  Pay("Cash");
  ASSERT_TRUE(CommitTransaction(session()));
  const std::string sales = Read("2026/12/6/saleslog.dat");
  const std::string year = Read("2026/base.dat");
  const std::string inventory = Read("inventory.dat");

  p.files.failing = {"itemslog.dat"};
  AddLine(101, "WIDGET", 10.00);
  Pay("Cash");
  EXPECT_FALSE(CommitTransaction(session()));
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Not able to write to itemslog.dat"});
  EXPECT_EQ(Read("2026/12/6/saleslog.dat"), sales);
  EXPECT_EQ(Read("2026/base.dat"), year);
  EXPECT_EQ(Read("inventory.dat"), inventory);
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 2);
  EXPECT_EQ(v().settings.CategorySoldA(3), 1);
  EXPECT_EQ(basket().line_count, 1);

  p.files.failing = {"inventory.dat"};
  EXPECT_FALSE(CommitTransaction(session()));
  EXPECT_EQ(p.ui.messages.back().text, "Not able to write to inventory.dat");
  EXPECT_EQ(Read("2026/12/6/saleslog.dat"), sales);
  EXPECT_EQ(Read("2026/12/6/itemslog.dat").size(), 132u);
}

TEST_F(CommitTest, ASettingsFileThatCannotBeSavedRefusesTheSaleWithItsNumber) {
  // Never a sale on the disk under a number the settings file does not move past.
  const std::string inventory = Read("inventory.dat");
  for (bool read_only : {false, true}) {
    (read_only ? p.files.unwritable : p.files.failing) = {"vt.cfg"};
    AddLine(101, "WIDGET", 10.00);
    Pay("Cash");
    EXPECT_FALSE(CommitTransaction(session()));
    EXPECT_EQ(p.ui.messages.back(), (test::ShownMessage{"Problem", "Not able to write to vt.cfg"}));
    EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 1);
    EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
    EXPECT_EQ(Read("inventory.dat"), inventory);
    EXPECT_FALSE(Exists("journal.dat"));
    EXPECT_EQ(basket().line_count, 1);
    p.files.failing.clear();
    p.files.unwritable.clear();
    basket() = Basket{};
    v().sale.list.clear();
  }
}

TEST_F(CommitTest, AnEmptyScreenListClearsTheBasketAndTillOpenedIsLogged) {
  AddLine(101, "WIDGET", 10.00);
  v().sale.list.clear();
  EXPECT_FALSE(CommitTransaction(session()));
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"No items"});
  EXPECT_TRUE(basket().empty());

  p.clock.Set(2026, 12, 6, 14, 7);
  LogTillOpened(session());
  EXPECT_EQ(Read("2026/12/6.txt"), "\r\n14:07 06/12/2026  Till opened.\r\n");
}

}  // namespace
}  // namespace ventro
