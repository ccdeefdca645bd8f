#include "exchange/import_records.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "base/cp1252.h"
#include "base/format.h"

namespace ventro {
namespace {

// The value of `column` (from 1) in `line`; empty for 0 or a column the line does not have.
std::string_view Column(const CsvRecord& line, int column) {
  if (column < 1 || static_cast<size_t>(column) > line.size()) return {};
  return line[static_cast<size_t>(column) - 1];
}

// At most `length` characters, so the field's terminator is never overwritten.
std::string Cut(std::string_view text, size_t length) {
  return std::string(text.substr(0, length));
}

// A whole number that a 32-bit field holds, above 0; nothing otherwise.
std::optional<int32_t> PositiveCount(std::string_view text) {
  const int64_t value = AtoI64(text);
  if (value <= 0 || value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::optional<double> PositiveAmount(std::string_view text) {
  const double value = AtoF(text);
  if (value <= 0 || !IsSaneAmount(value)) return std::nullopt;
  return value;
}

bool ValidNumber(int64_t number) { return number >= 1 && number <= InventoryRecord::kMaxNumber; }

// Destination fields of an item, in the mapping dialog's order.
enum ItemField {
  kItemNumber,
  kItemDescription,
  kItemSku1,
  kItemSku2,
  kItemSku3,
  kItemSku4,
  kItemCost,
  kItemDisplayCategory,
  kItemRetail,
  kItemQuantity,
  kItemReorder,
  kItemTax,
  kItemOrderCode,
  kItemOrderQuantity,
  kItemMinimumOrder,
  kItemTrade,
  kItemLocation,
  kItemWebsite,
  kItemWebImage
};

enum CustomerField {
  kCustomerNumber,
  kCustomerName,
  kCustomerRoad,
  kCustomerArea,
  kCustomerTown,
  kCustomerPostcode,
  kCustomerTelephone,
  kCustomerTax,
  kCustomerBalance,
  kCustomerCreditLimit,
  kCustomerShipping1,
  kCustomerShipping2,
  kCustomerShipping3,
  kCustomerShipping4,
  kCustomerShipping5,
  kCustomerComment,
  kCustomerGroup,
  kCustomerEmail
};

// The longest text of an item's 40-byte texts.
constexpr size_t kItemText = 39;

}  // namespace

std::optional<InventoryRecord> ImportedItem(const CsvRecord& line, const ItemColumns& columns) {
  auto value = [&](ItemField field) { return Column(line, columns[field]); };
  InventoryRecord item;
  item.Set(inv::kNumber, AtoI64(value(kItemNumber)));
  const std::string description = UpperCp1252(Cut(value(kItemDescription), kItemText));
  if (!ValidNumber(item.Get(inv::kNumber)) || description.size() < 2) return std::nullopt;
  item.Set(inv::kDescription, description);
  item.Set(inv::kLastUsed, "NEW");
  item.Set(inv::kStockPicture, 1);
  item.Set(inv::kDisplayCategory, 14);
  item.Set(inv::kSku1, Cut(value(kItemSku1), kItemText));
  item.Set(inv::kSku2, Cut(value(kItemSku2), kItemText));
  item.Set(inv::kSku3, Cut(value(kItemSku3), kItemText));
  item.Set(inv::kSku4, Cut(value(kItemSku4), kItemText));
  item.Set(inv::kOrderCode, Cut(value(kItemOrderCode), kItemText));
  item.Set(inv::kLocation, Cut(value(kItemLocation), kItemText));
  item.Set(inv::kWebsite, Cut(value(kItemWebsite), kItemText));
  item.Set(inv::kWebImage, Cut(value(kItemWebImage), kItemText));
  if (auto cost = PositiveAmount(value(kItemCost))) item.Set(inv::kCostPrice, *cost);
  if (auto retail = PositiveAmount(value(kItemRetail))) item.Set(inv::kRetailPrice, *retail);
  if (auto trade = PositiveAmount(value(kItemTrade))) item.Set(inv::kTradePrice, *trade);
  if (!value(kItemDisplayCategory).empty()) {
    const int64_t category = AtoI64(value(kItemDisplayCategory));
    if (category >= 0 && category <= 17) {
      item.Set(inv::kDisplayCategory, static_cast<int32_t>(category));
    }
  }
  if (auto quantity = PositiveCount(value(kItemQuantity))) item.Set(inv::kQuantity, *quantity);
  if (auto reorder = PositiveCount(value(kItemReorder))) item.Set(inv::kReorderQuantity, *reorder);
  if (auto tax = PositiveCount(value(kItemTax))) item.Set(inv::kTax, *tax > 3 ? 1 : *tax);
  if (auto order = PositiveCount(value(kItemOrderQuantity))) item.Set(inv::kOrderQuantity, *order);
  if (auto minimum = PositiveCount(value(kItemMinimumOrder)))
    item.Set(inv::kMinimumOrder, *minimum);
  return item;
}

std::optional<CustomerRecord> ImportedCustomer(const CsvRecord& line,
                                               const CustomerColumns& columns) {
  auto value = [&](CustomerField field) { return Column(line, columns[field]); };
  CustomerRecord customer;
  customer.Set(cust::kNumber, AtoI64(value(kCustomerNumber)));
  const std::string name = Cut(value(kCustomerName), 29);
  if (!ValidNumber(customer.Get(cust::kNumber)) || name.size() < 2) return std::nullopt;
  customer.Set(cust::kName, name);
  customer.Set(cust::kGroup, 1);
  customer.Set(cust::kTerms, 1);
  customer.Set(cust::kTax, 1);
  customer.Set(cust::kRoad, UpperCp1252(Cut(value(kCustomerRoad), 29)));
  customer.Set(cust::kArea, UpperCp1252(Cut(value(kCustomerArea), 29)));
  customer.Set(cust::kTown, UpperCp1252(Cut(value(kCustomerTown), 29)));
  customer.Set(cust::kPostcode, UpperCp1252(Cut(value(kCustomerPostcode), 9)));
  customer.Set(cust::kTelephone, UpperCp1252(Cut(value(kCustomerTelephone), 19)));
  // Each text is one character shorter than its field, which ends with a terminator.
  customer.Set(cust::kShippingAddress1, Cut(value(kCustomerShipping1), 59));
  customer.Set(cust::kShippingAddress2, Cut(value(kCustomerShipping2), 29));
  customer.Set(cust::kShippingAddress3, Cut(value(kCustomerShipping3), 29));
  customer.Set(cust::kShippingAddress4, Cut(value(kCustomerShipping4), 29));
  customer.Set(cust::kShippingAddress5, Cut(value(kCustomerShipping5), 9));
  customer.Set(cust::kComment, Cut(value(kCustomerComment), 29));
  customer.Set(cust::kEmail, Cut(value(kCustomerEmail), 39));
  // A mapped tax code or balance is stored as given: tax-exempt customers (0) and accounts in
  // credit (a negative balance) come back as they were exported.
  if (!value(kCustomerTax).empty()) customer.Set(cust::kTax, AtoI64(value(kCustomerTax)));
  if (!value(kCustomerBalance).empty()) {
    const double balance = AtoF(value(kCustomerBalance));
    if (IsSaneAmount(balance)) customer.Set(cust::kBalance, balance);
  }
  if (auto limit = PositiveAmount(value(kCustomerCreditLimit))) {
    customer.Set(cust::kCreditLimit, *limit);
  }
  if (auto group = PositiveCount(value(kCustomerGroup))) customer.Set(cust::kGroup, *group);
  return customer;
}

}  // namespace ventro
