// The till reconciliation and closeout over real day logs: the figures, the log entry, the
// printout and the sign-off.
#include "reports/till_closeout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "sale/sales_log_record.h"
#include "script_run.h"
#include "store/day_log.h"
#include "store/day_log_reader.h"
#include "test_sale.h"

namespace ventro {
namespace {

// Element numbers of the sales record's block of doubles.
constexpr int kTaxable = 1, kGrand = 6, kCashBack = 13, kCash = 14, kEft = 15, kCheque = 17;

struct Logged {
  int64_t number = 0;
  std::string type;
  double grand = 0, cash = 0, eft = 0, cheque = 0, cash_back = 0;
  int lines = 0;
};

class TillCloseoutTest : public ::testing::Test {
 protected:
  TillCloseoutTest() {
    t.settings.Set(cfg::kDefaultTillTotal, 100.0);
    t.settings.Set(cfg::kHeadingLine, 1, "CORNER SHOP");
    t.settings.Set(cfg::kSignedOnClerk, 1);
    t.settings.Set(cfg::kClerkName, 1, "Administrator");
  }

  Path Folder() const { return DayLogFolder(dir.path(), 2026, 12, 6); }
  Path TextLog() const { return DayTextLogPath(dir.path(), p.clock.now); }

  void Append(const char* name, const void* bytes, size_t size) {
    std::filesystem::create_directories(Folder());
    std::ofstream file(Folder() / name, std::ios::binary | std::ios::app);
    file.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  }
  // A transaction's records as the commit leaves them; refunds come with negated amounts.
  void Log(const Logged& l) {
    SalesLogRecord sales;
    sales.set_transaction_number(l.number);
    sales.set_payment_type(l.type);
    sales.set_amount(kTaxable, l.grand);
    sales.set_amount(kGrand, l.grand);
    sales.set_amount(kCashBack, l.cash_back);
    sales.set_amount(kCash, l.cash);
    sales.set_amount(kEft, l.eft);
    sales.set_amount(kCheque, l.cheque);
    sales.set_line_count(l.lines);
    Append("saleslog.dat", sales.data(), SalesLogRecord::kSize);
    for (int i = 0; i < l.lines; ++i) {
      ItemsLogRecord item;
      item.set_transaction_number(l.number);
      Append("itemslog.dat", item.data(), ItemsLogRecord::kSize);
    }
  }
  // The shop's day: a cash sale of 20.00, a card sale of 30.00 with 5.00 cash back, a cash
  // refund of 3.00.
  void LogTheDay() {
    Log({.number = 1, .type = "Cash", .grand = 20, .cash = 20, .lines = 2});
    Log({.number = 2, .type = "EFT", .grand = 30, .eft = 35, .cash_back = 5, .lines = 1});
    Log({.number = 3, .type = "Refund", .grand = -3, .cash = -3, .lines = 1});
  }

  // Answers the next 810 (or 809) with `button`, keeping the figures shown.
  void Press(const std::string& button) {
    p.ui.dialog_answers.push_back([this, button](Dialog& d) {
      shown.push_back(d);
      d.pressed = button;
      return button != "Cancel";
    });
  }
  std::string Shown(const std::string& key) const { return shown.back().Field(key).text; }

  test::TestPlatform p;
  test::TempDir dir;
  test::TestSale t{p.platform, dir.path()};
  std::vector<Dialog> shown;
};

TEST_F(TillCloseoutTest, TheDrawerHoldsTheFloatAndTheCashLessRefundsAndCashBack) {
  LogTheDay();
  Press("Finish");
  ShowTillReconciliation(t.session);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "809");
  EXPECT_EQ(shown[0].title, "Till reconciliation");
  EXPECT_EQ(Shown("initial_till"), "100.00");
  EXPECT_EQ(Shown("cash"), "20.00");
  EXPECT_EQ(Shown("cash_refunds"), "-3.00");
  EXPECT_EQ(Shown("cash_back"), "5.00");
  EXPECT_EQ(Shown("total_cash"), "112.00");
  EXPECT_EQ(Shown("eft"), "35.00");
  EXPECT_EQ(Shown("till_total"), "147.00");
  EXPECT_EQ(Shown("items"), "3 (1)");
  EXPECT_FALSE(p.files.Exists(TextLog()));
}

TEST_F(TillCloseoutTest, ChequeBalancePaymentsCountAndCreditSalesOnlyAsItems) {
  LogTheDay();
  Press("Finish");
  ShowTillReconciliation(t.session);
  Log({.number = 4, .type = "Payment", .grand = 10, .cheque = 10});
  Log({.number = 5, .type = "Credit", .grand = 40, .lines = 2});
  Press("Finish");
  ShowTillReconciliation(t.session);
  for (const char* key : {"initial_till", "cash", "cash_refunds", "cash_back", "total_cash",
                          "ch_refunds", "eft", "eft_refunds"}) {
    EXPECT_EQ(shown[1].Field(key).text, shown[0].Field(key).text) << key;
  }
  EXPECT_EQ(shown[0].Field("ch").text, "0.00");
  EXPECT_EQ(shown[1].Field("ch").text, "10.00");
  EXPECT_EQ(shown[1].Field("till_total").text, "157.00");
  EXPECT_EQ(shown[1].Field("items").text, "5 (1)");
}

TEST_F(TillCloseoutTest, NothingWhileAPaymentIsTaken) {
  t.sale.payment_in_progress = true;
  ShowTillReconciliation(t.session);
  EXPECT_FALSE(CloseOutTill(t.session));
  EXPECT_TRUE(p.ui.dialogs_run.empty());
}

TEST_F(TillCloseoutTest, ClosingLogsTheFiguresAndCancellingWritesNothing) {
  LogTheDay();
  Press("Cancel");
  EXPECT_FALSE(CloseOutTill(t.session));
  EXPECT_FALSE(p.files.Exists(TextLog()));

  Press("Close and log off");
  EXPECT_TRUE(CloseOutTill(t.session));
  EXPECT_EQ(shown.back().name, "810");
  EXPECT_EQ(shown.back().title, "Till closeout");
  EXPECT_EQ(p.files.ReadAll(TextLog()),
            "\r\n09:30 Sun 6 Dec 26 Till closeout\r\n"
            "Assoc: 1, Administrator\r\n"
            "Initial till: 100.00\r\nCash: 20.00\r\nCash refunds: -3.00\r\nCash back: 5.00\r\n"
            "Total cash: 112.00\r\nCh: 0.00\r\nCh refunds: 0.00\r\nEFT: 35.00\r\n"
            "EFT refunds: 0.00\r\nTill total: 147.00\r\n");
  EXPECT_TRUE(p.printer.documents.empty());
}

TEST_F(TillCloseoutTest, AnUnwritableLogSignsNobodyOffAndPrintsNothing) {
  p.files.unwritable.insert(TextLog().filename().string());
  Press("Print, close and log off");
  EXPECT_FALSE(CloseOutTill(t.session));
  ASSERT_EQ(p.ui.messages.size(), 1u);
  EXPECT_EQ(p.ui.messages[0].title, "Fatal error");
  EXPECT_EQ(p.ui.messages[0].text, "Data log text file not present.");
  EXPECT_TRUE(p.printer.documents.empty());
}

TEST_F(TillCloseoutTest, ThePrintoutPutsEachFigureOnItsLine) {
  LogTheDay();
  Press("Print, close and log off");
  EXPECT_TRUE(CloseOutTill(t.session));
  ASSERT_EQ(p.printer.documents.size(), 1u);
  const test::RecordedDocument& document = p.printer.last();
  EXPECT_EQ(document.kind, "till-closeout");
  EXPECT_EQ(document.title, "VENTRO");
  EXPECT_EQ(document.pages, 1);
  const int line_height = p.printer.device.default_metrics.height;
  std::vector<std::pair<int, std::string>> lines;
  for (const test::DrawnItem& item : document.items) {
    EXPECT_EQ(item.x, 0);
    lines.emplace_back(item.y / line_height, item.text);
  }
  EXPECT_EQ(lines, (std::vector<std::pair<int, std::string>>{{0, "CORNER SHOP  Till closeout"},
                                                             {1, "09:30 Sun 6 Dec 26"},
                                                             {2, "Assoc: 1, Administrator"},
                                                             {4, "Initial till: 100.00"},
                                                             {5, "Cash: 20.00"},
                                                             {6, "Cash refunds: -3.00"},
                                                             {7, "Cash back: 5.00"},
                                                             {8, "Total cash: 112.00"},
                                                             {10, "Ch: 0.00"},
                                                             {11, "Ch refunds: 0.00"},
                                                             {12, "EFT: 35.00"},
                                                             {13, "EFT refunds: 0.00"},
                                                             {15, "Till total: 147.00"}}));
  EXPECT_NE(p.files.ReadAll(TextLog())->find("Till total: 147.00"), std::string::npos);
}

TEST_F(TillCloseoutTest, CancellingThePrintDialogShowsTheCloseoutAgain) {
  t.settings.Set(cfg::kPrintConfirm, 1);
  Press("Print, close and log off");
  p.ui.dialog_answers.push_back([](Dialog& d) {
    d.pressed = "Cancel";
    return false;
  });
  Press("Cancel");
  EXPECT_FALSE(CloseOutTill(t.session));
  EXPECT_EQ(shown.size(), 2u);
  EXPECT_FALSE(p.files.Exists(TextLog()));
  EXPECT_TRUE(p.printer.documents.empty());
}

TEST(TillCloseoutScriptTest, TheCloseoutIsPrintedLoggedAndTheClerkSignedOff) {
  test::TempDir home;
  const test::ScriptRun run =
      test::RunScript(home.path(),
                      std::string(test::kScriptSignOn) +
                          "answer 810 \"Print, close and log off\"\nanswer Print OK\n"
                          "answer pasbox clerk=1 password= OK\ncommand 3008\n",
                      test::kScriptClock);
  ASSERT_EQ(run.status, 0) << run.transcript;
  const size_t printed = run.transcript.find("print \"Total cash: ");
  const size_t logged_off = run.transcript.find("dialog pasbox", printed);
  EXPECT_NE(printed, std::string::npos) << run.transcript;
  EXPECT_NE(run.transcript.find("printed till-closeout"), std::string::npos);
  EXPECT_NE(logged_off, std::string::npos);
  std::optional<std::string> log = StdFiles().ReadAll(home.path() / "Tarvel/ventro/2026/12/6.txt");
  ASSERT_TRUE(log);
  EXPECT_NE(log->find(" Till closeout\r\nAssoc: 1, Administrator\r\nInitial till: "),
            std::string::npos);
}

}  // namespace
}  // namespace ventro
