// Code 39 barcodes of digits (the transaction number on receipts, the numbers on labels),
// drawn in hundredths of a millimetre so the bars keep their physical size on any printer:
// wide elements two modules, one module between characters, bars 10 mm high, between "*"
// start and stop characters. The transaction number uses modules 0.4 mm wide.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// The width of the symbol of `digits` (with its start and stop characters, without the gap
// after the stop character) for modules `module_width` wide.
int Code39Width(std::string_view digits, int module_width);

// Draws "*DIGITS*" with its first bar at `x` and its bars from `top` down 10 mm, modules
// `module_width` wide, in 0.01 mm; the caller has the canvas in metric units.
void DrawCode39(PrintCanvas& canvas, int x, int top, int module_width, std::string_view digits);

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
