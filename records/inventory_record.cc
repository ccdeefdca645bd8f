#include "records/inventory_record.h"

namespace ventro {
namespace {

// Where the six component texts live: components 1 to 6 in this order. Component 1 shares
// its place with the ordinary item's format text.
struct ComponentField {
  size_t offset;
  size_t width;
};
constexpr ComponentField kComponentFields[InventoryRecord::kComponents] = {
    {270, 20}, {1942, 20}, {1962, 60}, {590, 20}, {610, 20}, {650, 20}};

}  // namespace

void InventoryRecord::MarkDeleted() {
  set_number(-1);
  bytes_[8] = 0;
  bytes_[9] = 0;
}

void InventoryRecord::InitialiseAddedItem() {
  set_last_used_number(0);
  // The reports read the stamp's characters from position 5 as time digits: a blank there and
  // a terminator after it read as "no time".
  bytes_[2073] = 0;
  bytes_[2073 + 5] = ' ';
  bytes_[2073 + 6] = 0;
  set_reserved_value1(0.0);
  set_reserved_value2(0.0);
  set_reserved_value3(0.0);
}

std::string InventoryRecord::component(int k) const {
  if (k < 1 || k > kComponents) return {};
  const ComponentField& field = kComponentFields[k - 1];
  return GetText(bytes_.data() + field.offset, field.width);
}

void InventoryRecord::set_component(int k, std::string_view item_number) {
  if (k < 1 || k > kComponents) return;
  const ComponentField& field = kComponentFields[k - 1];
  PutText(bytes_.data() + field.offset, field.width, item_number);
}

}  // namespace ventro
