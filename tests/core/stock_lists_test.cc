// The stock lists and the stock summary over an inventory.dat written by the test: which items
// each list holds and in what order, the printed pages, and the value of the stock.
#include "reports/stock_lists.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "reports/stock_list_window.h"
#include "test_platform.h"

namespace ventro {
namespace {

using Fill = std::function<void(InventoryRecord&)>;

class StockListsTest : public testing::Test {
 protected:
  // One record a call to `fill`, in slot order; a number below 1 is a free slot.
  void WriteItems(const std::vector<Fill>& fills) {
    std::string bytes;
    for (const Fill& fill : fills) {
      InventoryRecord record;
      record.Set(inv::kDescription, "ITEM");
      record.Set(inv::kQuantity, 10);
      fill(record);
      if (record.Get(inv::kNumber) < 1) record.MarkDeleted();
      bytes.append(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
    }
    std::ofstream(dir_.path() / "inventory.dat", std::ios::binary) << bytes;
    ASSERT_EQ(inventory_.Load(t_.files, dir_.path()), LoadStatus::kOk);
  }

  std::vector<std::string> List(StockList list) {
    std::vector<std::string> lines;
    EXPECT_TRUE(CollectStockList(t_.files, inventory_, list, today_, lines).ok());
    return lines;
  }

  test::TestPlatform t_;
  test::TempDir dir_;
  MasterFile inventory_{MasterKind::kInventory};
  SettingsRecord settings_;
  const LocalTime today_{2026, 3, 5, 9, 30, 0, 4};
};

Fill Item(int64_t number, const char* description, int stock, int reorder, const char* code = "",
          int32_t kind = 0) {
  return [=](InventoryRecord& r) {
    r.Set(inv::kNumber, number);
    r.Set(inv::kDescription, description);
    r.Set(inv::kQuantity, stock);
    r.Set(inv::kReorderQuantity, reorder);
    r.Set(inv::kOrderCode, code);
    r.Set(inv::kOnOrder, 2);
    r.Set(inv::kOrderQuantity, 12);
    r.Set(inv::kKind, kind);
  };
}

TEST_F(StockListsTest, ReorderAndOutOfStockListsLeaveBundlesOutAndGoByNumber) {
  WriteItems({Item(30, "EMPTY", 0, 0, "B1"), Item(10, "AT LEVEL", 5, 5, "A9"),
              Item(20, "PLENTY", 9, 5), Item(40, "BUNDLE", 0, 3, "", InventoryRecord::kBundleKind),
              Item(-1, "GONE", 0, 9)});
  EXPECT_EQ(List(StockList::kReorder),
            (std::vector<std::string>{"10, AT LEVEL, 5,5,2,12, A9", "30, EMPTY, 0,0,2,12, B1"}));
  EXPECT_EQ(List(StockList::kOutOfStock), (std::vector<std::string>{"30, EMPTY, 0,2,12, B1"}));
  // The order-code list goes by its text, so A9 before B1 whatever the numbers.
  WriteItems({Item(1, "FIRST", 0, 0, "B1"), Item(2, "SECOND", 0, 0, "A9")});
  EXPECT_EQ(List(StockList::kReorderByCode),
            (std::vector<std::string>{"A9, 2, SECOND, 0,0,2,12", "B1, 1, FIRST, 0,0,2,12"}));
}

TEST_F(StockListsTest, SellByListHoldsOnlyDatesBeforeTodayWithEveryFieldSet) {
  auto sell_by = [](int64_t number, int day, int month, int year) -> Fill {
    return [=](InventoryRecord& r) {
      r.Set(inv::kNumber, number);
      r.Set(inv::kSellByDay, day);
      r.Set(inv::kSellByMonth, month);
      r.Set(inv::kSellByYearOffset, year - 2011);
    };
  };
  WriteItems({sell_by(1, 5, 3, 2026), sell_by(2, 4, 3, 2026), sell_by(3, 0, 3, 2025),
              sell_by(4, 31, 12, 2025), sell_by(5, 1, 4, 2026), [](InventoryRecord& r) {
                r.Set(inv::kNumber, 6);
                r.Set(inv::kSpecialOrder, 3);
              }});
  EXPECT_EQ(List(StockList::kSellBy),
            (std::vector<std::string>{"2, ITEM, D:4 M:3 Y:2026", "4, ITEM, D:31 M:12 Y:2025"}));
  EXPECT_EQ(List(StockList::kSpecialOrders), (std::vector<std::string>{"6, ITEM, 10, 3"}));
}

TEST_F(StockListsTest, StockSummaryValuesLiveStockOnHand) {
  auto priced = [](int64_t number, int stock, double cost, double retail) -> Fill {
    return [=](InventoryRecord& r) {
      r.Set(inv::kNumber, number);
      r.Set(inv::kQuantity, stock);
      r.Set(inv::kCostPrice, cost);
      r.Set(inv::kRetailPrice, retail);
    };
  };
  WriteItems({priced(1, 4, 2.50, 4.00), priced(2, 0, 9, 9), priced(3, -2, 9, 9),
              priced(-5, 7, 9, 9), priced(4, 1, 10.00, 11.00)});
  StockValue value;
  ASSERT_TRUE(SumStockValue(t_.files, inventory_, value).ok());
  EXPECT_EQ(value.items, 5);
  EXPECT_DOUBLE_EQ(value.cost, 20.00);
  EXPECT_DOUBLE_EQ(value.retail, 27.00);
  EXPECT_EQ(value.MarginText(), "35.00%");
  EXPECT_EQ((StockValue{0, 0, 0}).MarginText(), "N/A");
  EXPECT_EQ((StockValue{1, 5, 5}).MarginText(), "N/A");
}

TEST_F(StockListsTest, MissingInventoryFileSaysSoAndListsNothing) {
  WriteItems({Item(1, "ONE", 0, 0)});
  std::filesystem::remove(dir_.path() / "inventory.dat");
  StockDesk desk{t_.platform, settings_, inventory_};
  std::string shown;
  t_.ui.dialog_answers.push_back([&](Dialog& d) {
    shown = d.Field("list").text;
    return true;
  });
  ShowStockList(desk, StockList::kOutOfStock);
  ASSERT_EQ(t_.ui.messages.size(), 1u);
  EXPECT_EQ(t_.ui.messages[0].title, "Fatal error");
  EXPECT_EQ(t_.ui.messages[0].text, "Data file inventory.dat, not present.");
  EXPECT_EQ(shown, "Item, Reorder level, On order, Order qty, Code");
}

TEST_F(StockListsTest, PrintedPagesCarryHeadingsAndNeverAHeadingAlone) {
  settings_.Set(cfg::kHeadingLine, 1, "CORNER SHOP");
  t_.clock.Set(2026, 3, 5);
  // The device's own font: 24 high, no leading; 3000 high, so (24 + 2) x n passes the height
  // after line 115, and lines 3 to 115 hold 113 items.
  std::vector<Fill> items;
  for (int n = 1; n <= 113; ++n) items.push_back(Item(n, "LOW", 0, 1, "C"));
  WriteItems(items);
  StockDesk desk{t_.platform, settings_, inventory_};
  auto print = [&] {
    t_.ui.dialog_answers.push_back([](Dialog& d) {
      d.on_change(d, "Print");
      return true;
    });
    ShowStockList(desk, StockList::kReorder);
    return t_.printer.documents.back().get();
  };
  const test::RecordedDocument* full = print();
  EXPECT_EQ(full->kind, "stock-list");
  EXPECT_EQ(full->pages, 1);
  EXPECT_EQ(full->items[0].text, "CORNER SHOP Reorder list: Thu 5 Mar 26      Page: 1");
  EXPECT_EQ(full->items[1].text,
            "Item, Restock level, In stock, On order, Order quantity, Order code");
  EXPECT_EQ(full->items[2].text, "1, LOW, 1,0,2,12, C");
  EXPECT_EQ(full->items[2].y, 3 * 24);

  items.push_back(Item(114, "LOW", 0, 1, "C"));
  WriteItems(items);
  const test::RecordedDocument* two = print();
  ASSERT_EQ(two->pages, 2);
  const test::DrawnItem& last = two->items.back();
  EXPECT_EQ(last.page, 2);
  EXPECT_EQ(last.text, "114, LOW, 1,0,2,12, C");
  EXPECT_EQ(last.y, 3 * 24);
}

}  // namespace
}  // namespace ventro
