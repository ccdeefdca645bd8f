// Cash, cheque, split and petty cash payments through the core, committed to real files.
#include <gtest/gtest.h>

#include "sale/cash_box.h"
#include "sale/tender.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::Press;
using test::TextAt;

TEST(CashBoxTest, QuickAmounts) {
  struct Case {
    double total;
    std::array<double, 3> quick;
  };
  const Case cases[] = {
      {12.30, {15, 20, 50}}, {15.00, {20, 30, 100}},    {17.00, {20, 30, 50}},
      {3.00, {5, 10, 20}},   {5.00, {10, 20, 70}},      {5.01, {10, 20, 50}},
      {46.00, {50, 60, 50}}, {100.00, {105, 110, 150}},
  };
  for (const Case& c : cases) EXPECT_EQ(QuickAmounts(c.total), c.quick) << c.total;
}

TEST(CashBoxTest, TypedCentsAndTheLiveChange) {
  EXPECT_EQ(TypedCents("1234"), 12.34);
  EXPECT_EQ(TypedCents("5"), 0.05);
  EXPECT_EQ(TypedCents("50"), 0.50);
  EXPECT_EQ(TypedCents(""), std::nullopt);
  // A point or sign among the cents is refused, never read as another amount ("12.50" was
  // once 12.00, short-changing the customer 0.50).
  EXPECT_EQ(TypedCents("12.50"), std::nullopt);
  EXPECT_EQ(TypedCents("12,50"), std::nullopt);
  EXPECT_EQ(TypedCents("-500"), std::nullopt);
  EXPECT_EQ(ChangeText(TypedCents("12.50"), 10.00), "");
  EXPECT_EQ(ChangeText(TypedCents("1229"), 12.30), "");
  EXPECT_EQ(ChangeText(TypedCents("1230"), 12.30), "0.00");
  EXPECT_EQ(ChangeText(TypedCents("2000"), 12.30), "7.70");
  EXPECT_EQ(ChangeText(std::nullopt, 0), "0.00");
  EXPECT_EQ(WholeCents(-1), 0);
  EXPECT_EQ(WholeCents(0.29), 29);
}

class CashTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
    AddLine(101, "WIDGET", 10.25, 2.05);  // total 12.30
  }
  // Records what the summary shows and closes it.
  void ExpectSummary() {
    p.ui.dialog_answers.push_back([this](Dialog& d) {
      summary = d;
      return true;
    });
  }
  std::string Sales() { return Read("2026/12/6/saleslog.dat"); }

  Dialog summary;
};

TEST_F(CashTest, TypedCentsGiveTheChangeAndTheSaleIsCommittedAsCash) {
  p.ui.dialog_answers.push_back(Press("OK", "amount", "2000"));
  ExpectSummary();
  PayCash(session());

  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"CASHBOX", "TENBOX"}));
  EXPECT_EQ(summary.title, "Transaction committed, summary");
  EXPECT_EQ(summary.Field("total").text, "12.30");
  EXPECT_EQ(summary.Field("tendered").text, "20.00");
  EXPECT_EQ(summary.Field("change").text, "7.70");
  std::string sales = Sales();
  ASSERT_EQ(sales.size(), 1050u);
  EXPECT_EQ(TextAt(sales, 446, 40), "Cash");
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 12.30);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 0);
  EXPECT_TRUE(basket().empty());
  EXPECT_FALSE(v().sale.payment_in_progress);
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kDone});
}

TEST_F(CashTest, TooLittleKeepsTheBoxOpenAndQuickAndExactAmountsClose) {
  Dialog box;
  p.ui.dialog_answers.push_back(Press("OK", "amount", "1229"));
  p.ui.dialog_answers.push_back([&box](Dialog& d) {
    box = d;  // the box comes back with what was typed
    d.pressed = "OK";
    d.Field("amount").text.clear();
    return true;
  });
  p.ui.dialog_answers.push_back(Press("20.00"));
  ExpectSummary();
  PayCash(session());
  EXPECT_EQ(p.ui.MessageTexts(), (std::vector<std::string>{"Less than total", "Less than total"}));
  EXPECT_EQ(box.Field("amount").text, "1229");
  EXPECT_EQ(box.Field("change").text, "");
  EXPECT_EQ(box.buttons,
            (std::vector<std::string>{"OK", "Exact amount", "15.00", "20.00", "50.00", "Cancel"}));
  EXPECT_EQ(summary.Field("tendered").text, "20.00");
  EXPECT_EQ(summary.Field("change").text, "7.70");

  AddLine(101, "WIDGET", 10.25, 2.05);
  p.ui.dialog_answers.push_back(Press("Exact amount"));
  ExpectSummary();
  PayCash(session());
  EXPECT_EQ(summary.Field("tendered").text, "12.30");
  EXPECT_EQ(summary.Field("change").text, "0.00");
  EXPECT_EQ(Sales().size(), 2100u);
}

TEST_F(CashTest, TheCashFieldsAreTypedInCents) {
  Dialog cash_box;
  p.ui.dialog_answers.push_back([&cash_box](Dialog& d) {
    cash_box = d;
    d.pressed = "Cancel";
    return false;
  });
  PayCash(session());
  Dialog split;
  p.ui.dialog_answers.push_back([&split](Dialog& d) {
    split = d;
    d.pressed = "Cancel";
    return false;
  });
  PaySplit(session());
  EXPECT_EQ(cash_box.Field("amount").kind, FieldKind::kCents);
  EXPECT_EQ(split.Field("cash").kind, FieldKind::kCents);
}

TEST_F(CashTest, CancelOrAnEmptyBasketChangesNothing) {
  p.ui.dialog_answers.push_back(Press("Cancel"));
  PayCash(session());
  EXPECT_EQ(basket().line_count, 1);
  EXPECT_FALSE(v().sale.payment_in_progress);
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));

  v().sale.payment_in_progress = true;  // another payment dialog is open
  PayCash(session());
  EXPECT_EQ(p.ui.dialogs_run.size(), 1u);
  v().sale.payment_in_progress = false;

  basket() = Basket{};
  PayCheque(session());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Please select items"}}));
}

TEST_F(CashTest, ChequeIsPaidAtOnce) {
  ExpectSummary();
  PayCheque(session());
  std::string sales = Sales();
  EXPECT_EQ(TextAt(sales, 446, 40), "CH");
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 168), 12.30);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 0);
  EXPECT_EQ(summary.Field("change").text, "0.00");
}

TEST_F(CashTest, ASplitWithNoCashPutsTheWholeTotalOnTheCard) {
  p.ui.dialog_answers.push_back(Press("OK"));  // cash left empty, EFT preselected
  p.ui.dialog_answers.push_back(Press("Exact amount"));
  ExpectSummary();
  PaySplit(session());
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"SPLIT", "CASHBOX", "TENBOX"}));
  std::string sales = Sales();
  EXPECT_EQ(TextAt(sales, 446, 40), "Split");
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 0);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 12.30);
  EXPECT_NE(Read("2026/12/6.txt").find("Cash: 0.00  CH: 0.00  EFT: 12.30\r\n"), std::string::npos);
}

TEST_F(CashTest, ASplitRefusesTooMuchCashAndTakesTheRestByCheque) {
  Dialog again;
  p.ui.dialog_answers.push_back(Press("OK", "cash", "1231"));
  p.ui.dialog_answers.push_back([&again](Dialog& d) {
    again = d;
    test::Type(d, "cash", "500");
    d.Field("rest").choice = 0;  // CH
    d.pressed = "OK";
    return true;
  });
  Dialog cash_box;
  p.ui.dialog_answers.push_back([&cash_box](Dialog& d) {
    cash_box = d;
    d.pressed = "10.00";
    return true;
  });
  ExpectSummary();
  PaySplit(session());
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Cash exceeds total"});
  EXPECT_EQ(again.Field("cash").text, "");
  EXPECT_EQ(cash_box.Field("total").text, "5.00");
  EXPECT_EQ(summary.Field("tendered").text, "10.00");
  EXPECT_EQ(summary.Field("change").text, "5.00");
  std::string sales = Sales();
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 5.00);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 168), 7.30);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 0);
}

TEST_F(CashTest, TheRestOfASplitIsStoredAsComputed) {
  p.ui.dialog_answers.push_back(Press("OK", "cash", "510"));
  p.ui.dialog_answers.push_back(Press("Exact amount"));
  ExpectSummary();
  PaySplit(session());
  const double rest = 12.30 - 5.10;
  ASSERT_NE(rest, RoundToCents(rest));
  std::string sales = Sales();
  EXPECT_EQ(GetAt<double>(sales, 144), 5.10);
  EXPECT_EQ(GetAt<double>(sales, 152), rest);
}

TEST_F(CashTest, ACancelledSplitCashBoxLeavesNoAmountsBehind) {
  p.ui.dialog_answers.push_back(Press("OK", "cash", "500"));
  p.ui.dialog_answers.push_back(Press("Cancel"));
  PaySplit(session());
  EXPECT_DOUBLE_EQ(basket().totals.cash_amount, 0);
  EXPECT_DOUBLE_EQ(basket().totals.eft_amount, 0);

  p.ui.dialog_answers.push_back(Press("Exact amount"));
  ExpectSummary();
  PayCash(session());
  std::string sales = Sales();
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 144), 12.30);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 0);
}

TEST_F(CashTest, ASaleThatCannotBeCommittedIsRefusedBeforeAnyDialog) {
  AddLine(999, "GONE", 1.00);
  PayCash(session());
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Invalid entry"});
  EXPECT_TRUE(p.ui.dialogs_run.empty());
}

TEST_F(CashTest, PettyCashAddsToItsRunningTotal) {
  v().settings.Set(cfg::kPettyCashTotal, 1.50);
  p.ui.edit_answers = {"-2", "2.499"};
  RecordPettyCash(session());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Problem", "Negative amount"},
                                                            {"Petty cash payment", "Recorded"}}));
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kPettyCashTotal), 4.00);
  EXPECT_TRUE(Exists("vt.cfg"));
  EXPECT_FALSE(Exists("2026/12/6.txt"));
  EXPECT_EQ(basket().line_count, 1);
}

}  // namespace
}  // namespace ventro
