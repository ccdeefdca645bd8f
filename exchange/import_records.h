// Records built from the values of one line of an imported file: each destination field takes
// the value of the column the user mapped to it, converted and cut to what the field holds.
#pragma once

#include <array>
#include <optional>

#include "base/csv.h"
#include "formats/customer_record.h"
#include "formats/inventory_record.h"

namespace ventro {

inline constexpr int kItemImportFields = 19;
inline constexpr int kCustomerImportFields = 18;

// For each destination field, the column (from 1) it is read from; 0 leaves the field out.
using ItemColumns = std::array<int, kItemImportFields>;
using CustomerColumns = std::array<int, kCustomerImportFields>;

// The item `line` gives, or nothing when its number is not from 1 to 10^17 or its description
// is shorter than two characters.
std::optional<InventoryRecord> ImportedItem(const CsvRecord& line, const ItemColumns& columns);

// The customer `line` gives, or nothing when its number is not from 1 to 10^17 or its name is
// shorter than two characters.
std::optional<CustomerRecord> ImportedCustomer(const CsvRecord& line,
                                               const CustomerColumns& columns);

}  // namespace ventro
