// EAN-13 barcodes for labels: the 12 digits a number gives, the check digit, the 95 modules of
// the symbol and its bars drawn in hundredths of a millimetre.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/print_canvas.h"

namespace ventro {

inline constexpr int kEan13Modules = 95;
inline constexpr int kEan13BarHeight = 1000;    // 0.01 mm
inline constexpr int kEan13GuardHeight = 1120;  // 0.01 mm

// The 12 digits the symbol carries before its check digit: the first 12 digits of `number`
// (not below 0), left-padded with zeros.
std::string Ean13Digits(int64_t number);

// The check digit of 12 digits: weighted 3 and 1 alternately from the right, 10 less the sum
// modulo 10, with 10 as 0.
int Ean13CheckDigit(std::string_view twelve_digits);

// The symbol of 12 digits and their check digit as 95 modules, '1' a bar and '0' a space:
// start guard, six left digits with the parity the first digit chooses, centre guard, six
// right digits, end guard.
std::string Ean13Symbol(std::string_view twelve_digits);

// Whether module `k` of the symbol belongs to a guard, which is drawn longer than the data.
bool IsEan13GuardModule(int k);

// Draws the symbol of `number` with its top at `top` and its first module one module right of
// `x`, in 0.01 mm; the caller has the canvas in metric units.
void DrawEan13(PrintCanvas& canvas, int x, int top, int module_width, int64_t number);

}  // namespace ventro
