#include "formats/inventory_record.h"

namespace ventro {

void InventoryRecord::MarkDeleted() {
  Set(inv::kNumber, -1);
  data()[inv::kDescription.offset] = 0;
  data()[inv::kDescription.offset + 1] = 0;
}

void InventoryRecord::InitialiseAddedItem() {
  Set(inv::kLastUsedNumber, 0);
  // The reports read the stamp's characters from position 5 as time digits: a blank there and
  // a terminator after it read as "no time".
  uint8_t* stamp = data() + inv::kTimeStamp.offset;
  stamp[0] = 0;
  stamp[5] = ' ';
  stamp[6] = 0;
  Set(inv::kReservedValue1, 0.0);
  Set(inv::kReservedValue2, 0.0);
  Set(inv::kReservedValue3, 0.0);
}

std::string InventoryRecord::Component(int k) const {
  if (k < 1 || k > kComponents) return {};
  return Get(inv::kComponentText[k - 1]);
}

void InventoryRecord::SetComponent(int k, std::string_view item_number) {
  if (k < 1 || k > kComponents) return;
  Set(inv::kComponentText[k - 1], item_number);
}

}  // namespace ventro
