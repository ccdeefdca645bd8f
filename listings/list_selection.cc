#include "listings/list_selection.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

#include "base/cp1252.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"

namespace ventro {
namespace {

// Records read per call: large sequential reads without holding the whole file.
constexpr size_t kBlockRecords = 512;

// One pick of a list: its slot and what it is ordered by.
struct Pick {
  int64_t slot = 0;
  int64_t number = 0;
  std::string name;  // kept upper-cased for the alphabetical lists
  double value = 0;  // the largest first for the ranked lists
};

enum class Order { kNumber, kName, kValueDescending };

// Calls `visit` with the slot and bytes of every live record, reading the file once in blocks.
Status ScanLive(Files& files, const MasterFile& master,
                const std::function<void(int64_t, const uint8_t*)>& visit) {
  std::unique_ptr<File> file = files.Open(master.path(), OpenMode::kRead);
  if (!file) {
    return Status::Failed("Fatal error",
                          std::string("Data file: ") + master.file_name() + ", not present.");
  }
  const size_t size = master.record_size();
  std::vector<uint8_t> block(size * kBlockRecords);
  for (int64_t slot = 0;;) {
    const size_t got = file->ReadAt(static_cast<uint64_t>(slot) * size, block.data(), block.size());
    const size_t records = got / size;
    for (size_t i = 0; i < records; ++i, ++slot) {
      const uint8_t* record = block.data() + i * size;
      int64_t number = 0;
      std::memcpy(&number, record, sizeof number);
      if (number >= 1) visit(slot, record);
    }
    if (records < kBlockRecords) return Status::Ok();
  }
}

void Arrange(std::vector<Pick>& picks, Order order) {
  auto by_number = [](const Pick& a, const Pick& b) {
    return a.number != b.number ? a.number < b.number : a.slot < b.slot;
  };
  switch (order) {
    case Order::kNumber:
      std::sort(picks.begin(), picks.end(), by_number);
      break;
    case Order::kName:
      std::sort(picks.begin(), picks.end(), [&](const Pick& a, const Pick& b) {
        return a.name != b.name ? a.name < b.name : by_number(a, b);
      });
      break;
    case Order::kValueDescending:
      std::sort(picks.begin(), picks.end(), [&](const Pick& a, const Pick& b) {
        return a.value != b.value ? a.value > b.value : by_number(a, b);
      });
      break;
  }
}

std::vector<int64_t> SlotsOf(const std::vector<Pick>& picks, size_t limit) {
  std::vector<int64_t> slots;
  const size_t count = limit ? std::min(limit, picks.size()) : picks.size();
  slots.reserve(count);
  for (size_t i = 0; i < count; ++i) slots.push_back(picks[i].slot);
  return slots;
}

// Whether the first character of `name` lies between `first` and `last` in either case.
bool StartsInRange(const std::string& upper_name, char first, char last) {
  if (upper_name.empty()) return false;
  const unsigned char low = static_cast<unsigned char>(UpperCp1252(std::string(1, first))[0]);
  const unsigned char high = static_cast<unsigned char>(UpperCp1252(std::string(1, last))[0]);
  const unsigned char c = static_cast<unsigned char>(upper_name[0]);
  return c >= std::min(low, high) && c <= std::max(low, high);
}

std::string_view TrimRight(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

void RunningStockValue::Add(const uint8_t* record) {
  InventoryRecord item;
  std::memcpy(item.data(), record, InventoryRecord::kSize);
  const int32_t quantity = item.Get(inv::kQuantity);
  if (quantity <= 0 || item.IsBundle()) return;
  cost += quantity * item.Get(inv::kCostPrice);
  retail += quantity * item.Get(inv::kRetailPrice);
}

bool SameText(std::string_view stored, std::string_view typed) {
  return UpperCp1252(TrimRight(stored)) == UpperCp1252(TrimRight(typed));
}

int StampDate(std::string_view stamp) {
  // "hh:mm" then "DD/MM/YYYY"
  if (stamp.size() < 15 || stamp[7] != '/' || stamp[10] != '/') return 0;
  int value[3] = {0, 0, 0};
  const size_t starts[3] = {5, 8, 11};
  const size_t widths[3] = {2, 2, 4};
  for (int part = 0; part < 3; ++part) {
    for (size_t i = 0; i < widths[part]; ++i) {
      const char c = stamp[starts[part] + i];
      if (c < '0' || c > '9') return 0;
      value[part] = value[part] * 10 + (c - '0');
    }
  }
  return value[2] * 10000 + value[1] * 100 + value[0];
}

std::vector<int64_t> SlotsFromNumber(const MasterFile& file, int64_t from) {
  const std::vector<IndexEntry>& entries = file.index().entries();
  auto first = std::lower_bound(
      entries.begin(), entries.end(), std::max<int64_t>(from, 1),
      [](const IndexEntry& entry, int64_t number) { return entry.number < number; });
  std::vector<int64_t> slots;
  slots.reserve(static_cast<size_t>(entries.end() - first));
  for (auto it = first; it != entries.end(); ++it) slots.push_back(it->position);
  return slots;
}

Status SelectItems(Files& files, const MasterFile& inventory, const ItemQuery& query,
                   Selection& selection) {
  selection = {};
  if (query.list == ItemList::kFromNumber || query.list == ItemList::kWithCost) {
    selection.slots =
        SlotsFromNumber(inventory, query.list == ItemList::kFromNumber ? query.from_number : 1);
    return Status::Ok();
  }
  std::vector<Pick> picks;
  InventoryRecord item;
  Status status = ScanLive(files, inventory, [&](int64_t slot, const uint8_t* record) {
    std::memcpy(item.data(), record, InventoryRecord::kSize);
    const int32_t category = item.Get(inv::kDisplayCategory);
    const int32_t quantity = item.Get(inv::kQuantity);
    Pick pick{slot, item.Get(inv::kNumber), {}, 0};
    switch (query.list) {
      case ItemList::kFromNumber:
      case ItemList::kWithCost:
        return;
      case ItemList::kAlphabetical:
        pick.name = UpperCp1252(item.Get(inv::kDescription));
        if (!StartsInRange(pick.name, query.first, query.last)) return;
        break;
      case ItemList::kCategory:
        if (category != query.category) return;
        break;
      case ItemList::kInStock:
        if (item.IsBundle() || quantity <= 0) return;
        break;
      case ItemList::kLocation:
        if (!SameText(item.Get(inv::kLocation), query.location)) return;
        break;
      case ItemList::kCustom:
        if (category < 0 || static_cast<size_t>(category) >= query.categories.size() ||
            !query.categories[static_cast<size_t>(category)]) {
          return;
        }
        break;
      case ItemList::kTopSellers:
        if (query.category >= 0 && category != query.category) return;
        pick.value = item.Get(inv::kTotalSold);
        if (pick.value <= 0) return;
        break;
      case ItemList::kBelowCost:
        if (!(item.Get(inv::kRetailPrice) < item.Get(inv::kCostPrice))) return;
        break;
    }
    picks.push_back(std::move(pick));
  });
  switch (query.list) {
    case ItemList::kAlphabetical:
      Arrange(picks, Order::kName);
      break;
    case ItemList::kTopSellers:
      Arrange(picks, Order::kValueDescending);
      break;
    default:
      Arrange(picks, Order::kNumber);
  }
  selection.slots = SlotsOf(picks, query.list == ItemList::kTopSellers ? kTopSellerCount : 0);
  return status;
}

Status SelectCustomers(Files& files, const MasterFile& customers, const CustomerQuery& query,
                       Selection& selection) {
  selection = {};
  if (query.list == CustomerList::kFromNumber) {
    selection.slots = SlotsFromNumber(customers, query.from_number);
    return Status::Ok();
  }
  std::vector<Pick> picks;
  CustomerRecord customer;
  Status status = ScanLive(files, customers, [&](int64_t slot, const uint8_t* record) {
    std::memcpy(customer.data(), record, CustomerRecord::kSize);
    const double balance = customer.Get(cust::kBalance);
    Pick pick{slot, customer.Get(cust::kNumber), {}, balance};
    switch (query.list) {
      case CustomerList::kFromNumber:
        return;
      case CustomerList::kAlphabetical:
        pick.name = UpperCp1252(customer.Get(cust::kName));
        if (!StartsInRange(pick.name, query.first, query.last)) return;
        break;
      case CustomerList::kAddress:
        if (!SameText(customer.Get(cust::kRoad), query.address)) return;
        break;
      case CustomerList::kDebtors:
        if (balance == 0) return;
        break;
      case CustomerList::kInactive: {
        const int last = std::max(StampDate(customer.Get(cust::kLastUsed)),
                                  StampDate(customer.Get(cust::kLastPayment)));
        if (last >= query.since) return;
        break;
      }
      case CustomerList::kOutstanding:
        if (!(balance > 0)) return;
        break;
    }
    if (query.list == CustomerList::kDebtors || query.list == CustomerList::kOutstanding) {
      selection.balances += balance;
    }
    picks.push_back(std::move(pick));
  });
  switch (query.list) {
    case CustomerList::kAlphabetical:
      Arrange(picks, Order::kName);
      break;
    case CustomerList::kOutstanding:
      Arrange(picks, Order::kValueDescending);
      break;
    default:
      Arrange(picks, Order::kNumber);
  }
  selection.slots = SlotsOf(picks, 0);
  return status;
}

}  // namespace ventro
