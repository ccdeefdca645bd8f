// The readable lines a sale and the till drawer add to the day text log. Every entry opens
// with a line end and the "HH:MM DD/MM/YYYY" stamp of `now`.
#pragma once

#include <string>

#include "platform/clock.h"
#include "sale/basket.h"

namespace ventro {

// The entry of a committed sale: the "Sale:" line with the transaction number and grand total,
// one line per basket line (item number, description), the clerk line with `clerk_name` and the
// number of lines, the payment type, and, when they apply, the split amounts, the customer and
// the discount total.
std::string SaleDayTextEntry(const LocalTime& now, const Basket& basket,
                             const std::string& clerk_name);

// The entry of a refund: the "Refund:" line with the transaction number and the (negative)
// grand total, one line per basket line, the clerk line, "Form: " and `form` ("Cash", "CH",
// "EFT" or "Credit"), and the customer line, always, with 0 and an empty name when the refund
// has no customer.
std::string RefundDayTextEntry(const LocalTime& now, const Basket& basket,
                               const std::string& clerk_name, const std::string& form);

// "Till opened." with the stamp of `now`.
std::string TillOpenedDayTextEntry(const LocalTime& now);

}  // namespace ventro
