// The sale's parts for the sale engine tests: a data folder with inventory.dat and customer.dat
// written from the rows given, first-run settings with clerk 1 signed on, and a basket filled
// the way item entry leaves it. Also an independent reader of the day logs, with the stored
// offsets written out here rather than taken from the code under test.
#pragma once

#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/format.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "test_platform.h"
#include "test_sale.h"

namespace ventro::test {

struct ItemRow {
  int64_t number;
  std::string description;
  int32_t category;
  int32_t stock;
  double cost;
};

struct CustomerRow {
  int64_t number;
  std::string name;
  std::string road;
  double balance = 0;
  double credit_limit = 2000;
  int64_t tax = 1;
};

// Little-endian values at fixed offsets of a byte string, for building expected records.
template <typename T>
void PutAt(std::string& bytes, size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}
inline void PutTextAt(std::string& bytes, size_t offset, const std::string& text) {
  std::memcpy(bytes.data() + offset, text.data(), text.size());
}
template <typename T>
T GetAt(const std::string& bytes, size_t offset) {
  T value{};
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}
inline std::string TextAt(const std::string& bytes, size_t offset, size_t width) {
  std::string text = bytes.substr(offset, width);
  return text.substr(0, text.find('\0'));
}

class SaleTest : public ::testing::Test {
 protected:
  SaleTest() {
    p.clock.Set(2026, 12, 6, 9, 30);
    parts = std::make_unique<TestSale>(p.platform, dir.path());
    v().settings.ApplyFirstRunDefaults(p.clock.now);
    v().settings.Set(cfg::kSignedOnClerk, 1);
  }

  TestSale& v() { return *parts; }
  SaleSession& session() { return parts->session; }
  PrintingContext printing() { return parts->session.printing(); }
  Basket& basket() { return v().sale.basket; }

  void WriteInventory(const std::vector<ItemRow>& rows) {
    std::string bytes;
    for (const ItemRow& row : rows) {
      InventoryRecord record;
      record.Set(inv::kNumber, row.number);
      record.Set(inv::kDescription, row.description);
      record.Set(inv::kDisplayCategory, row.category);
      record.Set(inv::kQuantity, row.stock);
      record.Set(inv::kCostPrice, row.cost);
      bytes.append(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
    }
    std::ofstream(dir.path() / "inventory.dat", std::ios::binary) << bytes;
    ASSERT_EQ(v().inventory.Load(p.files, dir.path()), LoadStatus::kOk);
  }

  void WriteCustomers(const std::vector<CustomerRow>& rows) {
    std::string bytes;
    for (const CustomerRow& row : rows) {
      CustomerRecord record;
      record.Set(cust::kNumber, row.number);
      record.Set(cust::kName, row.name);
      record.Set(cust::kRoad, row.road);
      record.Set(cust::kTown, "LEEDS");
      record.Set(cust::kTelephone, "0113 496 0000");
      record.Set(cust::kBalance, row.balance);
      record.Set(cust::kCreditLimit, row.credit_limit);
      record.Set(cust::kTax, row.tax);
      record.InitialiseAddedCustomer();
      bytes.append(reinterpret_cast<const char*>(record.data()), CustomerRecord::kSize);
    }
    std::ofstream(dir.path() / "customer.dat", std::ios::binary) << bytes;
    ASSERT_EQ(v().customers.Load(p.files, dir.path()), LoadStatus::kOk);
  }

  // A line as item entry adds it: the price, its two taxes, the cost; totals rounded to cents.
  void AddLine(int64_t item, const std::string& description, double price, double tax1 = 0,
               double tax2 = 0, double cost = 0, bool taxable = true) {
    Basket& b = basket();
    const auto i = static_cast<size_t>(b.line_count);
    b.item_number[i] = item;
    SetText(b.description[i], description);
    b.cost[i] = cost;
    b.line_total[i] = price + tax1 + tax2;
    BasketTotals& t = b.totals;
    if (taxable) {
      b.taxable_amount[i] = price;
      b.tax1[i] = tax1;
      b.tax2[i] = tax2;
      t.taxable_total = RoundToCents(t.taxable_total + price);
      t.tax1_total = RoundToCents(t.tax1_total + tax1);
      t.tax2_total = RoundToCents(t.tax2_total + tax2);
    } else {
      b.non_taxable_amount[i] = price;
      t.non_taxable_total = RoundToCents(t.non_taxable_total + price);
    }
    t.grand_total = RoundToCents(t.grand_total + price + tax1 + tax2);
    t.cost_total += cost;
    t.net_total = RoundToCents(t.net_total + price);
    b.line_count += 1;
    v().sale.list.push_back(description);
  }

  Path Data(const std::string& relative) const { return dir.path() / relative; }
  std::string Read(const std::string& relative) {
    return p.files.ReadAll(Data(relative)).value_or("<missing>");
  }
  bool Exists(const std::string& relative) { return p.files.Exists(Data(relative)); }
  std::string InventorySlot(int64_t slot) {
    return Read("inventory.dat").substr(static_cast<size_t>(slot) * 2113, 2113);
  }
  std::string CustomerSlot(int64_t slot) {
    return Read("customer.dat").substr(static_cast<size_t>(slot) * 1242, 1242);
  }

  TestPlatform p;
  TempDir dir;
  std::unique_ptr<TestSale> parts;
};

// Types `text` into field `key` the way the user interface does, so the dialog's live fields
// follow.
inline void Type(Dialog& dialog, const std::string& key, const std::string& text) {
  dialog.Field(key).text = text;
  if (dialog.on_change) dialog.on_change(dialog, key);
}

// Queues an answer that presses `button` after typing `text` into `key` (when `key` is set).
inline std::function<bool(Dialog&)> Press(const std::string& button, const std::string& key = "",
                                          const std::string& text = "") {
  return [=](Dialog& dialog) {
    if (!key.empty()) Type(dialog, key, text);
    dialog.pressed = button;
    return button != "Cancel";
  };
}

}  // namespace ventro::test
