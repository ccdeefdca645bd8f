#include "listings/list_rows.h"

#include "base/format.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"
#include "formats/supplier_record.h"

namespace ventro {
namespace {

template <typename Record>
Record RecordOf(const uint8_t* bytes) {
  Record record;
  std::memcpy(record.data(), bytes, Record::kSize);
  return record;
}

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

// One item column: its heading, width, alignment and cell.
struct ItemColumn {
  const char* key;
  TableColumn column;
  std::function<std::string(const InventoryRecord&)> cell;
};

std::vector<ItemColumn> ItemColumns(const SettingsRecord& settings) {
  return {
      {"number", {"Number", 10, true}, [](const auto& r) { return Number(r.Get(inv::kNumber)); }},
      {"description",
       {"Description", 40, false},
       [](const auto& r) { return r.Get(inv::kDescription); }},
      {"price",
       {"Price", 10, true},
       [](const auto& r) { return FormatAmount(r.Get(inv::kRetailPrice)); }},
      {"cost",
       {"Cost", 10, true},
       [](const auto& r) { return FormatAmount(r.Get(inv::kCostPrice)); }},
      {"stock", {"Stock", 7, true}, [](const auto& r) { return Number(r.Get(inv::kQuantity)); }},
      {"category",
       {"Cat", 3, false},
       [&settings](const auto& r) {
         const int32_t category = r.Get(inv::kDisplayCategory);
         if (category < 0 || category >= SettingsRecord::kCategoryCount) return std::string();
         return settings.CategoryCode(category);
       }},
      {"location", {"Location", 20, false}, [](const auto& r) { return r.Get(inv::kLocation); }},
      {"code", {"Order code", 20, false}, [](const auto& r) { return r.Get(inv::kOrderCode); }},
      {"sold", {"Sold", 7, true}, [](const auto& r) { return Number(r.Get(inv::kTotalSold)); }},
  };
}

ListLayout LayoutOf(std::vector<ItemColumn> chosen) {
  ListLayout layout;
  for (const ItemColumn& column : chosen) layout.columns.push_back(column.column);
  layout.cells = [chosen = std::move(chosen)](const uint8_t* bytes) {
    const InventoryRecord item = RecordOf<InventoryRecord>(bytes);
    std::vector<std::string> cells;
    cells.reserve(chosen.size());
    for (const ItemColumn& column : chosen) cells.push_back(column.cell(item));
    return cells;
  };
  return layout;
}

}  // namespace

ListLayout CustomItemLayout(const SettingsRecord& settings, const std::vector<std::string>& keys) {
  std::vector<ItemColumn> all = ItemColumns(settings);
  std::vector<ItemColumn> chosen;
  for (const std::string& key : keys) {
    for (const ItemColumn& column : all) {
      if (key == column.key) chosen.push_back(column);
    }
  }
  return LayoutOf(std::move(chosen));
}

ListLayout ItemLayout(const SettingsRecord& settings, bool with_cost, bool with_sold) {
  std::vector<std::string> keys = {"number", "description", "price"};
  if (with_cost) keys.push_back("cost");
  keys.insert(keys.end(), {"stock", "category", "location"});
  if (with_sold) keys.push_back("sold");
  return CustomItemLayout(settings, keys);
}

ListLayout CustomerLayout() {
  ListLayout layout;
  layout.columns = {{"Number", 10, true}, {"Name", 30, false},      {"Address", 30, false},
                    {"Town", 20, false},  {"Post code", 10, false}, {"Telephone", 20, false},
                    {"Balance", 12, true}};
  layout.cells = [](const uint8_t* bytes) {
    const CustomerRecord c = RecordOf<CustomerRecord>(bytes);
    return std::vector<std::string>{Number(c.Get(cust::kNumber)),
                                    c.Get(cust::kName),
                                    c.Get(cust::kRoad),
                                    c.Get(cust::kTown),
                                    c.Get(cust::kPostcode),
                                    c.Get(cust::kTelephone),
                                    FormatAmount(c.Get(cust::kBalance))};
  };
  return layout;
}

ListLayout SupplierLayout() {
  ListLayout layout;
  layout.columns = {
      {"Number", 10, true}, {"Name", 42, false}, {"Telephone", 20, false}, {"Contact", 30, false}};
  layout.cells = [](const uint8_t* bytes) {
    const SupplierRecord s = RecordOf<SupplierRecord>(bytes);
    return std::vector<std::string>{Number(s.Get(supp::kNumber)), s.Get(supp::kName),
                                    s.Get(supp::kTelephone), s.Get(supp::kContact)};
  };
  return layout;
}

namespace {

constexpr int64_t kWindowRecords = 512;

}  // namespace

RecordRows::RecordRows(Files& files, const MasterFile& file, std::vector<int64_t> slots,
                       RowCells cells)
    : files_(files),
      file_(file),
      slots_(std::move(slots)),
      cells_(std::move(cells)),
      window_(static_cast<size_t>(kWindowRecords) * file.record_size()) {}

void RecordRows::ReadWindow(int64_t index, int64_t slot) {
  int64_t end = slot + 1;
  for (int64_t next = index + 1; next < Count() && next < index + kWindowRecords; ++next) {
    const int64_t following = slots_[static_cast<size_t>(next)];
    if (following < end || following >= slot + kWindowRecords) break;
    end = following + 1;
  }
  const size_t record_size = file_.record_size();
  window_first_ = slot;
  window_count_ = 0;
  if (!open_) open_ = files_.Open(file_.path(), OpenMode::kRead);
  if (!open_) return;
  const size_t got = open_->ReadAt(static_cast<uint64_t>(slot) * record_size, window_.data(),
                                   static_cast<size_t>(end - slot) * record_size);
  window_count_ = static_cast<int64_t>(got / record_size);
}

std::vector<std::string> RecordRows::Row(int64_t index) {
  if (index < 0 || index >= Count()) return {};
  const int64_t slot = slots_[static_cast<size_t>(index)];
  if (slot < window_first_ || slot >= window_first_ + window_count_) ReadWindow(index, slot);
  const size_t record_size = file_.record_size();
  if (slot >= window_first_ + window_count_) {
    // Past the end of the file, or not read: the row's cells are those of an empty record.
    std::vector<uint8_t> empty(record_size, 0);
    return cells_(empty.data());
  }
  return cells_(window_.data() + static_cast<size_t>(slot - window_first_) * record_size);
}

}  // namespace ventro
