#include "reports/stock_lists.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "base/cp1252.h"
#include "base/format.h"
#include "inventory/item_scan.h"

namespace ventro {
namespace {

bool ExpiredBy(const InventoryRecord& item, const LocalTime& today) {
  const int day = item.Get(inv::kSellByDay);
  const int month = item.Get(inv::kSellByMonth);
  if (day < 1 || month < 1 || item.Get(inv::kSellByYearOffset) < 1) return false;
  const int year = item.SellByYear();
  if (year != today.year) return year < today.year;
  if (month != today.month) return month < today.month;
  return day < today.day;
}

const char* Text(const std::string& value) { return value.c_str(); }

// Reads every live item once; a missing file says so in the reports' own words.
Status ScanLiveItems(Files& files, const MasterFile& inventory,
                     const std::function<void(const InventoryRecord&)>& on_item) {
  if (!files.Exists(inventory.path())) {
    return Status::Failed("Fatal error", "Data file inventory.dat, not present.");
  }
  InventoryRecord item;
  return ScanItems(files, inventory, 0, [&](int64_t, const uint8_t* record) {
    std::memcpy(item.data(), record, InventoryRecord::kSize);
    if (!item.IsDeleted()) on_item(item);
    return true;
  });
}

}  // namespace

std::optional<std::string> StockListLine(StockList list, const InventoryRecord& item,
                                         const LocalTime& today) {
  const long long number = item.Get(inv::kNumber);
  const std::string description = item.Get(inv::kDescription);
  const std::string code = item.Get(inv::kOrderCode);
  const int stock = item.Get(inv::kQuantity);
  const int reorder = item.Get(inv::kReorderQuantity);
  const int on_order = item.Get(inv::kOnOrder);
  const int order_quantity = item.Get(inv::kOrderQuantity);
  switch (list) {
    case StockList::kReorder:
      if (item.IsBundle() || reorder < stock) return std::nullopt;
      return StringPrintf("%lld, %s, %d,%d,%d,%d, %s", number, Text(description), reorder, stock,
                          on_order, order_quantity, Text(code));
    case StockList::kReorderByCode:
      if (item.IsBundle() || reorder < stock) return std::nullopt;
      return StringPrintf("%s, %lld, %s, %d,%d,%d,%d", Text(code), number, Text(description),
                          reorder, stock, on_order, order_quantity);
    case StockList::kOutOfStock:
      if (item.IsBundle() || stock >= 1) return std::nullopt;
      return StringPrintf("%lld, %s, %d,%d,%d, %s", number, Text(description), reorder, on_order,
                          order_quantity, Text(code));
    case StockList::kSpecialOrders: {
      const int special = item.Get(inv::kSpecialOrder);
      if (special < 1) return std::nullopt;
      return StringPrintf("%lld, %s, %d, %d", number, Text(description), stock, special);
    }
    case StockList::kSellBy:
      if (!ExpiredBy(item, today)) return std::nullopt;
      return StringPrintf("%lld, %s, D:%d M:%d Y:%d", number, Text(description),
                          item.Get(inv::kSellByDay), item.Get(inv::kSellByMonth),
                          item.SellByYear());
  }
  return std::nullopt;
}

Status CollectStockList(Files& files, const MasterFile& inventory, StockList list,
                        const LocalTime& today, std::vector<std::string>& lines) {
  std::vector<std::pair<int64_t, std::string>> found;
  Status status = ScanLiveItems(files, inventory, [&](const InventoryRecord& item) {
    if (std::optional<std::string> line = StockListLine(list, item, today)) {
      found.emplace_back(item.Get(inv::kNumber), std::move(*line));
    }
  });
  if (list == StockList::kReorderByCode) {
    // Sorted as a sorted list box sorts, by text without regard to case.
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
      return UpperCp1252(a.second) < UpperCp1252(b.second);
    });
  } else {
    // The file holds items in slot order; the lists go by number.
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
  }
  lines.clear();
  for (auto& entry : found) lines.push_back(std::move(entry.second));
  return status;
}

std::string StockListTitle(StockList list) {
  switch (list) {
    case StockList::kReorder:
    case StockList::kReorderByCode:
      return "Inventory reorder list";
    case StockList::kOutOfStock:
      return "Out of stock list";
    case StockList::kSpecialOrders:
      return "Special order list";
    case StockList::kSellBy:
      return "Sell by list";
  }
  return {};
}

std::string StockListColumns(StockList list) {
  switch (list) {
    case StockList::kReorder:
      return "Reorder level, In stock, On order, Order qty, Code";
    case StockList::kReorderByCode:
      return "Order code, Item, Reorder level, In stock, On order, Order qty";
    case StockList::kOutOfStock:
      return "Item, Reorder level, On order, Order qty, Code";
    default:
      return {};
  }
}

std::string StockValue::MarginText() const {
  if (cost > 0 && retail > 0 && cost != retail) {
    return FormatAmount((retail - cost) / cost * 100) + "%";
  }
  return "N/A";
}

Status SumStockValue(Files& files, const MasterFile& inventory, StockValue& value) {
  value = {};
  return ScanLiveItems(files, inventory, [&](const InventoryRecord& item) {
    const int32_t quantity = item.Get(inv::kQuantity);
    if (quantity <= 0) return;
    value.items += quantity;
    value.cost += quantity * item.Get(inv::kCostPrice);
    value.retail += quantity * item.Get(inv::kRetailPrice);
  });
}

}  // namespace ventro
