#include "reports/upload_reports.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "formats/inventory_record.h"

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
