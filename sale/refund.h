// Refunds: the returned items are rung into the basket as for a sale and written to the day
// logs as a transaction whose totals are negative and whose payment type is "Refund". The
// money goes out as cash, cheque, card or credit on a customer's account, and the items go back
// into stock unless they are faulty.
#pragma once

#include <string>

#include "sale/basket.h"
#include "sale/transaction_change.h"

namespace ventro {

struct SaleSession;

// How the refunded money goes out, in the order dialog 807 offers them.
enum class RefundForm { kCash, kCheque, kEft, kCredit };

struct RefundChoices {
  RefundForm form = RefundForm::kCash;
  bool back_to_stock = true;  // false: "Items faulty, do not add back to stock"
  bool print_receipt = false;
};

// The word of `form` in the day text log: "Cash", "CH", "EFT", "Credit".
std::string RefundFormText(RefundForm form);

// Command "Refund". Ignored while a payment is in progress; "No items" titled "Problem" for an
// empty basket. Dialog 807 "Refund" shows the refund and takes the choices; a credit refund
// then chooses the customer ("Customer" / "Number / name") and asks "Credit this customer?"
// titled with the customer's number and name. Every line, the customer and the log files are
// checked before anything is written; the refund is then made as one change: the year index,
// the sales record (totals negated, payment type "Refund", the form's amount the negative grand
// total), the items records (the lines' amounts as they are), the items back in stock (unless
// faulty) with their last-sold stamp, the customer's balance lowered by the refund, and the
// settings with the category counters lowered, the running refund totals and the next
// transaction number. Its entry goes to the day text log, the refund receipt is printed when
// asked for, the basket is emptied and the drawer opens when the settings say so. A refused or
// failed refund leaves the basket and every file as they were.
void RefundBasket(SaleSession& session);

// Records the open basket as a refund with `choices`; for a credit refund `credited` is the
// customer chosen (its slot and its record as read), whose balance falls by the refund. The
// basket is left stamped and negated, for the receipt. False, with the message shown and the
// basket and files as they were, when a line cannot be written or the change cannot be made.
bool RecordRefund(SaleSession& session, const RefundChoices& choices,
                  const CustomerUpdate* credited = nullptr);

}  // namespace ventro
