// The transaction number as a Code 39 barcode, drawn in hundredths of a millimetre so the bars
// keep their physical size on any printer: modules 0.4 mm wide, wide elements two modules,
// one module between characters, bars 10 mm high, between "*" start and stop characters.
#pragma once

#include <cstdint>
#include <string>

#include "platform/print_canvas.h"
#include "platform/ui.h"

namespace ventro {

inline constexpr int kCode39Module = 40;       // 0.01 mm
inline constexpr int kCode39BarHeight = 1000;  // 0.01 mm
inline constexpr int kCode39CharModules = 13;  // 12 modules and the gap after it

// The nine elements (bar, space, bar, ... bar) of `c` as '1' for wide and '0' for narrow;
// empty for a character the barcode does not carry (only digits, '-' and '*' are needed).
std::string Code39Pattern(char c);

// The text the barcode carries: the number left-padded with zeros to 4 digits.
std::string BarcodeDigits(int64_t transaction_number);

// Where the barcode goes: at (line + 2) lines from the top when `line` is above 0, otherwise
// by the page bottom, higher with `mode` 2.
struct BarcodePlace {
  int line = 0;
  int line_height = 0;  // device units
  int mode = 0;
};

// Draws "*DIGITS*" centred on the page. A device without resolution data gives "Unable to get
// printer" titled "Problem" and no barcode. Leaves the canvas in device units.
void DrawBarcode(PrintCanvas& canvas, Ui& ui, int64_t transaction_number,
                 const BarcodePlace& place);

}  // namespace ventro
