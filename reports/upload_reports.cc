#include "reports/upload_reports.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "base/csv.h"
#include "base/format.h"
#include "formats/inventory_record.h"
#include "sale/sales_log_record.h"

namespace ventro {
namespace {

bool EndsWith(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size()) return false;
  for (size_t i = 0; i < ending.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[text.size() - ending.size() + i]);
    if (std::tolower(c) != ending[i]) return false;
  }
  return true;
}

// The items log's records of each transaction number, in log order.
std::unordered_map<int64_t, std::vector<size_t>> RecordsByTransaction(std::string_view items) {
  std::unordered_map<int64_t, std::vector<size_t>> records;
  const size_t count = items.size() / ItemsLogRecord::kSize;
  for (size_t i = 0; i < count; ++i) {
    const auto* record = reinterpret_cast<const uint8_t*>(items.data()) + i * ItemsLogRecord::kSize;
    records[GetI64(record)].push_back(i);
  }
  return records;
}

void AppendItemLine(std::string& out, const ItemsLogRecord& line, std::string_view payment) {
  out += std::to_string(line.item_number());
  out += ',';
  out += CsvField(line.description());
  for (double amount : {line.non_taxable_amount(), line.taxable_amount(), line.tax1(), line.tax2(),
                        line.cost(), line.line_total()}) {
    out += ',';
    out += FormatAmount(amount);
  }
  out += ',' + std::to_string(line.transaction_number());
  out += ',' + std::to_string(line.clerk_number());
  out += ',';
  out += CsvField(payment);
  out += "\r\n";
}

}  // namespace

bool IsPlainUploadName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F) return false;
  }
  if (std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  for (std::string_view own : {".dat", ".cfg", ".ini", ".bmp", ".lock"}) {
    if (EndsWith(name, own)) return false;
  }
  return !(name.size() == 9 && EndsWith(name, "ports.txt"));
}

std::string DailyItemsText(std::string_view store_name, std::string_view sales_log,
                           std::string_view items_log) {
  std::string out = "Daily item list: ";
  out += store_name;
  out += "\r\nItem, Description, Ntx, Tx, T1, T2, Cost, Total, ID, Assoc, Payment\r\n";
  auto records = RecordsByTransaction(items_log);
  SalesLogRecord sale;
  ItemsLogRecord line;
  const size_t sales = sales_log.size() / SalesLogRecord::kSize;
  for (size_t i = 0; i < sales; ++i) {
    std::memcpy(sale.data(), sales_log.data() + i * SalesLogRecord::kSize, SalesLogRecord::kSize);
    const std::string payment = sale.payment_type();
    if (!payment.empty() && (payment[0] == 'P' || payment[0] == 'R')) continue;
    auto found = records.find(sale.transaction_number());
    if (found == records.end()) continue;
    for (size_t index : found->second) {
      std::memcpy(line.data(), items_log.data() + index * ItemsLogRecord::kSize,
                  ItemsLogRecord::kSize);
      AppendItemLine(out, line, payment);
    }
    records.erase(found);
  }
  return out;
}

std::string ReorderListText(std::string_view store_name, std::string_view inventory_file) {
  std::string out = "Reorder list: ";
  out += store_name;
  out += "\r\nItem, Restock level, In stock, On order, Order quantity, Order code\r\n";
  InventoryRecord item;
  const size_t count = inventory_file.size() / InventoryRecord::kSize;
  for (size_t i = 0; i < count; ++i) {
    std::memcpy(item.data(), inventory_file.data() + i * InventoryRecord::kSize,
                InventoryRecord::kSize);
    if (item.IsDeleted() || item.IsBundle()) continue;
    if (item.Get(inv::kReorderQuantity) < item.Get(inv::kQuantity)) continue;
    out += std::to_string(item.Get(inv::kNumber)) + ", " + item.Get(inv::kDescription) + ", " +
           std::to_string(item.Get(inv::kReorderQuantity)) + "," +
           std::to_string(item.Get(inv::kQuantity)) + "," +
           std::to_string(item.Get(inv::kOnOrder)) + "," +
           std::to_string(item.Get(inv::kOrderQuantity)) + ", " + item.Get(inv::kOrderCode) +
           "\r\n";
  }
  return out;
}

}  // namespace ventro
