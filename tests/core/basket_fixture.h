// The sale's parts on a data folder of their own, with a small inventory.dat written from
// records the test describes, for the basket tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sale/item_entry.h"
#include "test_platform.h"
#include "test_sale.h"

namespace ventro::test {

inline InventoryRecord TestItem(int64_t number, const std::string& description, double retail,
                                int32_t stock, int32_t tax = 0) {
  InventoryRecord item;
  item.Set(inv::kNumber, number);
  item.Set(inv::kDescription, description);
  item.Set(inv::kRetailPrice, retail);
  item.Set(inv::kCostPrice, retail / 2);
  item.Set(inv::kQuantity, stock);
  item.Set(inv::kTax, tax);
  item.Set(inv::kStockPicture, 1);
  return item;
}

// `items` as the bytes of inventory.dat, one record per slot in the order given.
inline std::string InventoryBytes(const std::vector<InventoryRecord>& items) {
  std::string bytes;
  for (const auto& item : items) {
    bytes.append(reinterpret_cast<const char*>(item.data()), InventoryRecord::kSize);
  }
  return bytes;
}

class BasketTest : public ::testing::Test {
 protected:
  BasketTest() {
    v = std::make_unique<TestSale>(p.platform, dir.path());
    v->settings.Set(cfg::kNextTransaction, 1);
  }

  static InventoryRecord Item(int64_t number, const std::string& description, double retail,
                              int32_t stock, int32_t tax = 0) {
    return TestItem(number, description, retail, stock, tax);
  }

  // Writes `items` as inventory.dat, one record per slot in the order given, and loads it.
  void WriteInventory(const std::vector<InventoryRecord>& items) {
    ASSERT_TRUE(p.files.WriteWhole(dir.path() / "inventory.dat", InventoryBytes(items)));
    ASSERT_EQ(v->inventory.Load(p.files, dir.path()), LoadStatus::kOk);
  }

  SaleSession& session() { return v->session; }
  RecordingWindow& window() { return v->window; }

  // Types `text` into the entry box and presses Enter.
  void Enter(const std::string& text) {
    v->screen.entry_text = text;
    EnterItem(session());
  }
  AddResult Add(int64_t number, AddMode mode = AddMode::kNormal) {
    return AddItemToBasket(session(), number, mode);
  }

  void SetTax(int64_t rate1, int64_t rate2) {
    v->settings.Set(cfg::kTax1Active, rate1 > 0 ? 2 : 0);
    v->settings.Set(cfg::kTax1Rate, rate1);
    v->settings.Set(cfg::kTax2Active, rate2 > 0 ? 2 : 0);
    v->settings.Set(cfg::kTax2Rate, rate2);
  }

  const Basket& basket() const { return v->sale.basket; }
  std::vector<double> LineTotals() const {
    return {basket().line_total.begin(), basket().line_total.begin() + basket().line_count};
  }

  TestPlatform p;
  TempDir dir;
  std::unique_ptr<TestSale> v;
};

}  // namespace ventro::test
