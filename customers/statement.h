// The customer statement (since the history start date) and the customer period activity:
// the customer's transactions found in the day sales logs, shown in the "Statement" dialog and
// printed on A4.
#pragma once

#include <string>

#include "customers/customer_desk.h"
#include "customers/customer_history.h"

namespace ventro {

// "Customer statement": asks "Customer" / "Number / name"; "Print statement" prints it as a
// letter headed "STATEMENT".
void ShowCustomerStatement(CustomerDesk& desk);

// "Customer period activity": asks the customer and the period; "Print" prints pages headed
// "<name>   Activity Report  Page: <n>".
void ShowCustomerPeriodActivity(CustomerDesk& desk);

// The statement's line for one transaction. Every payment into the account ("Payment",
// "Payment (cash)" ...) is listed as a payment.
std::string StatementLine(const CustomerSale& sale);

}  // namespace ventro
