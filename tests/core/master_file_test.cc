#include "store/master_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "store/name_search.h"
#include "tests/core/test_platform.h"

namespace ventro {
namespace {

using test::ShownMessage;
using test::TempDir;
using test::TestPlatform;

struct Row {
  int64_t number;
  std::string name;
};

size_t SizeOf(MasterKind kind) {
  return kind == MasterKind::kInventory ? 2113 : kind == MasterKind::kCustomer ? 1242 : 1094;
}

// Writes a master file the way the program stores it: number at 0, name at 8.
void WriteRows(const Path& path, MasterKind kind, const std::vector<Row>& rows) {
  std::string bytes;
  for (const Row& row : rows) {
    std::string record(SizeOf(kind), '\0');
    std::memcpy(record.data(), &row.number, 8);
    std::memcpy(record.data() + 8, row.name.data(), row.name.size());
    bytes += record;
  }
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string FileBytes(const Path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The message a failed status would show.
ShownMessage Told(const Status& status) { return {status.title(), status.text()}; }

int64_t NumberAt(const std::string& file, MasterKind kind, int64_t position) {
  int64_t number;
  std::memcpy(&number, file.data() + position * static_cast<int64_t>(SizeOf(kind)), 8);
  return number;
}

class MasterFileTest : public ::testing::Test {
 protected:
  MasterFile Loaded(MasterKind kind, const std::vector<Row>& rows) {
    MasterFile master(kind);
    WriteRows(dir_.path() / master.file_name(), kind, rows);
    EXPECT_EQ(master.Load(p_.files, dir_.path()), LoadStatus::kOk);
    return master;
  }
  void SetBuffer(MasterFile& master, int64_t number, const std::string& name) {
    master.ClearBuffer();
    std::memcpy(master.buffer(), &number, 8);
    std::memcpy(master.buffer() + 8, name.data(), name.size());
  }

  TempDir dir_;
  TestPlatform p_;
};

TEST_F(MasterFileTest, LoadFailuresAndTheirStartUpTexts) {
  MasterFile inventory(MasterKind::kInventory);
  EXPECT_EQ(inventory.Load(p_.files, dir_.path()), LoadStatus::kMissing);
  EXPECT_EQ(inventory.LoadFailureText(LoadStatus::kMissing),
            "Unable to open inventory.dat in Opendata");

  std::ofstream(dir_.path() / "inventory.dat", std::ios::binary).flush();
  EXPECT_EQ(inventory.Load(p_.files, dir_.path()), LoadStatus::kEmpty);
  EXPECT_EQ(inventory.LoadFailureText(LoadStatus::kEmpty),
            "inventory.dat has no data in Opendata.");

  std::ofstream(dir_.path() / "inventory.dat", std::ios::binary) << std::string(2112, 'x');
  EXPECT_EQ(inventory.Load(p_.files, dir_.path()), LoadStatus::kCorrupt);
  EXPECT_EQ(inventory.LoadFailureText(LoadStatus::kCorrupt),
            "Data file inventory.dat corrupt in Opendata.");
  EXPECT_EQ(inventory.record_count(), 0);

  MasterFile customers(MasterKind::kCustomer);
  std::ofstream(dir_.path() / "customer.dat", std::ios::binary) << std::string(1242 * 2 + 1, 'x');
  EXPECT_EQ(customers.Load(p_.files, dir_.path()), LoadStatus::kCorrupt);
  EXPECT_EQ(customers.LoadFailureText(LoadStatus::kMissing),
            "Data file customer.dat not present in Opendata.");
  MasterFile suppliers(MasterKind::kSupplier);
  EXPECT_EQ(suppliers.LoadFailureText(LoadStatus::kEmpty),
            "Data file suppliers.dat no data in Opendata.");
  EXPECT_TRUE(p_.ui.messages.empty());  // the start-up shows them, not Load
}

TEST_F(MasterFileTest, LoadSortsStablyAndFreesRecordsNumberedBelowOne) {
  MasterFile inventory = Loaded(
      MasterKind::kInventory, {{5, "E"}, {3, "C1"}, {0, "ZERO"}, {3, "C2"}, {-7, "NEG"}, {9, "I"}});
  EXPECT_EQ(inventory.index().entries(),
            (std::vector<IndexEntry>{{-1, 2}, {-1, 4}, {3, 1}, {3, 3}, {5, 0}, {9, 5}}));
  EXPECT_EQ(inventory.record_count(), 6);
  EXPECT_EQ(inventory.deleted_count(), 2);
  EXPECT_EQ(inventory.live_count(), 4);
  // A free slot never takes part in name scans, whatever text it still holds.
  EXPECT_EQ(inventory.prefix(2), (std::array<uint8_t, 2>{0, 0}));
  EXPECT_EQ(inventory.prefix(1), (std::array<uint8_t, 2>{'C', '1'}));

  // The record numbered 0 is a free slot, and the next add takes it (the oldest free one).
  SetBuffer(inventory, 4, "NEW");
  ASSERT_TRUE(inventory.Add(p_.files).ok());
  EXPECT_EQ(inventory.current_position(), 2);
  EXPECT_EQ(NumberAt(FileBytes(inventory.path()), MasterKind::kInventory, 2), 4);
  EXPECT_EQ(inventory.prefix(2), (std::array<uint8_t, 2>{'N', 'E'}));
  EXPECT_EQ(inventory.deleted_count(), 1);
}

TEST_F(MasterFileTest, LookUpReadsTheRecordAndReportsMisses) {
  MasterFile customers = Loaded(MasterKind::kCustomer, {{20, "BROWN"}, {10, "ADAMS"}});
  ASSERT_TRUE(customers.LookUp(p_.files, 20).ok());
  EXPECT_EQ(customers.customer().Get(cust::kName), "BROWN");
  EXPECT_EQ(customers.current_position(), 0);
  Status miss = customers.LookUp(p_.files, 15);
  EXPECT_EQ(Told(miss), (ShownMessage{"Finished", "No match found"}));
  EXPECT_EQ(miss.severity(), Severity::kInformation);
  EXPECT_EQ(Told(customers.LookUp(p_.files, -1)), (ShownMessage{"Finished", "No match found"}));
  EXPECT_EQ(customers.customer().Get(cust::kName), "BROWN");

  std::filesystem::remove(customers.path());
  EXPECT_EQ(Told(customers.LookUp(p_.files, 10)),
            (ShownMessage{"Fatal error", "Data file: customer.dat, not present."}));
}

TEST_F(MasterFileTest, WriteBackGoesToTheSlotOfTheBufferNumber) {
  MasterFile inventory = Loaded(MasterKind::kInventory, {{7, "OLD"}, {8, "EIGHT"}});
  ASSERT_TRUE(inventory.LookUp(p_.files, 8).ok());
  inventory.item().Set(inv::kQuantity, 12);
  ASSERT_TRUE(inventory.WriteBack(p_.files).ok());
  MasterFile reread(MasterKind::kInventory);
  ASSERT_EQ(reread.Load(p_.files, dir_.path()), LoadStatus::kOk);
  ASSERT_TRUE(reread.LookUp(p_.files, 8).ok());
  EXPECT_EQ(reread.item().Get(inv::kQuantity), 12);

  inventory.item().Set(inv::kNumber, 9);
  EXPECT_EQ(Told(inventory.WriteBack(p_.files)), (ShownMessage{"Problem", "Invalid number."}));
  inventory.item().Set(inv::kNumber, 0);
  EXPECT_EQ(Told(inventory.WriteBack(p_.files)), (ShownMessage{"Problem", "Invalid number."}));
  inventory.item().Set(inv::kNumber, 8);
  p_.files.failing.insert("inventory.dat");
  EXPECT_EQ(Told(inventory.WriteBack(p_.files)),
            (ShownMessage{"Problem", inventory.path().string()}));
}

TEST_F(MasterFileTest, AddRefusesANumberInUseAndChangesNothing) {
  MasterFile customers = Loaded(MasterKind::kCustomer, {{-1, ""}, {4, "DAVIES"}});
  std::string before = FileBytes(customers.path());
  SetBuffer(customers, 4, "OTHER");
  EXPECT_EQ(Told(customers.Add(p_.files)), (ShownMessage{"Problem", "Number in use."}));
  EXPECT_EQ(FileBytes(customers.path()), before);
  EXPECT_EQ(customers.deleted_count(), 1);
}

TEST_F(MasterFileTest, DeleteThenAddReusesThePositionAndAppendsWhenNoneIsFree) {
  MasterFile inventory = Loaded(MasterKind::kInventory, {{2, "TWO"}, {7, "SEVEN"}, {9, "NINE"}});
  EXPECT_EQ(inventory.Delete(7), 1);
  EXPECT_EQ(inventory.index().entries(), (std::vector<IndexEntry>{{-1, 1}, {2, 0}, {9, 2}}));
  EXPECT_EQ(inventory.prefix(1), (std::array<uint8_t, 2>{0, 0}));
  EXPECT_FALSE(inventory.Delete(7));

  SetBuffer(inventory, 8, "EIGHT");
  ASSERT_TRUE(inventory.Add(p_.files).ok());
  EXPECT_EQ(inventory.current_position(), 1);
  EXPECT_EQ(inventory.index().entries(), (std::vector<IndexEntry>{{2, 0}, {8, 1}, {9, 2}}));
  SetBuffer(inventory, 1, "ONE");
  ASSERT_TRUE(inventory.Add(p_.files).ok());
  EXPECT_EQ(inventory.current_position(), 3);
  std::string file = FileBytes(inventory.path());
  ASSERT_EQ(file.size(), 4u * 2113);
  EXPECT_EQ(NumberAt(file, MasterKind::kInventory, 1), 8);
  EXPECT_EQ(NumberAt(file, MasterKind::kInventory, 3), 1);
  EXPECT_EQ(inventory.live_count(), 4);
  EXPECT_EQ(inventory.deleted_count(), 0);
}

// A failed add must leave index, prefixes, counts and file exactly as they were, whether the
// record would have reused a slot or been appended.
TEST_F(MasterFileTest, FailedAddLeavesEverythingAsItWasForEveryKind) {
  for (MasterKind kind : {MasterKind::kInventory, MasterKind::kCustomer, MasterKind::kSupplier}) {
    for (bool with_free_slot : {false, true}) {
      std::vector<Row> rows = {{3, "AB"}, {6, "CD"}};
      if (with_free_slot) rows.push_back({-1, ""});
      MasterFile master = Loaded(kind, rows);
      const std::vector<IndexEntry> entries = master.index().entries();
      const std::string bytes = FileBytes(master.path());
      p_.files.failing = {master.file_name()};

      SetBuffer(master, 5, "XY");
      EXPECT_EQ(
          Told(master.Add(p_.files)),
          (ShownMessage{"Problem", std::string("Not able to write to ") + master.file_name()}));
      EXPECT_EQ(master.current_position(), -1);
      EXPECT_EQ(master.index().entries(), entries);
      EXPECT_EQ(master.index().appended_count(), 0);
      EXPECT_EQ(master.record_count(), static_cast<int64_t>(rows.size()));
      EXPECT_EQ(master.prefix(2), (std::array<uint8_t, 2>{0, 0}));
      EXPECT_EQ(FileBytes(master.path()), bytes);

      // The same add succeeds once the file can be written, so nothing half-done remains.
      p_.files.failing.clear();
      ASSERT_TRUE(master.Add(p_.files).ok());
      EXPECT_EQ(master.current_position(), 2);
      EXPECT_EQ(master.FindPosition(5), 2);
    }
  }
}

TEST_F(MasterFileTest, AddToAMissingFileIsFatalAndChangesNothing) {
  MasterFile suppliers = Loaded(MasterKind::kSupplier, {{1, "A"}});
  std::filesystem::remove(suppliers.path());
  SetBuffer(suppliers, 2, "B");
  EXPECT_EQ(Told(suppliers.Add(p_.files)),
            (ShownMessage{"Fatal error", "Data file: suppliers.dat, not present."}));
  EXPECT_EQ(suppliers.record_count(), 1);
  EXPECT_FALSE(std::filesystem::exists(suppliers.path()));
}

TEST_F(MasterFileTest, NameSearchReadsOnlyPrefixMatchesAndHonoursWildcards) {
  MasterFile customers =
      Loaded(MasterKind::kCustomer,
             {{1, "ADAMS"}, {2, "BAKER"}, {3, "ALLEN"}, {-1, "ANON"}, {4, "AB"}, {5, "\xC9LAN"}});
  EXPECT_EQ(FindByName(p_.files, customers, "a"), (std::vector<int64_t>{0, 2, 4}));
  EXPECT_EQ(FindByName(p_.files, customers, "A?A"), (std::vector<int64_t>{0}));
  EXPECT_EQ(FindByName(p_.files, customers, "?A"), (std::vector<int64_t>{1}));
  // "?" matches at and past the end of a name; any other character does not.
  EXPECT_EQ(FindByName(p_.files, customers, "AB??"), (std::vector<int64_t>{4}));
  EXPECT_EQ(FindByName(p_.files, customers, "ABX"), (std::vector<int64_t>{}));
  EXPECT_EQ(FindByName(p_.files, customers, ""), (std::vector<int64_t>{0, 1, 2, 4, 5}));
  EXPECT_EQ(FindByName(p_.files, customers, "\xE9lan"), (std::vector<int64_t>{5}));

  // "Next" continues the scan from the slot after the last match.
  auto first_from = [&](int64_t from) {
    int64_t found = -1;
    Status status =
        SearchByName(p_.files, customers, "A", from, [&](int64_t position, const uint8_t*) {
          found = position;
          return false;
        });
    EXPECT_TRUE(status.ok());
    return found;
  };
  EXPECT_EQ(first_from(1), 2);
  EXPECT_EQ(first_from(3), 4);
  EXPECT_EQ(first_from(5), -1);
}

}  // namespace
}  // namespace ventro
