// The Customers menu's work on single accounts: Find, Add, Amend, Delete and Prune. Each asks
// for what it needs, reports refusals and failures itself, keeps customer.dat, the customer
// index and the name prefixes in step, and logs amendments and deletions in the day text log.
#pragma once

#include <cstdint>

#include "customers/customer_desk.h"

namespace ventro {

// Asks "Find customer" / "Number / name" and shows the customer found in the customer view.
void FindCustomer(CustomerDesk& desk);

// The form "NEW CUSTOMER" with a proposed number; refused entries reopen it with the values as
// typed; "Next" saves and opens a fresh form.
void AddCustomer(CustomerDesk& desk);

// Asks "Amend customer" / "Number / name" and lets the user change everything but the number
// and the balance.
void AmendCustomer(CustomerDesk& desk);

// Asks "Delete customer" / "Number / name", then "Are you sure?".
void DeleteCustomer(CustomerDesk& desk);

// Offers, from a start number up, each customer with tax code 0 not used in the last six
// months (or never), for deletion one by one.
void PruneCustomers(CustomerDesk& desk);

// The number Add proposes: the first number not in use from the settings' last customer number
// plus one (a last number below 0 is set to 0 first).
int64_t ProposedCustomerNumber(SettingsRecord& settings, const MasterFile& customers);

// The month and year of a "hh:mmDD/MM/YYYY" stamp, read to its NUL; nothing for a stamp that
// gives none ("NEW", empty).
struct StampMonth {
  int month = 0;
  int year = 0;
};
std::optional<StampMonth> MonthOfStamp(const std::string& stamp);

}  // namespace ventro
