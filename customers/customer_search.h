// The customer searches by a part of a text: a fragment of the name, a telephone number, a post
// code. Each scans customer.dat in file order and asks about every match in turn.
#pragma once

#include "customers/customer_desk.h"

namespace ventro {

// "Fragment:": names containing the text. Yes takes the customer and shows it, Cancel takes it
// without showing, No goes on.
void FindCustomerContaining(CustomerDesk& desk);

// "Enter telephone number": telephone 1 or 2 containing the text. Yes takes the customer and
// shows it, No goes on, Cancel ends.
void FindCustomerByTelephone(CustomerDesk& desk);

// "Enter postcode zip" (at most 19 characters): post codes containing the text; answered as
// the telephone search.
void FindCustomerByPostcode(CustomerDesk& desk);

}  // namespace ventro
