// The stock lists (items to reorder, out of stock, on special order, past their sell-by date)
// and the value of the stock on hand, each made from one read of inventory.dat.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/status.h"
#include "formats/inventory_record.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "store/master_file.h"

namespace ventro {

enum class StockList { kReorder, kReorderByCode, kOutOfStock, kSpecialOrders, kSellBy };

// The line `item` has on `list`, or nothing when it is not listed there. Bundles are never on
// the reorder and out-of-stock lists; a sell-by date with a field 0, or not before `today`, is
// not expired.
std::optional<std::string> StockListLine(StockList list, const InventoryRecord& item,
                                         const LocalTime& today);

// The lines of `list` for every live item: in ascending item number, or for the order-code list
// in text order (so by order code).
Status CollectStockList(Files& files, const MasterFile& inventory, StockList list,
                        const LocalTime& today, std::vector<std::string>& lines);

// The window's title and first line (a column heading, empty for none).
std::string StockListTitle(StockList list);
std::string StockListColumns(StockList list);

struct StockValue {
  int64_t items = 0;  // units in stock
  double cost = 0;    // units x cost price
  double retail = 0;  // units x retail price

  // "%.2f%%" of the retail value's margin over cost, or "N/A" without two differing values
  // above 0.
  std::string MarginText() const;
};

// The stock on hand: every live item with a quantity above 0.
Status SumStockValue(Files& files, const MasterFile& inventory, StockValue& value);

}  // namespace ventro
