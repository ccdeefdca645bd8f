// The built-in product pictures shown on the sale screen's quick-select buttons.
#pragma once

#include "starter/picture_canvas.h"

namespace ventro::pictures {

inline constexpr int kStockPictureCount = 24;
inline constexpr int kStockPictureSize = 96;  // drawn at twice the 48-pixel button size

// Draws stock picture `number` (1 to kStockPictureCount) on an opaque light background:
// 1 spirits, 2 beer, 3 book, 4 tin can, 5 car, 6 coffee, 7 cheese, 8 soft drink, 9 disc,
// 10 frozen, 11 fruit, 12 hardware, 13 gift, 14 paper, 15 popcorn, 16 tea, 17 sweets,
// 18 wine, 19 bread, 20 milk, 21 cleaning, 22 toy, 23 flowers, 24 battery.
Canvas DrawStockPicture(int number);

}  // namespace ventro::pictures
