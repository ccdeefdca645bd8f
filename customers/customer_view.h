// The customer view (dialog "803", "CUSTOMER"): every field of one account, read only, with
// "Next" to the customer of the next higher number and "Map" to the address on a web map.
#pragma once

#include <cstdint>
#include <string>

#include "customers/customer_desk.h"

namespace ventro {

// Shows the customer in slot `position` until the view is closed or "Next" passes the highest
// number.
void ShowCustomerView(CustomerDesk& desk, int64_t position);

// The web map search for the customer's address: the road, then "," and the area, town and
// post code, each only when not empty, every part percent-encoded as UTF-8.
std::string CustomerMapLink(const CustomerRecord& customer);

// A stamp "hh:mmDD/MM/YYYY" shown as "hh:mm " and its date in the desktop's order; any other
// text (such as "NEW") as it stands.
std::string ShownStamp(Locale& locale, const std::string& stamp, const LocalTime& now);

}  // namespace ventro
