// Payments into a customer's account and the direct amendment of what a customer owes. A
// balance payment is a transaction of its own: the customer, the year index, the day's sales
// log and the settings with the next transaction number are changed together or not at all.
#pragma once

#include <cstdint>
#include <string>

#include "customers/customer_desk.h"
#include "sale/sales_log_record.h"

namespace ventro {

enum class PaymentMethod { kCash = 0, kCheque = 1, kCard = 2 };

// "Balance payment": asks "Customer" / "Number / name", then pays as PayCustomerBalance.
void PayBalance(CustomerDesk& desk);

// "Balance pay on transaction": the transaction the clerk names (or picks from the list), then
// the payment for its customer; "No customer associated with transaction" titled "Problem"
// when it has none or the customer is no longer on file.
void PayBalanceOnTransaction(CustomerDesk& desk);

// The payment dialog ("Multdia2", "Payment") for the customer in slot `position`, then the
// payment recorded, logged and offered as a receipt.
void PayCustomerBalance(CustomerDesk& desk, int64_t position);

// "Amend balance": asks "Amend credit" / "Number / name", then "%I64d %s, owed:".
void AmendBalance(CustomerDesk& desk);

// The sales log record of a payment of `amount` by `customer` (its balance already lowered)
// under transaction `transaction`, taken by `clerk` at `now`.
SalesLogRecord PaymentLogRecord(const CustomerRecord& customer, double amount, PaymentMethod method,
                                int64_t transaction, int32_t clerk, const LocalTime& now,
                                Locale& locale);

// The method's name in the day text log and on the receipt: "Cash", "CH" or "EFT".
std::string PaymentMethodName(PaymentMethod method);

}  // namespace ventro
