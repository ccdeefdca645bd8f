// Locale-independent number formatting and parsing. The Qt layer sets the C library's locale
// from the desktop, where "%.2f" would print "12,30"; amounts here always use a point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ventro {

// printf-style formatting for integers and texts ("%d", "%I64d" is written "%lld").
// Never pass floating-point values: use FormatFixed for those.
std::string StringPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The value with `decimals` digits after a point, as "%.*f" prints in the C locale.
std::string FormatFixed(double value, int decimals);

// "%.2f" of an amount.
inline std::string FormatAmount(double value) { return FormatFixed(value, 2); }

// Rounds an amount to cents the way the program always has: print "%.2f", read it back.
double RoundToCents(double value);

// Reads a signed decimal integer like the C library's atoi family: leading blanks, an optional
// sign, then digits up to the first other character. No digits give 0; a value beyond the
// 64-bit range is clamped.
int64_t AtoI64(std::string_view text);

// Reads a decimal number like atof in the C locale: leading blanks, sign, digits, a point,
// digits and an exponent; anything after is ignored and no number gives 0. Only finite decimal
// numbers are read: "nan", "inf" and a value beyond the range of a double give 0.
double AtoF(std::string_view text);

// The largest amount the program takes as a price, cost or total, typed or stored.
inline constexpr double kLargestAmount = 1e12;

// True for a finite amount no larger than kLargestAmount either way; NaN is not.
bool IsSaneAmount(double amount);

}  // namespace ventro
