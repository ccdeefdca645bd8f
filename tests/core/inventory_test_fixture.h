// Inventory maintenance and search over a data folder of the test's own: items written
// straight into inventory.dat, the form and prompts answered from the FakeUi queues.
#pragma once

#include <string>
#include <vector>

#include "inventory/inventory_desk.h"
#include "tender_fixture.h"

namespace ventro::test {

struct StockItem {
  int64_t number;  // below 1: a free slot
  std::string description;
  std::string sku1 = "";
  double retail = 2.5;
  int32_t quantity = 4;
  int32_t kind = 0;
};

class InventoryTest : public SaleTest {
 protected:
  InventoryDesk desk() { return {p.platform, v().settings, v().inventory, dir.path()}; }

  void WriteItems(const std::vector<StockItem>& items) {
    std::string bytes;
    for (const StockItem& row : items) {
      InventoryRecord record;
      record.Set(inv::kNumber, row.number);
      record.Set(inv::kDescription, row.description);
      record.Set(inv::kSku1, row.sku1);
      record.Set(inv::kRetailPrice, row.retail);
      record.Set(inv::kCostPrice, 1.25);
      record.Set(inv::kQuantity, row.quantity);
      record.Set(inv::kKind, row.kind);
      record.Set(inv::kStockPicture, 3);
      if (row.number < 1) record.MarkDeleted();
      bytes.append(reinterpret_cast<const char*>(record.data()), InventoryRecord::kSize);
    }
    std::ofstream(dir.path() / "inventory.dat", std::ios::binary) << bytes;
    ASSERT_EQ(v().inventory.Load(p.files, dir.path()), LoadStatus::kOk);
  }

  // Answers the next dialog (the form, a view, a list) by `fill`, closing it with `button`.
  void Reply(std::function<void(Dialog&)> fill, const std::string& button = "OK") {
    p.ui.dialog_answers.push_back([fill = std::move(fill), button](Dialog& d) {
      if (fill) fill(d);
      d.pressed = button;
      return button != "Cancel";
    });
  }
  void Type(const std::string& text) { p.ui.edit_answers.push_back(text); }

  std::string DayLog() { return Read("2026/12/6.txt"); }
  std::vector<std::string> Titles() const {
    std::vector<std::string> titles;
    for (const auto& m : p.ui.messages) titles.push_back(m.title);
    return titles;
  }
};

}  // namespace ventro::test
