// The program's own pictures: the logos printed on receipts and letters, the splash picture
// shown while the program starts, and the program icon.
#pragma once

#include "starter/picture_canvas.h"

namespace ventro::pictures {

inline constexpr Color kSplashKey{0, 0, 255};  // marks the splash picture's see-through pixels

// The receipt logo: a shop front in pure black and white, 384 x 120, for thermal printers.
Canvas DrawReceiptLogo();

// The letter and invoice logo: the same shop front in colour between two rules, 600 x 150.
Canvas DrawLetterLogo();

// The splash picture, 400 x 198: a rounded panel with the till emblem and the name, outside
// the panel transparent (not yet flattened to kSplashKey).
Canvas DrawSplash();

// The program icon: the till emblem on a rounded tile, `size` x `size`, transparent outside.
Canvas DrawIcon(int size);

}  // namespace ventro::pictures
