// The takings graph over day logs written by the test: each day's takings and balance payments
// against its records, the days the year indexes name read once each, the weeks across a year's
// end, the bars drawn on the page and the list window with its Print.
#include <gtest/gtest.h>

#include <map>

#include "listings/listing_commands.h"
#include "reports/takings_chart.h"
#include "reports/takings_graph.h"
#include "reports/takings_history.h"
#include "sales_log_fixture.h"
#include "test_platform.h"

namespace ventro {
namespace {

using test::LoggedTransaction;

// Counts the openings for reading of each file, named by its folder and its name.
class CountingFiles : public StdFiles {
 public:
  std::map<std::string, int> reads;
  std::unique_ptr<File> Open(const Path& path, OpenMode mode) override {
    if (mode == OpenMode::kRead) {
      ++reads[path.parent_path().filename().string() + "/" + path.filename().string()];
    }
    return StdFiles::Open(path, mode);
  }
};

class TakingsGraphTest : public testing::Test {
 protected:
  // A sale (or, with type "Refund", a refund) of one taxable line of `amount`.
  void Sell(const Date& day, double amount, const char* type = "Cash") {
    LoggedTransaction t;
    t.number = ++number_;
    t.type = type;
    t.lines = {{1, amount}};
    test::LogTransaction(dir_.path(), day, t);
    Index(day);
  }
  void PayBalance(const Date& day, double amount) {
    test::LogBalancePayment(dir_.path(), day, ++number_, amount);
    Index(day);
  }
  // Adds the last transaction to its year's index, made with its header when new.
  void Index(const Date& day) {
    const Path path = YearIndexPath(dir_.path(), day.year);
    if (!std::filesystem::exists(path)) test::AppendBytes(path, "\0\0\0\0", 4);
    const YearIndexRecord record(number_, day.day, day.month);
    test::AppendBytes(path, record.data(), YearIndexRecord::kSize);
  }
  const TakingsBar& DayBar(const TakingsHistory& history, int days_ago) {
    return history.days[static_cast<size_t>(kTakingsDays - 1 - days_ago)];
  }

  test::TempDir dir_;
  int64_t number_ = 0;
};

TEST_F(TakingsGraphTest, DaysTakeSalesLessRefundsWithBalancePaymentsApart) {
  const Date today{6, 12, 2026};
  Sell(today, 10);
  Sell(today, 20);
  Sell(today, 5, "Refund");
  PayBalance(today, 40);
  Sell({4, 12, 2026}, 7.5);
  PayBalance({1, 12, 2026}, 12);  // a day of balance payments alone

  StdFiles files;
  const TakingsHistory history = BuildTakingsHistory(files, dir_.path(), today);
  ASSERT_EQ(history.days.size(), size_t{kTakingsDays});
  ASSERT_EQ(history.weeks.size(), size_t{kTakingsWeeks});
  EXPECT_EQ(DayBar(history, 0).first.day, 6);
  EXPECT_DOUBLE_EQ(DayBar(history, 0).figures.takings, 25);
  EXPECT_DOUBLE_EQ(DayBar(history, 0).figures.balance_payments, 40);
  EXPECT_DOUBLE_EQ(DayBar(history, 1).figures.takings, 0);  // a day without a log
  EXPECT_DOUBLE_EQ(DayBar(history, 2).figures.takings, 7.5);
  EXPECT_DOUBLE_EQ(DayBar(history, 5).figures.takings, 0);
  EXPECT_DOUBLE_EQ(DayBar(history, 5).figures.balance_payments, 12);
  EXPECT_EQ(history.days.front().first.day, 12);  // 55 days before 6 December
  EXPECT_EQ(history.days.front().first.month, 10);

  // The last week runs from 30 November to today and holds every record.
  const TakingsBar& week = history.weeks.back();
  EXPECT_EQ(week.first.day, 30);
  EXPECT_EQ(week.first.month, 11);
  EXPECT_DOUBLE_EQ(week.figures.takings, 32.5);
  EXPECT_DOUBLE_EQ(week.figures.balance_payments, 52);
  EXPECT_EQ(history.logs_read, 3);
}

TEST_F(TakingsGraphTest, WeeksRunAcrossTheYearsEnd) {
  const Date today{3, 1, 2027};
  Sell({31, 12, 2026}, 100);
  Sell(today, 1);
  Sell({27, 12, 2026}, 9);   // the week before
  Sell({5, 1, 2026}, 50);    // the first day of the oldest week
  Sell({4, 1, 2026}, 1000);  // a day older than the year shown
  StdFiles files;
  const TakingsHistory history = BuildTakingsHistory(files, dir_.path(), today);
  EXPECT_DOUBLE_EQ(history.weeks.back().figures.takings, 101);
  EXPECT_EQ(history.weeks.back().first.year, 2026);
  EXPECT_DOUBLE_EQ(history.weeks[kTakingsWeeks - 2].figures.takings, 9);
  EXPECT_EQ(history.weeks.front().first.day, 5);
  EXPECT_EQ(history.weeks.front().first.year, 2026);
  EXPECT_DOUBLE_EQ(history.weeks.front().figures.takings, 50);
  EXPECT_DOUBLE_EQ(DayBar(history, 3).figures.takings, 100);
  EXPECT_EQ(DayBar(history, 3).first.year, 2026);

  double total = 0;
  for (const TakingsBar& week : history.weeks) total += week.figures.takings;
  EXPECT_DOUBLE_EQ(total, 160);
}

TEST_F(TakingsGraphTest, ReadsOnlyTheIndexedDaysLogsOnceEach) {
  const Date today{6, 12, 2026};
  Sell(today, 10);
  Sell({1, 3, 2026}, 10);
  test::AppendBytes(YearIndexPath(dir_.path(), 2025), "\0\0\0\0", 4);  // a year without trading
  // A log the index does not name is not a trading day of this history.
  test::LogBalancePayment(dir_.path(), {2, 3, 2026}, 99, 5);
  CountingFiles files;
  const TakingsHistory history = BuildTakingsHistory(files, dir_.path(), today);
  EXPECT_EQ(files.reads, (std::map<std::string, int>{{"2025/base.dat", 1},
                                                     {"2026/base.dat", 1},
                                                     {"6/saleslog.dat", 1},
                                                     {"1/saleslog.dat", 1}}));
  EXPECT_EQ(history.logs_read, 2);

  // Without an index, a year's days are each looked for, so no log is missed.
  std::filesystem::remove(YearIndexPath(dir_.path(), 2026));
  const TakingsHistory unindexed = BuildTakingsHistory(files, dir_.path(), today);
  EXPECT_EQ(unindexed.logs_read, 3);
  double payments = 0;
  for (const TakingsBar& week : unindexed.weeks) payments += week.figures.balance_payments;
  EXPECT_DOUBLE_EQ(payments, 5);
}

TEST(TakingsChartTest, AxisStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  EXPECT_DOUBLE_EQ(AxisStep(100, 5), 20);
  EXPECT_DOUBLE_EQ(AxisStep(1234, 5), 500);
  EXPECT_DOUBLE_EQ(AxisStep(0.5, 5), 0.1);
  EXPECT_DOUBLE_EQ(AxisStep(5000, 5), 1000);
  EXPECT_DOUBLE_EQ(AxisStep(0, 5), 1);
}

// The bars of both charts stand on the zero line, a refund day's below it, in the page.
TEST(TakingsChartTest, BarsStandOnTheZeroLineAndAmountsLabelTheAxis) {
  TakingsHistory history;
  for (int i = 0; i < kTakingsDays; ++i) history.days.push_back({{1, 1, 2026}, {}});
  for (int i = 0; i < kTakingsWeeks; ++i) history.weeks.push_back({{1, 1, 2026}, {}});
  history.days[10].figures.takings = 100;
  history.days[11].figures.takings = -30;
  history.weeks[3].figures = {70, 15};

  test::RecordedDocument document;
  test::TestDevice device;
  device.caps = {2400, 3400, 300, 300, 0, 0};  // A4 at 300 dpi
  test::RecordingCanvas canvas(document, device);
  DrawTakingsGraph(canvas, "CORNER SHOP", "Sun 6 Dec 26", history);

  std::vector<test::DrawnItem> bars;
  std::vector<std::string> texts;
  for (const test::DrawnItem& item : document.items) {
    if (item.kind == test::DrawnItem::kFill) bars.push_back(item);
    if (item.kind == test::DrawnItem::kText) texts.push_back(item.text);
    EXPECT_GE(item.x, 0);
    EXPECT_LE(std::max(item.x, item.x2), 2400);
    EXPECT_LE(std::max(item.y, item.y2), 3400);
  }
  ASSERT_EQ(bars.size(), 3u);        // days without takings draw no bar
  EXPECT_EQ(bars[0].y2, bars[1].y);  // the sale above the zero line, the refund below it
  EXPECT_LT(bars[0].y, bars[0].y2);
  EXPECT_LT(bars[1].y, bars[1].y2);
  EXPECT_GT(bars[2].y, bars[1].y2);  // the weeks' chart lies under the days'

  const auto shown = [&](const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  };
  EXPECT_TRUE(shown("CORNER SHOP   Takings graph   Sun 6 Dec 26"));
  EXPECT_TRUE(shown("Takings by day, last 8 weeks   Takings: 70.00   Balance payments: 0.00"));
  EXPECT_TRUE(shown("Takings by week, last 52 weeks   Takings: 70.00   Balance payments: 15.00"));
  for (const char* mark : {"-50.00", "0.00", "50.00", "100.00", "80.00"})
    EXPECT_TRUE(shown(mark)) << mark;
}

TEST_F(TakingsGraphTest, ListWindowShowsNewestFirstAndPrintsTheGraph) {
  test::TestPlatform t;
  t.clock.Set(2026, 12, 6);
  Sell({6, 12, 2026}, 12.5);
  SettingsRecord settings;
  std::string shown;
  t.ui.dialog_answers.push_back([&](Dialog& d) {
    shown = d.Field("heading").text + "\n" + d.Field("list").text;
    d.on_change(d, "Print");
    return true;
  });
  ShowTakingsGraph({t.platform, settings, dir_.path()});
  EXPECT_EQ(t.ui.dialogs_run.front(), kListWindowName);
  EXPECT_NE(shown.find("Last 8 weeks: 12.50   Last 52 weeks: 12.50"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Day       06/12/2026        12.50"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Week from 30/11/2026        12.50"), std::string::npos) << shown;
  EXPECT_LT(shown.find("06/12/2026"), shown.find("05/12/2026"));
  ASSERT_EQ(t.printer.documents.size(), 1u);
  EXPECT_EQ(t.printer.documents[0]->kind, "takings-graph");
  EXPECT_EQ(t.printer.documents[0]->pages, 1);
}

}  // namespace
}  // namespace ventro
