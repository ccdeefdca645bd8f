// Discounts on the whole basket, before payment: on the net (spread over the non-taxable and
// taxable totals, the tax scaled with them) or on the grand total, chosen by the settings'
// "Apply discounts on total amount not nett". A basket discount lives in the totals only; the
// lines keep their amounts.
#pragma once

#include <string>
#include <vector>

#include "sale/basket.h"

namespace ventro {

struct SaleSession;

// Command "Add discount" and its shortcut button. Nothing for an empty basket or while a
// payment is in progress. "DISCOUN2" discounts the net, "DISCOUNTWO" the grand total (title
// "Discount total" for both): the discount is typed in cents or taken from the percentage
// list, the amended total shown as it is typed. A discount above the net (or the grand total)
// is refused with "Invalid discount" titled "Problem" and the dialog stays open. While it is
// open the payment commands and the other discount commands are ignored.
void DiscountBasket(SaleSession& session);

// Spreads a discount of `amount` over the totals of `basket`: taken off the non-taxable and
// taxable totals in proportion to the net (all off one of them when the other is 0), tax 1 and
// tax 2 scaled by the new taxable total over the old one (tax 1 none at all, with the threshold
// rule, once the taxable total is not above the threshold), the grand total made of the net
// and the taxes again. The discount total grows by `amount`.
void ApplyNetDiscount(Basket& basket, double amount, bool threshold_only, double threshold);

// Makes `amount` the discount on the grand total `grand` that held `discount` before: the
// discount total becomes `amount` (replacing the earlier one) and the grand total grand +
// discount - amount.
void ApplyTotalDiscount(Basket& basket, double grand, double discount, double amount);

// The percentage list: "0.00", "0.50", ... "80.00".
std::vector<std::string> DiscountPercentOptions();

// The discount in cents (as typed) for entry `index` of the percentage list on `base`: the
// whole part of base x index / 2.
std::string PercentDiscountText(double base, int index);

// The settings' rate of the discount button, a whole percentage; 0 for a stored value outside
// 0 to 80.
int DefaultDiscountRate(const SettingsRecord& settings);

}  // namespace ventro
