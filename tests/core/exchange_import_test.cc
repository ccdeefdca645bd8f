// The Import command: what a line gives, what is skipped, and that a refused or failed import
// leaves the data folder as it was.
#include <gtest/gtest.h>

#include "exchange/export_command.h"
#include "exchange/import_command.h"
#include "exchange_fixture.h"

namespace ventro::test {
namespace {

class ImportTest : public ExchangeTest {
 protected:
  ImportTest() {
    InventoryRecord old;
    old.Set(inv::kNumber, 7);
    old.Set(inv::kDescription, "OLD ITEM");
    WriteMaster(v().inventory, "inventory.dat", std::vector{old});
  }

  // Starts an import of `kind` ("1" items, "2" customers) from a file holding `text`, the
  // columns answered by `map`.
  void Import(const std::string& kind, const std::string& text,
              std::function<void(Dialog&)> map = nullptr) {
    std::ofstream(source, std::ios::binary) << text;
    p.ui.edit_answers.push_back(kind);
    p.ui.open_answers.push_back(source);
    Reply(std::move(map));
    ImportRecords(desk());
  }

  // The mapping an inventory text export of every field is read back with.
  static void ExportColumns(Dialog& d) {
    const std::pair<const char*, int> columns[] = {
        {"number", 1},      {"description", 2},    {"sku1", 3},           {"sku2", 4},
        {"sku3", 15},       {"sku4", 16},          {"cost", 5},           {"display_category", 6},
        {"retail", 7},      {"quantity", 8},       {"restock", 9},        {"tax", 10},
        {"order_code", 21}, {"order_quantity", 0}, {"minimum_order", 14}, {"trade", 20},
        {"location", 17},   {"website", 18},       {"web_image", 19}};
    for (auto [key, column] : columns) d.Field(key).text = std::to_string(column);
  }

  std::vector<InventoryRecord> Items() {
    std::string bytes = Read("inventory.dat");
    std::vector<InventoryRecord> items(bytes.size() / InventoryRecord::kSize);
    for (size_t i = 0; i < items.size(); ++i) {
      std::copy_n(bytes.data() + i * InventoryRecord::kSize, InventoryRecord::kSize,
                  reinterpret_cast<char*>(items[i].data()));
    }
    return items;
  }

  Path source = dir.path() / "in.txt";
};

TEST_F(ImportTest, AnEntireExportComesBackWithItsTextsAndTaxCodes) {
  std::vector<InventoryRecord> items(4);
  for (int i = 0; i < 4; ++i) {
    items[i].Set(inv::kNumber, 10 + i);
    items[i].Set(inv::kDescription, "BOLT, 6\" \"LONG\"");
    items[i].Set(inv::kSku3, "S,3");
    items[i].Set(inv::kTax, i);
    items[i].Set(inv::kRetailPrice, 1.25 * (i + 1));
    items[i].Set(inv::kDisplayCategory, i);
  }
  WriteMaster(v().inventory, "inventory.dat", items);
  Reply([](Dialog& d) { d.Field("finish").text = "99"; });
  Reply([](Dialog& d) { d.Field("entire").checked = true; });
  p.ui.save_answers.push_back(source);
  ExportRecords(desk());

  p.ui.edit_answers.push_back("1");
  p.ui.open_answers.push_back(source);
  Reply(ExportColumns);
  ImportRecords(desk());
  EXPECT_EQ(p.ui.messages.back(),
            (ShownMessage{"Inventory import complete", "VENTRO will now close down"}));
  EXPECT_TRUE(v().window.quit);
  EXPECT_EQ(Read("temp2.dat").size(), 4 * InventoryRecord::kSize);
  std::vector<InventoryRecord> back = Items();
  ASSERT_EQ(back.size(), 4u);  // the header line is refused: its number reads 0
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(back[i].Get(inv::kDescription), "BOLT, 6\" \"LONG\"");
    EXPECT_EQ(back[i].Get(inv::kSku3), "S,3");
    EXPECT_EQ(back[i].Get(inv::kTax), i);
    EXPECT_EQ(back[i].Get(inv::kRetailPrice), 1.25 * (i + 1));
    EXPECT_EQ(back[i].Get(inv::kDisplayCategory), i);
    EXPECT_EQ(back[i].Get(inv::kLastUsed), "NEW");
    EXPECT_EQ(back[i].Get(inv::kStockPicture), 1);
  }
}

TEST_F(ImportTest, SkipsNumbersOutOfRangeAndShortNamesAndTellsOfDuplicates) {
  Import("1",
         "0,ZERO,18\n-1,NEGATIVE\n100000000000000001,TOO BIG\n12345678901234567890,HUGE\n"
         "3,X\n100000000000000000,largest,18\n4,four,5\n4,AGAIN,5",
         [](Dialog& d) {
           d.Field("sku1").text = "0";
           d.Field("display_category").text = "3";
         });
  EXPECT_EQ(p.ui.messages[0], (ShownMessage{"File import", "8 records of 3 fields"}));
  EXPECT_EQ(p.ui.messages[1], (ShownMessage{"Warning", "All existing data will be lost."}));
  EXPECT_EQ(p.ui.messages[2], (ShownMessage{"Import inconsistancy", "Item 4 duplicated"}));
  std::vector<InventoryRecord> back = Items();
  ASSERT_EQ(back.size(), 3u);  // the last line, without a line end, counts too
  EXPECT_EQ(back[0].Get(inv::kNumber), InventoryRecord::kMaxNumber);
  EXPECT_EQ(back[0].Get(inv::kDescription), "LARGEST");
  EXPECT_EQ(back[0].Get(inv::kDisplayCategory), 14);  // 18 is no category
  EXPECT_EQ(back[1].Get(inv::kDisplayCategory), 5);
  EXPECT_EQ(back[2].Get(inv::kDescription), "AGAIN");
}

TEST_F(ImportTest, MergeKeepsEveryExistingNumber) {
  Import("1", "7,NEW SEVEN\r\n8,EIGHT\r\n", [](Dialog& d) { d.Field("treatment").choice = 1; });
  std::vector<InventoryRecord> back = Items();
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].Get(inv::kDescription), "OLD ITEM");
  EXPECT_EQ(back[1].Get(inv::kNumber), 8);
  EXPECT_FALSE(Exists("temp2.dat"));
}

TEST_F(ImportTest, RefusedOrFailedImportsLeaveTheFilesAsTheyWere) {
  const std::string before = Read("inventory.dat");
  Import("1", "1,ONE\n2,TWO\n3,\"THREE\n4,FOUR\n");
  EXPECT_EQ(p.ui.messages, (std::vector<ShownMessage>{{"Problem", "Line 3 is not valid CSV."}}));

  p.ui.messages.clear();
  Import("1", "0,NONE\n");
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Problem", "No valid items"}));

  p.ui.messages.clear();
  p.files.unwritable.insert("inventory.dat");
  Import("1", "1,ONE\n");
  EXPECT_EQ(p.ui.messages.back(), (ShownMessage{"Problem", "Unable to open inventory.dat"}));
  EXPECT_EQ(Read("inventory.dat"), before);
  EXPECT_FALSE(v().window.quit);
}

TEST_F(ImportTest, CustomersKeepTaxZeroNegativeBalancesAndFieldLimits) {
  CustomerRecord customer;
  customer.Set(cust::kNumber, 5);
  customer.Set(cust::kName, "SMITH, JONES & \"CO\"");
  customer.Set(cust::kTax, 0);
  customer.Set(cust::kBalance, -5.0);
  customer.Set(cust::kGroup, 3);
  WriteMaster(v().customers, "customer.dat", std::vector{customer});
  Reply([](Dialog& d) {
    d.Field("source").choice = 1;
    d.Field("finish").text = "9";
  });
  Reply([](Dialog& d) { d.Field("entire").checked = true; });
  p.ui.save_answers.push_back(source);
  ExportRecords(desk());
  const std::string exported = ReadPath(source);

  Import("2", exported + "6,WIDE," + std::string(12, 'R') + ",,,,,1,,,," + std::string(60, 'S'),
         [](Dialog& d) {
           d.Field("shipping").text = "0";
           d.Field("shipping1").text = "0";
           d.Field("group").text = "21";
           d.Field("comment").text = "0";
           d.Field("email").text = "0";
         });
  std::string bytes = Read("customer.dat");
  ASSERT_EQ(bytes.size(), 2 * CustomerRecord::kSize);
  CustomerRecord back;
  std::copy_n(bytes.data(), CustomerRecord::kSize, reinterpret_cast<char*>(back.data()));
  EXPECT_EQ(back.Get(cust::kName), "SMITH, JONES & \"CO\"");
  EXPECT_EQ(back.Get(cust::kTax), 0);
  EXPECT_EQ(back.Get(cust::kBalance), -5.0);
  EXPECT_EQ(back.Get(cust::kGroup), 3);
  EXPECT_EQ(p.ui.messages.back(),
            (ShownMessage{"File import complete", "VENTRO will now close down"}));
}

TEST_F(ImportTest, ALongShippingNameStopsShortOfTheNextField) {
  Import("2", "6,WIDE," + std::string(60, 'S') + ",AREA\n", [](Dialog& d) {
    d.Field("shipping").text = "3";
    d.Field("address3").text = "4";
  });
  std::string bytes = Read("customer.dat");
  ASSERT_EQ(bytes.size(), CustomerRecord::kSize);
  CustomerRecord back;
  std::copy_n(bytes.data(), CustomerRecord::kSize, reinterpret_cast<char*>(back.data()));
  EXPECT_EQ(back.Get(cust::kShippingAddress1), std::string(59, 'S'));
  EXPECT_EQ(back.Get(cust::kShippingAddress2), "");
  EXPECT_EQ(back.Get(cust::kTax), 1);
  EXPECT_EQ(back.Get(cust::kTerms), 1);
}

TEST_F(ImportTest, ACustomerFileWithNoValidLineKeepsOneFreeSlot) {
  Import("2", "Number,Name\n");
  std::string bytes = Read("customer.dat");
  ASSERT_EQ(bytes.size(), CustomerRecord::kSize);
  CustomerRecord back;
  std::copy_n(bytes.data(), CustomerRecord::kSize, reinterpret_cast<char*>(back.data()));
  EXPECT_EQ(back.Get(cust::kNumber), -1);
}

}  // namespace
}  // namespace ventro::test
