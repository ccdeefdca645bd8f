// Balance payments recorded as transactions of their own, all or nothing; the direct amendment
// of a balance; the statement and period activity built from the day sales logs.
#include "customers/customer_payment.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "customer_fixture.h"
#include "customers/statement.h"
#include "records/period_dialog.h"

namespace ventro {
namespace {

using test::GetAt;
using test::PutAt;
using test::PutTextAt;
using test::ShownMessage;
using test::TextAt;

class PaymentTest : public test::CustomerTest {
 protected:
  void SetUp() override {
    v().settings.Set(cfg::kNextTransaction, 41);
    WriteAccounts({{4, "ANN"}, {5, "ACME LTD", 1, "10:1501/11/2026", 20.0}});
  }
  // Pays `amount` by method `method` (0 cash, 1 CH, 2 EFT) for customer 5.
  void Pay(const std::string& amount, int method = 0) {
    Prompt("5");
    p.ui.dialog_answers.push_back([=, this](Dialog& d) {
      payment_dialog = d;
      d.Field("pay").text = amount;
      d.Field("method").choice = method;
      return true;
    });
    PayBalance(desk);
  }
  double Balance() { return Slot(1).Get(cust::kBalance); }

  Dialog payment_dialog;
};

TEST_F(PaymentTest, PayingTheBalanceLeavesZeroWithoutAQuestion) {
  Reply(Answer::kNo);
  Pay("20");
  EXPECT_EQ(Balance(), 0.0);
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Print receipt?", "Customer 5 updated."}}));
  EXPECT_EQ(payment_dialog.focus, "pay");
  EXPECT_EQ(payment_dialog.Field("method").choice, 0);
  EXPECT_EQ(payment_dialog.Field("balance").text, "20.00");
  EXPECT_EQ(payment_dialog.Field("last_purchase").text, "10:15 Sun 1 Nov 26");
  EXPECT_EQ(p.sound.played, std::vector<SoundId>{SoundId::kDone});
  EXPECT_EQ(v().window.screen_changes, 1);
}

TEST_F(PaymentTest, PayingMoreAsksAndMayTakeTheBalanceBelowZero) {
  Reply(Answer::kCancel);
  Pay("25");
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Continue", "Exceeds amount due"}}));
  EXPECT_EQ(Balance(), 20.0);
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));

  Reply(Answer::kOk);
  Reply(Answer::kNo);
  Pay("25");
  EXPECT_EQ(Balance(), -5.0);
}

TEST_F(PaymentTest, AnAmountIsTakenToTheCentAndNothingOrLessIsRefused) {
  for (const char* amount : {"", "0", "-5", "abc", "0.004", "nan"}) {
    p.ui.messages.clear();
    Pay(amount);
    EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "No amount specified."}}))
        << amount;
  }
  EXPECT_EQ(Balance(), 20.0);
  EXPECT_FALSE(Exists("2026/12/6/saleslog.dat"));
  EXPECT_FALSE(Exists("vt.cfg"));

  Reply(Answer::kNo);
  Pay("10.005");  // taken as "%.2f" prints it: 10.01
  EXPECT_EQ(Balance(), 20 - 10.01);
}

TEST_F(PaymentTest, TheRecordsTheLogAndTheCounterAreWrittenTogether) {
  Reply(Answer::kNo);
  Pay("12.5", 1);

  // The sales log record, every byte.
  std::string expected(1050, '\0');
  PutAt<int64_t>(expected, 0, 41);
  PutAt<int64_t>(expected, 16, 5);
  PutAt<int32_t>(expected, 24, 1);
  PutAt<double>(expected, 80, 12.5);
  PutAt<double>(expected, 168, 12.5);  // cheque
  PutAt<double>(expected, 192, 20.0);
  PutAt<double>(expected, 200, 7.5);
  PutTextAt(expected, 216, "09:30");
  PutTextAt(expected, 236, "Sun 6 Dec 26");
  PutTextAt(expected, 256, "ACME LTD");
  PutTextAt(expected, 296, "1 HIGH ST");
  PutTextAt(expected, 356, "LEEDS");
  PutTextAt(expected, 386, "LS1 1AA");
  PutTextAt(expected, 416, "0113 496 5");
  PutTextAt(expected, 446, "Payment (ch)");
  EXPECT_EQ(Read("2026/12/6/saleslog.dat"), expected);

  const std::string year_index = Read("2026/base.dat");
  ASSERT_EQ(year_index.size(), 16u);
  EXPECT_EQ(GetAt<int32_t>(year_index, 4), 41);
  EXPECT_EQ(GetAt<int32_t>(year_index, 8), 6);
  EXPECT_EQ(GetAt<int32_t>(year_index, 12), 12);

  const CustomerRecord paid = Slot(1);
  EXPECT_EQ(paid.Get(cust::kLastPayment), "09:3006/12/2026");
  EXPECT_EQ(paid.Get(cust::kLastTransaction), 41);
  EXPECT_EQ(paid.Get(cust::kBalance), 7.5);
  // The counter is on disk, as a restart reads it.
  EXPECT_EQ(GetAt<int32_t>(Read("vt.cfg"), 4792), 42);
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 42);
  EXPECT_EQ(DayText(),
            "\r\n09:30 06/12/2026 Payment: 41, Total: 12.50\r\nClerk: 1, Administrator\r\n"
            "Payment type: CH\r\nCustomer: 5 ACME LTD\r\n");
}

TEST_F(PaymentTest, ALogThatCannotBeWrittenLeavesEverythingAsItWas) {
  const std::string customers = Read("customer.dat");
  p.files.unwritable.insert("saleslog.dat");
  Pay("5");
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Problem", "Not able to write to saleslog.dat"}}));
  EXPECT_EQ(Read("customer.dat"), customers);
  EXPECT_FALSE(Exists("vt.cfg"));
  EXPECT_EQ(Read("2026/base.dat").size(), 4u);  // the marker the folders start with
  EXPECT_EQ(DayText().find("Payment"), std::string::npos);
  EXPECT_EQ(v().settings.Get(cfg::kNextTransaction), 41);
  EXPECT_EQ(v().customers.customer().Get(cust::kBalance), 20.0);
}

TEST_F(PaymentTest, TheReceiptShowsThePaymentsOwnNumber) {
  v().settings.Set(cfg::kPrintConfirm, 0);
  Reply(Answer::kYes);
  Pay("5", 2);
  ASSERT_EQ(p.printer.documents.size(), 1u);
  std::vector<std::string> texts;
  for (const auto& item : p.printer.documents[0]->items) texts.push_back(item.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Payment: 41"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Payment type: EFT"), texts.end());
}

TEST_F(PaymentTest, AmendBalanceTakesTheTextAsTypedAndAnEmptyTextAsZero) {
  Prompt("5");
  p.ui.edit_answers.push_back("12.3456");
  AmendBalance(desk);
  EXPECT_EQ(Balance(), 12.3456);
  Prompt("5");
  p.ui.edit_answers.push_back("");
  AmendBalance(desk);
  EXPECT_EQ(Balance(), 0.0);
  EXPECT_EQ(p.ui.MessageTexts(), (std::vector<std::string>{"Updated", "Updated"}));
  EXPECT_EQ(DayText(),
            "\r\n09:30 06/12/2026  Credit amendment\r\nCustomer: 5 ACME LTD\r\nBefore: 20.00, "
            "After: 12.35\r\n"
            "\r\n09:30 06/12/2026  Credit amendment\r\nCustomer: 5 ACME LTD\r\nBefore: 12.35, "
            "After: 0.00\r\n");
}

// Paying on a transaction finds the transaction's customer; a payment is itself a transaction
// of that customer, and a transaction without one is refused.
TEST_F(PaymentTest, PayingOnATransactionPaysItsCustomer) {
  Reply(Answer::kNo);
  Pay("5");
  Prompt("41");
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("pay").text = "3";
    return true;
  });
  Reply(Answer::kNo);
  PayBalanceOnTransaction(desk);
  EXPECT_EQ(Balance(), 12.0);

  desk.customers.Delete(5);
  Prompt("42");
  PayBalanceOnTransaction(desk);
  EXPECT_EQ(p.ui.messages.back(),
            (ShownMessage{"Problem", "No customer associated with transaction"}));
}

class StatementTest : public PaymentTest {
 protected:
  // The lines of the statement of customer `number`.
  std::vector<std::string> StatementOf(const std::string& number) {
    std::vector<std::string> lines;
    Prompt(number);
    p.ui.dialog_answers.push_back([&lines](Dialog& d) {
      lines = d.Field("lines").options;
      return true;
    });
    ShowCustomerStatement(desk);
    return lines;
  }
};

TEST_F(StatementTest, ListsTheCustomersTransactionsSinceTheHistoryStart) {
  EXPECT_EQ(StatementOf("5"), std::vector<std::string>{"Balance: 20.00"});
  v().settings.Set(cfg::kHistoryFrom, Date{28, 11, 2026});
  Reply(Answer::kNo);
  Pay("5");
  p.clock.Set(2026, 12, 7);
  Reply(Answer::kNo);
  Pay("2.5");
  EXPECT_EQ(StatementOf("5"), (std::vector<std::string>{
                                  "Payment: 6/12/2026,  Transaction: 41, 5.00",
                                  "Payment: 7/12/2026,  Transaction: 42, 2.50", "Balance: 12.50"}));
  EXPECT_EQ(StatementOf("4"), std::vector<std::string>{"Balance: 0.00"});
}

TEST(StatementLineTest, SalesAndPayments) {
  EXPECT_EQ(StatementLine({{6, 12, 2026}, 7, 12.5, "Cash"}),
            "Cash paid sale: 6/12/2026,  Transaction: 7, Total: 12.50");
  EXPECT_EQ(StatementLine({{6, 12, 2026}, 8, 3, "Credit"}),
            "Credit sale: 6/12/2026,  Transaction: 8, Total: 3.00");
  EXPECT_EQ(StatementLine({{6, 12, 2026}, 9, 3, "Payment"}),
            "Payment: 6/12/2026,  Transaction: 9, 3.00");
}

TEST(PeriodDialogTest, RefusesAnEndBeforeTheStartAndKeepsDaysInTheirMonth) {
  test::FakeUi ui;
  const LocalTime today{2026, 12, 6};
  auto choose = [&](int start_day, int start_month, int end_day, int end_month) {
    ui.dialog_answers.push_back([=](Dialog& d) {
      d.Field("start_day").choice = start_day - 1;
      d.Field("start_month").choice = start_month - 1;
      d.Field("start_year").choice = 1;
      d.Field("end_day").choice = end_day - 1;
      d.Field("end_month").choice = end_month - 1;
      d.Field("end_year").choice = 1;
      return true;
    });
    return RunPeriodDialog(ui, 2025, today);
  };
  std::optional<Period> april = choose(1, 4, 31, 4);
  ASSERT_TRUE(april);
  EXPECT_EQ(april->end.day, 30);
  EXPECT_EQ(april->end.year, 2026);
  EXPECT_FALSE(choose(2, 5, 1, 5));
  EXPECT_EQ(ui.messages, (std::vector<ShownMessage>{{"Problem", "Invalid selection"}}));
  ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("end_month").choice = -1;
    return true;
  });
  EXPECT_FALSE(RunPeriodDialog(ui, 2025, today));
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(DaysInMonth(2, 2028), 29);
  EXPECT_EQ(DaysInMonth(2, 2026), 28);
}

}  // namespace
}  // namespace ventro
