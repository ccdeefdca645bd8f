// Printed correspondence with one customer: the two debtor letters (a reminder and a final
// notice) and the page of all the customer's details. Nothing in the data files changes.
#pragma once

#include "customers/customer_desk.h"

namespace ventro {

enum class DebtorLetter { kReminder, kFinalNotice };

// Asks "Please enter the customer" / "Number / name"; a customer who owes nothing gets no
// letter ("No amount is outstanding"); then the Print dialog and the letter.
void PrintDebtorLetter(CustomerDesk& desk, DebtorLetter letter);
void PrintDebtorLetter1(CustomerDesk& desk);
void PrintDebtorLetter2(CustomerDesk& desk);

// Asks for the customer like the letters, then prints every field of the account.
void PrintCustomerDetails(CustomerDesk& desk);

class LetterPage;

// The customer's name (the name line `name_line`), road, area and town on the lines from
// `line` on, each only when not empty, then the post code followed by four blank lines; gives
// the line after the block, where the date goes.
int DrawAddressBlock(LetterPage& page, int line, const std::string& name_line,
                     const CustomerRecord& customer);

}  // namespace ventro
