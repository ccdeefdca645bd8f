// Export and import over files larger than one block: records read and written a block at a
// time give the same files as one record at a time would, whatever the order of the slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/csv.h"
#include "exchange/export_writer.h"
#include "exchange/item_import.h"
#include "exchange_fixture.h"
#include "platform/whole_file_writer.h"

namespace ventro::test {
namespace {

TEST(CsvReaderTest, ReusedRecordsHoldOnlyTheirOwnValues) {
  CsvReader reader("A LONG FIRST VALUE,B,C\n\"Q\",\"X,Y\"\n7\n8,\"OPEN\n", 1998);
  CsvRecord record;
  ASSERT_TRUE(reader.Next(record));
  EXPECT_EQ(record, (CsvRecord{"A LONG FIRST VALUE", "B", "C"}));
  ASSERT_TRUE(reader.Next(record));
  EXPECT_EQ(record, (CsvRecord{"Q", "X,Y"}));
  ASSERT_TRUE(reader.Next(record));
  EXPECT_EQ(record, (CsvRecord{"7"}));
  EXPECT_FALSE(reader.Next(record));
  EXPECT_EQ(reader.bad_line(), 4);
  EXPECT_FALSE(reader.Next(record));  // stays stopped
}

TEST(WholeFileWriterTest, PiecesAppearOnlyOnCommitAndReadOnlyFilesStay) {
  TempDir dir;
  FaultyFiles files;
  const Path path = dir.path() / "data.dat";
  ASSERT_TRUE(files.WriteWhole(path, "OLD"));
  {
    WholeFileWriter abandoned(files, path);
    ASSERT_TRUE(abandoned.ok() && abandoned.Write("NEW"));
  }
  EXPECT_EQ(files.ReadAll(path), "OLD");
  EXPECT_FALSE(files.Exists(dir.path() / "data.dat.new"));

  WholeFileWriter writer(files, path);
  ASSERT_TRUE(writer.ok());
  EXPECT_TRUE(writer.Write("NE") && writer.Write("") && writer.Write("W"));
  EXPECT_TRUE(writer.Commit());
  EXPECT_FALSE(writer.Commit());  // once only
  EXPECT_EQ(files.ReadAll(path), "NEW");

  WholeFileWriter appending(files, path);
  EXPECT_TRUE(appending.StartFromOld(2) && appending.Write("XT") && appending.Commit());
  EXPECT_EQ(files.ReadAll(path), "NEXT");

  files.failing.insert("data.dat.new");
  {
    WholeFileWriter failing(files, path);
    EXPECT_FALSE(failing.Write("LOST"));
    EXPECT_FALSE(failing.Commit());
  }
  files.unwritable.insert("data.dat");
  EXPECT_FALSE(WholeFileWriter(files, path).ok());
  EXPECT_EQ(files.ReadAll(path), "NEXT");
  EXPECT_FALSE(files.Exists(dir.path() / "data.dat.new"));
}

class ExchangeBlocksTest : public ExchangeTest {
 protected:
  static InventoryRecord Item(int64_t number) {
    InventoryRecord item;
    item.Set(inv::kNumber, number);
    item.Set(inv::kDescription, StringPrintf("ITEM %lld, \"RED\"", static_cast<long long>(number)));
    item.Set(inv::kRetailPrice, 0.01 * static_cast<double>(number));
    item.Set(inv::kTax, static_cast<int32_t>(number % 4));
    return item;
  }

  // The entire export of the loaded inventory, numbers `start` to `finish`.
  std::string Export(int64_t start, int64_t finish) {
    ExportChoice choice;
    choice.start = start;
    choice.finish = finish;
    FieldSelection all;
    all.entire = true;
    EXPECT_TRUE(WriteExportFile(p.files, v().inventory, choice, all, target).ok());
    return ReadPath(target);
  }

  // What the export of `items` must read, line by line in number order.
  static std::string Expected(std::vector<InventoryRecord> items) {
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
      return a.Get(inv::kNumber) < b.Get(inv::kNumber);
    });
    FieldSelection all;
    all.entire = true;
    std::string text = std::string(kInventoryExportHeader) + "\r\n";
    for (const InventoryRecord& item : items)
      text += TextExportLine(InventoryExportValues(item), all);
    return text;
  }

  Path target = dir.path() / "out.txt";
};

TEST_F(ExchangeBlocksTest, ExportIsInNumberOrderWhateverTheSlotOrder) {
  // Runs of neighbouring slots across block ends, a shuffled stretch and deleted slots.
  std::vector<InventoryRecord> live;
  for (int64_t n = 1; n <= 1300; ++n) live.push_back(Item(n));
  std::shuffle(live.begin() + 600, live.begin() + 900, std::mt19937(7));
  std::vector<InventoryRecord> slots = live;
  InventoryRecord free;
  free.MarkDeleted();
  slots.insert(slots.begin() + 700, free);
  slots.insert(slots.begin() + 511, free);
  WriteMaster(v().inventory, "inventory.dat", slots);

  EXPECT_EQ(Export(1, 1300), Expected(live));
  std::vector<InventoryRecord> middle(live.begin(), live.end());
  middle.erase(std::remove_if(middle.begin(), middle.end(),
                              [](const auto& item) {
                                return item.Get(inv::kNumber) < 500 ||
                                       item.Get(inv::kNumber) > 1000;
                              }),
               middle.end());
  EXPECT_EQ(Export(500, 1000), Expected(middle));
}

TEST_F(ExchangeBlocksTest, ImportOfManyBlocksReplacesOrFollowsTheOldRecords) {
  std::vector<InventoryRecord> old;
  for (int64_t n = 2000; n < 2600; ++n) old.push_back(Item(n));
  WriteMaster(v().inventory, "inventory.dat", old);
  const std::string old_bytes = Read("inventory.dat");

  std::vector<InventoryRecord> items;
  for (int64_t n = 1; n <= 1100; ++n) items.push_back(Item(n));
  items.push_back(Item(2100));  // already there: a Merge skips it
  WriteMaster(v().inventory, "inventory.dat", items);
  const std::string csv = Export(1, 99999);
  std::ofstream(Data("inventory.dat"), std::ios::binary) << old_bytes;
  ASSERT_EQ(v().inventory.Load(p.files, folder), LoadStatus::kOk);

  const ItemColumns columns{1, 2, 3, 4, 15, 16, 5, 6, 7, 8, 9, 10, 21, 0, 14, 20, 17, 18, 19};
  std::vector<int64_t> written;
  ASSERT_TRUE(WriteImportedItems(p.files, folder, v().inventory, csv, columns, true, written).ok());
  EXPECT_EQ(written.size(), 1100u);
  std::string merged = Read("inventory.dat");
  ASSERT_EQ(merged.size(), (600 + 1100) * InventoryRecord::kSize);
  EXPECT_EQ(merged.substr(0, 600 * InventoryRecord::kSize),
            old_bytes.substr(0, 600 * InventoryRecord::kSize));
  EXPECT_EQ(GetAt<int64_t>(merged, 600 * InventoryRecord::kSize), 1);
  EXPECT_EQ(GetAt<int64_t>(merged, 1699 * InventoryRecord::kSize), 1100);
  EXPECT_FALSE(Exists("temp2.dat"));

  ASSERT_TRUE(
      WriteImportedItems(p.files, folder, v().inventory, csv, columns, false, written).ok());
  EXPECT_EQ(written.size(), 1101u);
  EXPECT_EQ(Read("inventory.dat").size(), 1101 * InventoryRecord::kSize);
  EXPECT_EQ(Read("temp2.dat"), merged);

  // A Replace whose new file cannot be put in place leaves the file and temp2.dat as they were.
  const std::string replaced = Read("inventory.dat");
  p.files.stuck.insert("inventory.dat.new");
  EXPECT_FALSE(
      WriteImportedItems(p.files, folder, v().inventory, csv, columns, false, written).ok());
  EXPECT_EQ(Read("inventory.dat"), replaced);
  EXPECT_EQ(Read("temp2.dat"), merged);
  EXPECT_FALSE(Exists("temp2.dat.new"));
}

}  // namespace
}  // namespace ventro::test
