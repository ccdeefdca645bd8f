// The cash box ("CASHBOX"): the amount tendered, typed in cents without a decimal point, with
// the change worked out as it is typed, "Exact amount" and three rounded quick amounts. Used
// for cash payments and for the cash part of a split payment.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace ventro {

struct Tendered {
  double tendered = 0;
  double change = 0;
};

// The three quick amounts offered for `due`: 5.00, 10.00 and 20.00 up to a due of 5.00, else
// `due` rounded up to a multiple of 5, 10 and 50; when the first equals the due all three are
// raised by 5, 10 and 50, then a second equal to the first is raised by 10 and a third equal to
// the second by 50.
std::array<double, 3> QuickAmounts(double due);

// Typed cents as an amount: a decimal point goes before the last two digits ("1234" is 12.34,
// "5" is 0.05). Nothing for an empty text or one holding anything but digits.
std::optional<double> TypedCents(std::string_view typed);

// Whole cents of an amount (the integer part of amount x 100 printed to two decimals); 0 for
// an amount of 0 or less (or NaN); amounts beyond kLargestAmount count as kLargestAmount.
int64_t WholeCents(double amount);

// The change field for `typed`: empty while it is below `due` in whole cents, else the
// difference with two decimals.
std::string ChangeText(std::optional<double> typed, double due);

// Runs the cash box against `due` until it is closed: "OK" with an amount below the due (or
// none), or a quick amount below it, shows "Less than total" titled "Problem" and keeps the box
// open. Nothing when cancelled.
std::optional<Tendered> RunCashBox(Ui& ui, double due);

}  // namespace ventro
