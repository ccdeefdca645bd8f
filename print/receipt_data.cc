#include "print/receipt_data.h"

#include <algorithm>

namespace ventro {

std::vector<int> MergedQuantities(const Basket& basket, bool same_description) {
  const int count = std::clamp(basket.line_count, 0, kMaxBasketLines);
  std::vector<int> quantity(static_cast<size_t>(count), 1);
  for (size_t i = 0; i < quantity.size(); ++i) {
    if (quantity[i] == 0) continue;
    for (size_t j = i + 1; j < quantity.size(); ++j) {
      if (quantity[j] == 0) continue;
      if (basket.item_number[j] != basket.item_number[i]) continue;
      if (basket.line_total[j] != basket.line_total[i]) continue;
      // Lines sold without an item all carry number 0, so for them the description tells
      // what was sold.
      const bool by_description = same_description || basket.item_number[i] == 0;
      if (by_description && TextOf(basket.description[j]) != TextOf(basket.description[i])) {
        continue;
      }
      ++quantity[i];
      quantity[j] = 0;
    }
  }
  return quantity;
}

}  // namespace ventro
