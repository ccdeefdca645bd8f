// The activity summary's views of a day: the status window, the printed page, the export, the
// mail link and the head office's report file, on real day logs in a temporary data folder.
#include "reports/activity_summary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "reports/activity_texts.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"
#include "test_platform.h"

namespace ventro {
namespace {

constexpr int kGrand = 6, kCost = 5, kTaxable = 1, kCash = 14;

class ActivitySummaryTest : public testing::Test {
 protected:
  ActivitySummaryTest() {
    settings.Set(cfg::kHeadingLine, 1, "Tea & Cakes");
    settings.Set(cfg::kNextTransaction, 3);
    settings.Set(cfg::kLastBackup, TimeStamp{5, 18, 1, 12, 2026});
    t.clock.Set(2026, 12, 7, 17, 45);
  }

  // A cash sale of 10.00 (cost 4.00, one line) as transaction 1 and its refund as 2, today.
  void LogSaleAndRefund() {
    LogTransaction(1, "Cash", 10.0, 4.0);
    LogTransaction(2, "Refund", -10.0, -4.0);
  }

  void LogTransaction(int64_t number, const char* type, double amount, double cost) {
    const Path folder = DayLogFolder(dir.path(), 2026, 12, 7);
    std::filesystem::create_directories(folder);
    SalesLogRecord sale;
    sale.set_transaction_number(number);
    sale.set_payment_type(type);
    sale.set_amount(kTaxable, amount);
    sale.set_amount(kGrand, amount);
    sale.set_amount(kCost, cost);
    sale.set_amount(kCash, amount);
    std::ofstream(folder / "saleslog.dat", std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(sale.data()), SalesLogRecord::kSize);
    ItemsLogRecord item;
    item.set_transaction_number(number);
    std::ofstream(folder / "itemslog.dat", std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(item.data()), ItemsLogRecord::kSize);
  }

  std::string Read(const Path& path) { return t.files.ReadAll(path).value_or("<missing>"); }

  test::TempDir dir;
  test::TestPlatform t;
  SettingsRecord settings;
  MasterFile inventory{MasterKind::kInventory};
  MasterFile customers{MasterKind::kCustomer};
  Date selected_day;
  ActivityDesk desk{t.platform,  settings, inventory, customers,
                    dir.path(),  8,        5,         TimeStamp{59, 22, 6, 12, 2026},
                    selected_day};
};

constexpr char kExpectedExport[] =
    "Tea & Cakes Activity report: D:7 M:12 Y:2026\r\n"
    "Items sold: 1, Refunded: 1\r\n\r\n"
    "Sales\r\nCash: 10.00\r\nCH: 0.00\r\nEFT: 0.00\r\nCredit: 0.00\r\nTotal: 10.00\r\n"
    "(Discounts: 0.00)\r\n\r\n"
    "Refunds\r\nCash: -10.00\r\nCH: 0.00\r\nEFT: 0.00\r\nCredit: 0.00\r\nTotal: -10.00\r\n\r\n"
    "Non taxable sales: 0.00\r\nTaxable sales: 0.00\r\nSub total: 0.00\r\nTax 1: 0.00\r\n"
    "Tax 2: 0.00\r\nTotal: 0.00\r\n\r\n"
    "Balance payments:\r\nCash: 0.00\r\nCH: 0.00\r\nEFT: 0.00\r\nTotal: 0.00\r\n\r\n"
    "(Cash back: 0.00)\r\nNet sales: 0.00\r\nCost of sales: 0.00\r\nGross profit: 0.00";

TEST_F(ActivitySummaryTest, ExportBeforeAnyStatusViewIsOfTodayByteForByte) {
  LogSaleAndRefund();
  const Path target = dir.path() / "summary.txt";
  t.ui.save_answers.push_back(target);
  ExportActivitySummary(desk);
  EXPECT_EQ(Read(target), kExpectedExport);
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0], (test::ShownMessage{"Activity file", "Exported."}));

  // Cancelling the file chooser writes and says nothing.
  ExportActivitySummary(desk);
  EXPECT_EQ(t.ui.messages.size(), 1u);
}

TEST_F(ActivitySummaryTest, FailedExportKeepsTheOldFileAndSaysSo) {
  LogSaleAndRefund();
  const Path target = dir.path() / "summary.txt";
  std::ofstream(target) << "yesterday's figures";
  t.files.failing.insert("summary.txt");
  t.ui.save_answers.push_back(target);
  ExportActivitySummary(desk);
  EXPECT_EQ(Read(target), "yesterday's figures");
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0], (test::ShownMessage{"Problem", "Unable to open file."}));
}

TEST_F(ActivitySummaryTest, MailLinkEncodesTheStoreNameAndKeepsEveryLine) {
  LogSaleAndRefund();
  MailActivitySummary(desk);
  ASSERT_EQ(t.shell.opened.size(), 1u);
  EXPECT_EQ(t.shell.opened[0],
            "mailto:?subject=Tea%20%26%20Cakes Ventro Daily Summary&body="
            "Ventro Daily Summary%0D%0ATea%20%26%20Cakes Activity report: D:7 M:12 Y:2026"
            "%0D%0A%0D%0AItems sold: 1, Refunded: 1%0D%0A%0D%0A"
            "Sales%0D%0ACash: 10.00%0D%0ACH: 0.00%0D%0AEFT: 0.00%0D%0ACredit: 0.00%0D%0A"
            "Total: 10.00%0D%0A(Discounts: 0.00)%0D%0A%0D%0A"
            "Refunds%0D%0ACash: -10.00%0D%0ACH: 0.00%0D%0AEFT: 0.00%0D%0ACredit: 0.00%0D%0A"
            "Total: -10.00%0D%0A%0D%0A"
            "Non taxable sales: 0.00%0D%0ATaxable sales: 0.00%0D%0ASub total: 0.00%0D%0A"
            "Tax 1: 0.00%0D%0ATax 2: 0.00%0D%0ATotal: 0.00%0D%0A%0D%0A"
            "Balance payments:%0D%0ACash: 0.00%0D%0ACH: 0.00%0D%0AEFT: 0.00%0D%0A"
            "Total: 0.00%0D%0A%0D%0A"
            "(Cash back: 0.00)%0D%0ANet sales: 0.00%0D%0ACost of sales: 0.00%0D%0A"
            "Gross profit: 0.00%0D%0A");
  EXPECT_TRUE(t.ui.messages.empty());
}

TEST_F(ActivitySummaryTest, PrintedPageHasItsLinesAndIndentedTotals) {
  LogSaleAndRefund();
  PrintActivitySummary(desk);
  ASSERT_EQ(t.printer.documents.size(), 1u);
  const test::RecordedDocument& page = t.printer.last();
  EXPECT_EQ(page.title, "VENTRO");
  EXPECT_EQ(page.pages, 1);
  std::map<int, std::string> lines;
  const int height = t.printer.device.default_metrics.height;
  for (const test::DrawnItem& item : page.items) {
    EXPECT_EQ(item.x, 0);
    EXPECT_EQ(item.y % height, 0);
    lines[item.y / height] = item.text;
  }
  EXPECT_EQ(lines[0], "Tea & Cakes  17:45 Monday December 7 2026");
  EXPECT_EQ(lines[2], "Ontime: 08:05  Transaction number: 3");
  EXPECT_EQ(lines[5], "Items sold: 1, Refunded: 1");
  EXPECT_EQ(lines[7], "Cash sales: 10.00");
  EXPECT_EQ(lines[11], std::string(43, ' ') + "Total: 10.00");
  EXPECT_EQ(lines[18], std::string(43, ' ') + "Total: (-10.00)");
  EXPECT_EQ(lines[24], std::string(43, ' ') + "Total: 0.00");
  EXPECT_EQ(lines[29], std::string(43, ' ') + "Total: 0.00");
  EXPECT_EQ(lines[34], "Gross profit: 0.00");
  EXPECT_EQ(lines.count(1), 0u);
  EXPECT_EQ(lines.rbegin()->first, 34);
}

TEST_F(ActivitySummaryTest, StatusWindowOfTodayAndOfAPickedDay) {
  LogSaleAndRefund();
  Dialog shown;
  t.ui.dialog_answers.push_back([&](Dialog& d) {
    shown = d;
    return true;
  });
  ShowDailyStatus(desk);
  EXPECT_EQ(shown.name, "814");
  EXPECT_EQ(shown.title, "Daily Status Monday December 7 2026 ");
  EXPECT_EQ(shown.Field("ontime").text, "Ontime: 08:05");
  EXPECT_EQ(shown.Field("offtime").text, "Offtime: 22:59 6/12/2026");
  EXPECT_EQ(shown.Field("backup").text, "Backup: 18:05 1/12/2026");
  EXPECT_EQ(shown.Field("highest_inventory").text, "Highest inventory number: 0");
  EXPECT_EQ(shown.Field("cash_sales").text, "10.00");
  EXPECT_EQ(shown.Field("cash_refunds").text, "-10.00");
  EXPECT_EQ(shown.Field("total").text, "0.00");
  EXPECT_EQ(shown.Field("items").text, "1 (1)");

  // Another day: picked in THEPICK, shown in figures, and kept for the export.
  t.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("day").text, "7");
    d.Field("day").text = "6";
    return true;
  });
  t.ui.dialog_answers.push_back([&](Dialog& d) {
    shown = d;
    return true;
  });
  ShowPickedDailyStatus(desk);
  EXPECT_EQ(shown.title, "Daily Status D:6 M:12 Y:2026");
  EXPECT_EQ(shown.Field("cash_sales").text, "0.00");
  t.ui.save_answers.push_back(dir.path() / "day6.txt");
  ExportActivitySummary(desk);
  EXPECT_EQ(Read(dir.path() / "day6.txt").substr(0, 44),
            "Tea & Cakes Activity report: D:6 M:12 Y:2026");
}

TEST_F(ActivitySummaryTest, ReportFileForHeadOfficeIsOfToday) {
  LogSaleAndRefund();
  selected_day = {1, 1, 2020};
  ASSERT_TRUE(WriteActivityReportFile(desk, "report.txt").ok());
  const std::string report = Read(dir.path() / "report.txt");
  const std::string head =
      "Tea & Cakes  17:45 Monday December 7 2026\r\n"
      "Ontime: 08:05  Transaction number: 3\r\n"
      "Inventory on the system: 0, Customers: 0\r\n";
  EXPECT_EQ(report, head + std::string(kExpectedExport).substr(46));
  EXPECT_EQ(selected_day.day, 7);

  t.files.failing.insert("report.txt");
  Status failed = WriteActivityReportFile(desk, "report.txt");
  EXPECT_EQ(failed.text(), "Unable to produce report file.");
  EXPECT_EQ(failed.title(), "Problem");
}

}  // namespace
}  // namespace ventro
