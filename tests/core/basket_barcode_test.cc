// Barcode entry answered from memory must pick the record a scan of inventory.dat in slot order
// would: the first live record whose SKU 1 equals the code, through adds, amends, deletes,
// stock write-backs and reloads.
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "base/bytes.h"
#include "basket_fixture.h"

namespace ventro {
namespace {

using test::BasketTest;
using test::ShownMessage;

class BarcodeTest : public BasketTest {
 protected:
  BarcodeTest() { v->settings.Set(cfg::kSku1Selection, 2); }

  static InventoryRecord Coded(int64_t number, const std::string& code) {
    InventoryRecord item = Item(number, "ITEM " + std::to_string(number), 1.00, 50);
    item.Set(inv::kSku1, code);
    return item;
  }

  // The file scan the index stands in for: slot by slot, skipping slots without a name prefix.
  std::optional<int64_t> ScanFile(const std::string& code) {
    std::string bytes = p.files.ReadAll(dir.path() / "inventory.dat").value_or("");
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t slot = 0; (slot + 1) * InventoryRecord::kSize <= bytes.size(); ++slot) {
      if (v->inventory.prefix(static_cast<int64_t>(slot))[0] == 0) continue;
      if (GetText(data + slot * InventoryRecord::kSize + 90, 40) == code) {
        return static_cast<int64_t>(slot);
      }
    }
    return std::nullopt;
  }

  // Amends item `number` the way maintenance does: new texts, prefix, write-back.
  void Amend(int64_t number, const std::string& code, const std::string& description) {
    ASSERT_TRUE(v->inventory.LookUp(p.files, number).ok());
    v->inventory.item().Set(inv::kSku1, code);
    v->inventory.item().Set(inv::kDescription, description);
    v->inventory.UpdatePrefix(v->inventory.current_position(), v->inventory.buffer());
    ASSERT_TRUE(v->inventory.WriteBack(p.files).ok());
  }
  void Delete(int64_t number) {
    std::optional<int64_t> position = v->inventory.Delete(number);
    ASSERT_TRUE(position);
    InventoryRecord freed;
    ASSERT_TRUE(v->inventory.ReadAt(p.files, *position, freed.data()));
    freed.MarkDeleted();
    ASSERT_EQ(v->inventory.WriteAt(p.files, *position, freed.data()), WriteStatus::kOk);
  }
  void AddRecord(const InventoryRecord& item) {
    v->inventory.item() = item;
    ASSERT_TRUE(v->inventory.Add(p.files).ok());
  }
};

TEST_F(BarcodeTest, TheFirstRecordInFileOrderWinsAndTheNextTakesOverWhenItGoes) {
  // Item 9 comes first in the file although its number is higher.
  WriteInventory({Coded(9, "5000111"), Coded(2, "5000111"), Coded(3, "4000222"), Coded(4, "")});
  Enter("");  // matches nothing, not the first item without a code
  Enter("5000111");
  EXPECT_EQ(basket().item_number[0], 9);
  EXPECT_EQ(v->sale.list[0], "9  ITEM 9 (50)  1.00");

  Delete(9);
  Enter("5000111");
  EXPECT_EQ(basket().item_number[1], 2);

  Amend(2, "7000333", "ITEM TWO");
  Enter("5000111");
  Enter("7000333");
  EXPECT_EQ(basket().item_number[2], 2);
  EXPECT_EQ(p.ui.messages,
            (std::vector<ShownMessage>{{"Invalid entry", ""}, {"Invalid entry", "5000111"}}));

  // A new record takes the freed first slot and with it the first match.
  AddRecord(Coded(12, "4000222"));
  Enter("4000222");
  EXPECT_EQ(basket().item_number[3], 12);
}

TEST_F(BarcodeTest, TheIndexFollowsEveryChangeLikeAFileScan) {
  const std::vector<std::string> codes = {"", "111", "222", "333", "444"};
  std::mt19937 random(20261206);
  auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  std::vector<InventoryRecord> start;
  for (int64_t n = 1; n <= 30; ++n) start.push_back(Coded(n, codes[pick(codes.size())]));
  WriteInventory(start);
  int64_t next_number = 31;

  for (int step = 0; step < 300; ++step) {
    const auto& live = v->inventory.index().entries();
    std::vector<int64_t> numbers;
    for (const auto& entry : live) {
      if (entry.number > 0) numbers.push_back(entry.number);
    }
    switch (pick(5)) {
      case 0:
        AddRecord(Coded(next_number++, codes[pick(codes.size())]));
        break;
      case 1:
        if (!numbers.empty()) Delete(numbers[pick(numbers.size())]);
        break;
      case 2:
        if (!numbers.empty()) {
          Amend(numbers[pick(numbers.size())], codes[pick(codes.size())], "AMENDED");
        }
        break;
      case 3:
        if (!numbers.empty()) {  // a stock write-back, as a sale's commit does
          ASSERT_TRUE(v->inventory.LookUp(p.files, numbers[pick(numbers.size())]).ok());
          v->inventory.item().Set(inv::kQuantity, v->inventory.item().Get(inv::kQuantity) - 1);
          ASSERT_TRUE(v->inventory.WriteBack(p.files).ok());
        }
        break;
      default:
        if (pick(10) == 0) {
          ASSERT_EQ(v->inventory.Load(p.files, dir.path()), LoadStatus::kOk);
        }
        break;
    }
    for (const std::string& code : codes) {
      if (code.empty()) continue;
      ASSERT_EQ(v->barcodes.FirstCandidate(code), ScanFile(code)) << "step " << step << " " << code;
    }
  }
  EXPECT_TRUE(p.ui.messages.empty());
}

}  // namespace
}  // namespace ventro
