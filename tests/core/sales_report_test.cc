// The sales reports read back from day logs in a temporary data folder: which records count,
// how the period is walked and closed off by month and year, and the printed summary.
#include "reports/sales_report.h"

#include <gtest/gtest.h>

#include "reports/sales_report_dialog.h"
#include "sales_log_fixture.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::LoggedTransaction;
using test::LogTransaction;

class SalesReportTest : public testing::Test {
 protected:
  void Log(const Date& day, const LoggedTransaction& t) { LogTransaction(dir_.path(), day, t); }

  SalesReport Build(const Period& period, const SalesReportFilter& filter = {}) {
    return BuildSalesReport(files_, locale_, dir_.path(), period, filter);
  }

  test::TempDir dir_;
  StdFiles files_;
  EnglishLocale locale_;
};

TEST_F(SalesReportTest, CountsSalesLessRefundsNeverBalancePaymentsAndFiltersTheClerk) {
  const Date day{3, 3, 2026};
  Log(day, {1, "Cash", 7, {{12, 10.00, 1.00}, {0, 0, 0, 18, "MISC", 0, 0, 5.00}}});
  Log(day, {2, "EFT", 3, {{12, 20.00, 2.00}}});
  Log(day, {3, "Refund", 7, {{12, 4.00, 0.40}}});
  test::LogBalancePayment(dir_.path(), day, 4, 50.00);

  SalesReport all = Build({day, day});
  EXPECT_EQ(all.days[kTotal], (std::vector<std::string>{"Tue 3 Mar 26  33.60"}));
  EXPECT_EQ(all.days[kNonTaxable], (std::vector<std::string>{"Tue 3 Mar 26  5.00"}));
  EXPECT_EQ(all.days[kTaxable], (std::vector<std::string>{"Tue 3 Mar 26  26.00"}));
  EXPECT_EQ(all.days[kTax1], (std::vector<std::string>{"Tue 3 Mar 26  2.60"}));
  EXPECT_DOUBLE_EQ(all.period[kTotal], 33.60);

  SalesReport clerk7 = Build({day, day}, {7, std::nullopt});
  EXPECT_EQ(clerk7.days[kTotal], (std::vector<std::string>{"Tue 3 Mar 26  11.60"}));
  EXPECT_EQ(clerk7.months[kTotal], (std::vector<std::string>{"3 of 2026  11.60"}));
  EXPECT_EQ(clerk7.years[kTotal], (std::vector<std::string>{"2026  11.60"}));
}

TEST_F(SalesReportTest, ItemReportCountsATransactionOnceSubtractsRefundsAndSkipsZeroDays) {
  const Date monday{2, 3, 2026}, tuesday{3, 3, 2026}, wednesday{4, 3, 2026};
  Log(monday, {1, "Cash", 1, {{12, 10.00, 1.00}, {13, 99.00, 0}}});
  // The same transaction written twice by an interrupted commit: its lines count once.
  SalesLogRecord again;
  again.set_transaction_number(1);
  again.set_payment_type("Cash");
  test::AppendBytes(DayLogFolder(dir_.path(), 2026, 3, 2) / "saleslog.dat", again.data(),
                    SalesLogRecord::kSize);
  Log(tuesday, {2, "Cash", 1, {{13, 5.00, 0}}});
  Log(wednesday, {3, "Cash", 1, {{12, 10.00, 1.00}}});
  Log(wednesday, {4, "Refund", 1, {{12, 4.00, 0.40}}});

  SalesReport report = Build({monday, wednesday}, {0, 12});
  EXPECT_EQ(report.days[kTotal],
            (std::vector<std::string>{"Mon 2 Mar 26  11.00", "Wed 4 Mar 26  6.60"}));
  EXPECT_EQ(report.days[kTaxable],
            (std::vector<std::string>{"Mon 2 Mar 26  10.00", "Wed 4 Mar 26  6.00"}));
  EXPECT_EQ(report.months[kTotal], (std::vector<std::string>{"3 of 2026  17.60"}));
}

TEST_F(SalesReportTest, ClosesEachMonthAndYearOnceAcrossTheYearEnd) {
  Log({20, 12, 2025}, {1, "Cash", 1, {{12, 10.00, 0}}});
  Log({31, 12, 2025}, {2, "Cash", 1, {{12, 1.00, 0}}});
  Log({10, 1, 2026}, {3, "Cash", 1, {{12, 2.50, 0}}});

  SalesReport report = Build({{20, 12, 2025}, {10, 1, 2026}});
  EXPECT_EQ(report.days[kTotal],
            (std::vector<std::string>{"Sat 20 Dec 25  10.00", "Wed 31 Dec 25  1.00",
                                      "Sat 10 Jan 26  2.50"}));
  EXPECT_EQ(report.months[kTotal],
            (std::vector<std::string>{"12 of 2025  11.00", "1 of 2026  2.50"}));
  EXPECT_EQ(report.years[kTotal], (std::vector<std::string>{"2025  11.00", "2026  2.50"}));

  // A period ending on the year's last day adds no empty January or next year.
  SalesReport december = Build({{1, 12, 2025}, {31, 12, 2025}});
  EXPECT_EQ(december.months[kTotal], (std::vector<std::string>{"12 of 2025  11.00"}));
  EXPECT_EQ(december.years[kTotal], (std::vector<std::string>{"2025  11.00"}));

  // An end before the start walks nothing.
  SalesReport backwards = Build({{10, 1, 2026}, {20, 12, 2025}});
  EXPECT_TRUE(backwards.months[kTotal].empty());
}

TEST_F(SalesReportTest, WalksTwentyNinthFebruaryOfEveryFourthYear) {
  Log({29, 2, 2100}, {1, "Cash", 1, {{12, 3.00, 0}}});
  SalesReport report = Build({{28, 2, 2100}, {1, 3, 2100}});
  ASSERT_EQ(report.days[kTotal].size(), 1u);
  EXPECT_NE(report.days[kTotal][0].find("29"), std::string::npos);
  EXPECT_EQ(report.months[kTotal],
            (std::vector<std::string>{"2 of 2100  3.00", "3 of 2100  0.00"}));
}

TEST(SalesReportTitle, NamesTheStaffReportAndTheDates) {
  EnglishLocale locale;
  const Period period{{20, 12, 2025}, {10, 1, 2026}};
  EXPECT_EQ(SalesReportTitle(locale, period, false),
            "Sales report: Sat 20 Dec 25 to Sat 10 Jan 26");
  EXPECT_EQ(SalesReportTitle(locale, period, true),
            "Staff sales report: Sat 20 Dec 25 to Sat 10 Jan 26");
}

class SalesReportFlowTest : public testing::Test {
 protected:
  SalesReportFlowTest() {
    settings_.Set(cfg::kHeadingLine, 1, "CORNER SHOP");
    settings_.Set(cfg::kHistoryFrom, Date{1, 1, 2025});
    t_.clock.Set(2026, 3, 5, 9, 41);
  }

  // Chooses the period in Invest by list positions.
  void AnswerPeriod(const Date& start, const Date& end) {
    t_.ui.dialog_answers.push_back([=](Dialog& d) {
      auto choose = [&](const std::string& prefix, const Date& date) {
        d.Field(prefix + "_day").choice = date.day - 1;
        d.Field(prefix + "_month").choice = date.month - 1;
        d.Field(prefix + "_year").choice = date.year - 2025;
      };
      choose("start", start);
      choose("end", end);
      return true;
    });
  }

  test::TestPlatform t_;
  test::TempDir dir_;
  SettingsRecord settings_;
  ReportDesk desk_{t_.platform, settings_, dir_.path()};
};

TEST_F(SalesReportFlowTest, PrintsThePeriodsTaxSummary) {
  LogTransaction(dir_.path(), {3, 3, 2026},
                 {1, "Cash", 1, {{12, 10.00, 1.00}, {0, 0, 0, 18, "MISC", 0, 0, 5.00}}});
  AnswerPeriod({1, 3, 2026}, {5, 3, 2026});
  std::string shown_title;
  t_.ui.dialog_answers.push_back([&](Dialog& d) {
    shown_title = d.title;
    EXPECT_EQ(d.Field("total_day").text, "Tue 3 Mar 26  16.00");
    d.on_change(d, "&Print");
    return true;
  });

  RunSalesReport(desk_);
  ASSERT_EQ(t_.printer.documents.size(), 1u);
  const test::RecordedDocument& doc = t_.printer.last();
  EXPECT_EQ(doc.kind, "sales-report");
  std::vector<std::string> texts;
  for (const auto& item : doc.items) texts.push_back(item.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"CORNER SHOP  09:41 Thursday March 5 2026",
                                             shown_title, "Non taxable", "5.00", "Taxable", "10.00",
                                             "Sub total", "15.00", "Tax 1", "1.00", "Tax 2", "0.00",
                                             "Total", "16.00"}));
  EXPECT_EQ(shown_title, "Sales report: Sun 1 Mar 26 to Thu 5 Mar 26");
}

TEST_F(SalesReportFlowTest, RefusesAClerkOutsideTheRange) {
  t_.ui.edit_answers.push_back("100");
  RunStaffSalesReport(desk_);
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{"Outside range"}));
  EXPECT_EQ(t_.ui.dialogs_run, (std::vector<std::string>{"EDITBOX"}));
}

}  // namespace
}  // namespace ventro
