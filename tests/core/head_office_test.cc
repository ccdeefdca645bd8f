// The head office's report setup and the day's report files, on real day logs in a temporary
// data folder: the bytes of each file, the names refused, and the days that send nothing.
#include "reports/head_office.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/csv.h"
#include "base/format.h"
#include "formats/inventory_record.h"
#include "reports/daily_items_list.h"
#include "reports/upload_reports.h"
#include "sale/sales_log_record.h"
#include "store/day_log_reader.h"
#include "store/upload_config_file.h"
#include "test_platform.h"

namespace ventro {
namespace {

class HeadOfficeTest : public testing::Test {
 protected:
  HeadOfficeTest() {
    settings.Set(cfg::kHeadingLine, 1, "Tea & Cakes");
    t.clock.Set(2026, 12, 7, 17, 45);
  }

  void LogSale(int64_t number, const char* type) {
    std::ofstream(Folder() / "saleslog.dat", std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(Sale(number, type).data()), SalesLogRecord::kSize);
  }
  void LogItem(int64_t number, int64_t item, const char* description, double total) {
    ItemsLogRecord line;
    line.set_transaction_number(number);
    line.set_item_number(item);
    line.set_description(description);
    line.set_taxable_amount(total);
    line.set_line_total(total);
    line.set_cost(1.5);
    line.set_clerk_number(2);
    std::ofstream(Folder() / "itemslog.dat", std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(line.data()), ItemsLogRecord::kSize);
  }
  static SalesLogRecord Sale(int64_t number, const char* type) {
    SalesLogRecord sale;
    sale.set_transaction_number(number);
    sale.set_payment_type(type);
    return sale;
  }
  Path Folder() {
    Path folder = DayLogFolder(dir.path(), 2026, 12, 7);
    std::filesystem::create_directories(folder);
    return folder;
  }
  void WriteInventory(const std::vector<InventoryRecord>& items) {
    std::ofstream out(dir.path() / "inventory.dat", std::ios::binary);
    for (const auto& item : items) {
      out.write(reinterpret_cast<const char*>(item.data()), InventoryRecord::kSize);
    }
  }
  // Answers THEUPLOAD with every report chosen under the given names.
  void AnswerSetup(std::string overview, std::string items, std::string reorder) {
    t.ui.dialog_answers.push_back([=](Dialog& d) {
      d.Field("server").text = "ftp.example.com";
      d.Field("user").text = "shop";
      d.Field("password").text = "secret";
      d.Field("overview").checked = d.Field("items").checked = d.Field("reorder").checked = true;
      d.Field("overview_name").text = overview;
      d.Field("items_name").text = items;
      d.Field("reorder_name").text = reorder;
      return true;
    });
  }
  std::vector<std::string> DataFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
      if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Read(const std::string& name) {
    return t.files.ReadAll(dir.path() / name).value_or("<missing>");
  }

  test::TempDir dir;
  test::TestPlatform t;
  SettingsRecord settings;
  MasterFile inventory{MasterKind::kInventory};
  MasterFile customers{MasterKind::kCustomer};
  Date selected_day;
  HeadOfficeDesk desk{{t.platform, settings, inventory, customers, dir.path(), 8, 5,
                       TimeStamp{59, 22, 6, 12, 2026}, selected_day},
                      settings,
                      {UploadProtocol::kFtp, UploadProtocol::kFtpTls, UploadProtocol::kSftp}};
};

TEST_F(HeadOfficeTest, FirstSetupShowsDefaultsAndCancelWritesNothing) {
  t.ui.dialog_answers.push_back([](Dialog& d) {
    EXPECT_EQ(d.Field("overview_name").text, "Activity.txt");
    EXPECT_EQ(d.Field("items_name").text, "Dlyitems.txt");
    EXPECT_EQ(d.Field("reorder_name").text, "Reorder.txt");
    EXPECT_EQ(d.Field("password").kind, FieldKind::kPassword);
    return false;
  });
  EXPECT_FALSE(PrepareHeadOfficeReports(desk).has_value());
  EXPECT_TRUE(DataFiles().empty());
  EXPECT_TRUE(t.ui.messages.empty());

  // Set up with nothing chosen: the upload only says so.
  t.ui.dialog_answers.push_back([](Dialog&) { return true; });
  EXPECT_FALSE(PrepareHeadOfficeReports(desk).has_value());
  EXPECT_EQ(DataFiles(), std::vector<std::string>{"upload.cfg"});
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0], (test::ShownMessage{"Problem", "No reports selected."}));
}

TEST_F(HeadOfficeTest, NamesThatReachOutsideThePlainFileOrRepeatAreRefused) {
  for (const char* bad : {"../vt.cfg", "a/b", "inventory.dat", "2026", "Reorder.txt"}) {
    SCOPED_TRACE(bad);
    t.ui.messages.clear();
    AnswerSetup("Activity.txt", bad, "Reorder.txt");
    EXPECT_FALSE(SetUpHeadOfficeReports(desk));  // refused, then cancelled
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0],
              (test::ShownMessage{"Problem", std::string("Invalid upload filename ") + bad}));
    EXPECT_TRUE(DataFiles().empty());
  }

  // A report not chosen may be left without a name, and is stored without one.
  t.ui.messages.clear();
  t.ui.dialog_answers.push_back([](Dialog& d) {
    d.Field("items_name").text = "";
    return true;
  });
  EXPECT_TRUE(SetUpHeadOfficeReports(desk));
  EXPECT_TRUE(t.ui.messages.empty());
  EXPECT_EQ(LoadUploadConfig(t.files, dir.path())->Get(upl::kItemsName), "");

  // A bad name already stored (written by hand) stops the upload before any file is made.
  UploadConfig config;
  config.Set(upl::kOverviewName, "customer.dat");
  ASSERT_TRUE(SaveUploadConfig(dir.path(), config));
  settings.Set(cfg::kUploadOverview, 2);
  LogSale(1, "Cash");
  t.ui.messages.clear();
  EXPECT_FALSE(PrepareHeadOfficeReports(desk).has_value());
  EXPECT_EQ(t.ui.messages[0],
            (test::ShownMessage{"Problem", "Invalid upload filename customer.dat"}));
  EXPECT_EQ(DataFiles(), std::vector<std::string>{"upload.cfg"});
}

TEST_F(HeadOfficeTest, DayWithoutSalesSendsNothingNotEvenTheOverview) {
  AnswerSetup("A.txt", "I.txt", "R.txt");
  ASSERT_TRUE(SetUpHeadOfficeReports(desk));
  EXPECT_EQ(settings.Get(cfg::kUploadItemsList), 2);
  WriteInventory({});
  EXPECT_FALSE(PrepareHeadOfficeReports(desk).has_value());
  ASSERT_EQ(t.ui.messages.size(), 1u);
  EXPECT_EQ(t.ui.messages[0], (test::ShownMessage{"Problem", "No items for that day."}));
  EXPECT_EQ(DataFiles(), (std::vector<std::string>{"inventory.dat", "upload.cfg"}));
}

TEST_F(HeadOfficeTest, ItemsAndReorderFilesByteForByte) {
  LogSale(1, "Cash");
  LogItem(1, 100, "Tea, green", 2.5);
  LogItem(2, 300, "refunded", -2.5);
  LogSale(2, "Refund");
  LogSale(3, "Payment");
  LogSale(4, "Credit");
  LogItem(4, 200, "Say \"cheese\"", 4.0);
  LogItem(1, 101, "Scone", 1.25);
  LogItem(3, 999, "never listed", 9.0);

  InventoryRecord low, bundle, plenty, freed, equal;
  low.Set(inv::kNumber, 5);
  low.Set(inv::kDescription, "Jam");
  low.Set(inv::kReorderQuantity, 4);
  low.Set(inv::kQuantity, 1);
  low.Set(inv::kOnOrder, 6);
  low.Set(inv::kOrderQuantity, 12);
  low.Set(inv::kOrderCode, "J-1");
  bundle = low;
  bundle.Set(inv::kNumber, 6);
  bundle.Set(inv::kKind, InventoryRecord::kBundleKind);
  plenty = low;
  plenty.Set(inv::kNumber, 7);
  plenty.Set(inv::kQuantity, 5);
  freed = low;
  freed.MarkDeleted();
  equal = low;
  equal.Set(inv::kNumber, 8);
  equal.Set(inv::kQuantity, 4);
  WriteInventory({low, bundle, plenty, freed, equal});

  AnswerSetup("A.txt", "I.txt", "R.txt");
  ASSERT_TRUE(SetUpHeadOfficeReports(desk));
  auto job = PrepareHeadOfficeReports(desk);
  ASSERT_TRUE(job.has_value());
  EXPECT_EQ(job->files, (std::vector<std::string>{"A.txt", "I.txt", "R.txt"}));
  EXPECT_EQ(job->config.Get(upl::kPassword), "secret");

  EXPECT_EQ(Read("I.txt"),
            "Daily item list: Tea & Cakes\r\n"
            "Item, Description, Ntx, Tx, T1, T2, Cost, Total, ID, Assoc, Payment\r\n"
            "100,\"Tea, green\",0.00,2.50,0.00,0.00,1.50,2.50,1,2,Cash\r\n"
            "101,Scone,0.00,1.25,0.00,0.00,1.50,1.25,1,2,Cash\r\n"
            "200,\"Say \"\"cheese\"\"\",0.00,4.00,0.00,0.00,1.50,4.00,4,2,Credit\r\n");
  EXPECT_EQ(Read("R.txt"),
            "Reorder list: Tea & Cakes\r\n"
            "Item, Restock level, In stock, On order, Order quantity, Order code\r\n"
            "5, Jam, 4,1,6,12, J-1\r\n"
            "8, Jam, 4,4,6,12, J-1\r\n");
  EXPECT_EQ(Read("A.txt").rfind("Tea & Cakes  ", 0), 0u);
  // The password stays in upload.cfg alone.
  for (const auto& name : DataFiles()) {
    if (name == "upload.cfg") continue;
    EXPECT_EQ(Read(name).find("secret"), std::string::npos) << name;
  }
}

std::string Logged(const SalesLogRecord& sale) {
  return {reinterpret_cast<const char*>(sale.data()), SalesLogRecord::kSize};
}

std::string Logged(const ItemsLogRecord& line) {
  return {reinterpret_cast<const char*>(line.data()), ItemsLogRecord::kSize};
}

// Amounts are written as "%.2f" would: halves of a cent that are not exact, exact ones, a
// negative amount that shows as zero, and amounts too large for whole cents.
TEST(DailyItemsText, AmountsAsTheCLibraryPrintsThem) {
  const std::vector<double> amounts = {2.675, 1.005, 0.125, 0.375, -0.001,      -0.0,
                                       -2.5,  0.015, 1e15,  -3e12, 1234567.891, 0.0049999};
  SalesLogRecord sale;
  sale.set_transaction_number(7);
  sale.set_payment_type("Cash");
  std::string items;
  std::string expected;
  for (size_t i = 0; i < amounts.size(); ++i) {
    ItemsLogRecord line;
    line.set_transaction_number(7);
    line.set_item_number(static_cast<int64_t>(i));
    line.set_line_total(amounts[i]);
    line.set_cost(-amounts[i]);
    items += Logged(line);
    expected += std::to_string(i) + ",,0.00,0.00,0.00,0.00," + FormatAmount(-amounts[i]) + "," +
                FormatAmount(amounts[i]) + ",7,0,Cash\r\n";
  }
  const std::string text = DailyItemsText("S", Logged(sale), items);
  EXPECT_EQ(text.substr(text.find("Payment\r\n") + 9), expected);
}

TEST(DailyItemsText, EachSalesLinesOnceInSalesOrder) {
  auto sale = [](int64_t number) {
    SalesLogRecord record;
    record.set_transaction_number(number);
    record.set_payment_type("Card, debit");
    return Logged(record);
  };
  auto line = [](int64_t number, int64_t item) {
    ItemsLogRecord record;
    record.set_transaction_number(number);
    record.set_item_number(item);
    return Logged(record);
  };
  // Sale 9 logged twice, sale 5 without lines, lines of sale 8 which is not in the sales log.
  const std::string sales = sale(9) + sale(3) + sale(5) + sale(9);
  const std::string items = line(3, 30) + line(9, 90) + line(8, 80) + line(3, 31) + line(9, 91);
  const std::string text = DailyItemsText("S", sales, items);
  const std::string tail = ",,0.00,0.00,0.00,0.00,0.00,0.00,";
  EXPECT_EQ(text.substr(text.find("Payment\r\n") + 9),
            "90" + tail + "9,0,\"Card, debit\"\r\n" + "91" + tail + "9,0,\"Card, debit\"\r\n" +
                "30" + tail + "3,0,\"Card, debit\"\r\n" + "31" + tail + "3,0,\"Card, debit\"\r\n");
}

// A list many times longer than the writer's buffer, every line a different length, with
// descriptions and a payment type that fill their whole fields and need quoting, a comma or a
// quote at every place of a description, and shorter descriptions with a comma or a quote left
// in the field after their end, and a clerk kept and then changed within a sale: each line as it
// would be written on its own. Read from files, the sales log a piece at a time, the list is the
// same.
TEST(DailyItemsText, LongListsWholeAcrossEveryBuffer) {
  const std::string payment = "Voucher \"A\", " + std::string(26, 'P');  // 40 characters
  std::string sales;
  std::string items;
  std::string expected;
  for (int64_t number = 1; number <= 200; ++number) {
    SalesLogRecord sale;
    sale.set_transaction_number(number);
    sale.set_payment_type(payment);
    sales += Logged(sale);
    for (int k = 0; k < 3; ++k) {
      ItemsLogRecord line;
      line.set_transaction_number(number);
      line.set_item_number(k == 2 ? INT64_MIN : number * 1000 + k);
      const auto place = static_cast<size_t>(number % 39);
      if (k == 1) {
        line.set_description(std::string(place, 'S'));
        line.data()[ItemsLogRecord::kDescriptionOffset + place + 1] = number % 2 ? ',' : '"';
      } else {
        line.set_description(std::string(place, 'D') + (number % 2 ? "," : "\"") +
                             std::string(39 - place, 'E'));
      }
      line.set_non_taxable_amount(static_cast<double>(number) * 1.01);
      line.set_tax2(-static_cast<double>(k) / 3);
      line.set_line_total(static_cast<double>(number) * 1e6 + 0.5);
      line.set_clerk_number(INT32_MIN + k / 2);
      items += Logged(line);
      expected += std::to_string(line.item_number()) + "," + CsvField(line.description());
      for (double amount : {line.non_taxable_amount(), line.taxable_amount(), line.tax1(),
                            line.tax2(), line.cost(), line.line_total()}) {
        expected += "," + FormatAmount(amount);
      }
      expected += "," + std::to_string(number) + "," + std::to_string(line.clerk_number()) + "," +
                  CsvField(payment) + "\r\n";
    }
  }
  ASSERT_GT(expected.size(), 20u * 4096);
  const std::string text = DailyItemsText("S", sales, items);
  EXPECT_EQ(text.substr(text.find("Payment\r\n") + 9), expected);

  test::TempDir dir;
  StdFiles files;
  ASSERT_TRUE(files.WriteWhole(dir.path() / "saleslog.dat", sales + "cut short"));
  EXPECT_EQ(ReadDailyItemsText(files, dir.path(), "S"), std::nullopt);  // no items log
  ASSERT_TRUE(files.WriteWhole(dir.path() / "itemslog.dat", items));
  EXPECT_EQ(ReadDailyItemsText(files, dir.path(), "S"), text);
}

}  // namespace
}  // namespace ventro
