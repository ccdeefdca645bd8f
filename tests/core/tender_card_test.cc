// Card payments with and without cash back.
#include <gtest/gtest.h>

#include "sale/tender.h"
#include "tender_fixture.h"

namespace ventro {
namespace {

using test::GetAt;
using test::Press;
using test::TextAt;

class CardTest : public test::SaleTest {
 protected:
  void SetUp() override {
    WriteInventory({{101, "WIDGET", 3, 5, 1.50}});
    AddLine(101, "WIDGET", 10.25, 2.05);  // total 12.30
    p.ui.dialog_answers.clear();
  }
  void CloseSummary() {
    p.ui.dialog_answers.push_back([this](Dialog& d) {
      summary = d;
      return true;
    });
  }
  std::string Sales() { return Read("2026/12/6/saleslog.dat"); }

  Dialog summary;
};

TEST_F(CardTest, APlainCardPaymentRecordsTheEftAmount) {
  p.ui.dialog_answers.push_back(Press("Payment"));
  CloseSummary();
  PayCard(session());
  EXPECT_EQ(p.ui.dialogs_run, (std::vector<std::string>{"BBOX", "TENBOX"}));
  std::string sales = Sales();
  EXPECT_EQ(TextAt(sales, 446, 40), "EFT");
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 12.30);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 136), 0);
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kTakingsTotal), 12.30);
}

TEST_F(CardTest, CashBackAboveOneHundredIsConfirmedAndRecordedBesideTheEftAmount) {
  // Answered No: the card payment is abandoned.
  p.ui.dialog_answers.push_back(Press("Payment plus cashback"));
  p.ui.dialog_answers.push_back(Press("OK", "amount", "150"));
  p.ui.message_answers.push_back(Answer::kNo);
  PayCard(session());
  EXPECT_EQ(p.ui.messages, (std::vector<test::ShownMessage>{{"Please confirm", "150"}}));
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kCashbackTotal), 0);
  EXPECT_EQ(basket().line_count, 1);

  p.ui.dialog_answers.push_back(Press("Payment plus cashback"));
  p.ui.dialog_answers.push_back(Press("OK", "amount", "150"));
  p.ui.message_answers.push_back(Answer::kYes);
  CloseSummary();
  PayCard(session());
  std::string sales = Sales();
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 12.30);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 136), 150.00);
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kCashbackTotal), 150.00);
  EXPECT_EQ(summary.Field("change").text, "CB: 150.00");
  EXPECT_EQ(summary.Field("tendered").text, "12.30");
}

TEST_F(CardTest, SmallCashBackIsTakenAsAWholeAmountWithoutAQuestion) {
  p.ui.dialog_answers.push_back(Press("Payment plus cashback"));
  p.ui.dialog_answers.push_back(Press("OK", "amount", "20.75"));
  CloseSummary();
  PayCard(session());
  EXPECT_TRUE(p.ui.messages.empty());
  EXPECT_DOUBLE_EQ(GetAt<double>(Sales(), 136), 20.00);
}

TEST_F(CardTest, CancelAnywhereEndsTheCommand) {
  p.ui.dialog_answers.push_back(Press("Cancel"));
  PayCard(session());
  p.ui.dialog_answers.push_back(Press("Payment plus cashback"));
  p.ui.dialog_answers.push_back(Press("Cancel"));
  PayCard(session());
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
  EXPECT_EQ(basket().line_count, 1);
}

TEST_F(CardTest, ARestrictedClerkBarredFromCashBackIsNotAsked) {
  v().screen.restricted = true;
  v().settings.Set(cfg::kSignedOnClerk, 5);
  v().settings.Set(cfg::kCashbackControlled, 2);
  CloseSummary();
  PayCard(session());
  EXPECT_EQ(p.ui.dialogs_run, std::vector<std::string>{"TENBOX"});
  std::string sales = Sales();
  EXPECT_EQ(GetAt<int32_t>(sales, 24), 5);
  EXPECT_DOUBLE_EQ(GetAt<double>(sales, 152), 12.30);
}

TEST_F(CardTest, ARefusedCommitTakesTheCashBackOffTheRunningTotal) {
  p.files.failing = {"saleslog.dat"};
  p.ui.dialog_answers.push_back(Press("Payment plus cashback"));
  p.ui.dialog_answers.push_back(Press("OK", "amount", "30"));
  CloseSummary();
  PayCard(session());
  EXPECT_EQ(p.ui.MessageTexts(), std::vector<std::string>{"Not able to write to saleslog.dat"});
  EXPECT_DOUBLE_EQ(v().settings.Get(cfg::kCashbackTotal), 0);
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 1);
  EXPECT_EQ(basket().line_count, 1);
}

}  // namespace
}  // namespace ventro
