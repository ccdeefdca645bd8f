// Payment by a customer with an account: the customer is chosen by number or name, the credit
// limit is checked, and the "Customer transaction" dialog (806) takes the sale on account
// ("Credit") or by cash, cheque or card. The customer's record counts the sale; only a sale on
// account raises the balance.
#pragma once

#include "sale/basket.h"

namespace ventro {

struct SaleSession;

// Command "Customer credit" (F6). "Please first select the items" titled "Payment by customer
// credit" for an empty basket. A customer whose tax code is 0 is charged without tax. When the
// commit is refused the customer record and the basket are put back as they were.
void PayOnCustomerCredit(SaleSession& session);

// Takes every tax off `basket` for a customer who pays none: each taxed line's amount becomes
// non-taxable and loses its tax 1 and tax 2, the taxable total joins the non-taxable total, and
// the grand total drops by the two tax totals, which become 0.
void RemoveTax(Basket& basket);

}  // namespace ventro
