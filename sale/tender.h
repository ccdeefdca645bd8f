// Taking payment for the open basket: cash, cheque ("CH"), card ("EFT", with cash back), split
// (cash plus cheque or card), and petty cash paid out of the till. Every payment stamps the
// basket with the transaction number, time, date, clerk and payment type, shows the committed
// summary and commits the sale. The basket is left as it was when a payment is cancelled or
// refused.
#pragma once

#include <string>
#include <string_view>

#include "platform/clock.h"
#include "sale/basket.h"
#include "sale/cash_box.h"

namespace ventro {

struct SaleSession;

// Command "Cash" (F5): the cash box against the grand total, then payment type "Cash".
void PayCash(SaleSession& session);

// Command "CH": paid at once by cheque.
void PayCheque(SaleSession& session);

// Command "EFT (Credit card)" (F7): unless a restricted clerk is barred from cash back, the
// "Electronic Payment" box ("BBOX") offers "Payment" or "Payment plus cashback"; the cash back
// is asked in "EDITBO8" as a whole amount, one above 100 confirmed in "Please confirm". The cash
// back is recorded beside the EFT amount and added to the running cash-back total.
void PayCard(SaleSession& session);

// Command "Split Cash Other": the "SPLIT" dialog takes the cash part (typed in cents) and "CH"
// or "EFT" for the rest; a cash box then takes the cash part. Payment type "Split".
void PaySplit(SaleSession& session);

// Petty cash paid out of the till: the amount ("Please enter the amount") is added to the
// settings' running petty cash total and the settings are saved; a negative amount is refused
// with "Negative amount". Nothing is written to the logs.
void RecordPettyCash(SaleSession& session);

// The checks every payment command makes first: nothing while a payment is in progress;
// "Please select items" (or `empty_text` titled `empty_title`) for an empty basket; and the
// commit's own check of the lines, so that nothing is changed for a sale that cannot be
// committed.
bool StartPayment(SaleSession& session, const char* empty_title = "Problem",
                  const char* empty_text = "Please select items");

// Zeroes the payment amounts of `basket` (cash, EFT, cheque, cash back, customer balances), so
// that an earlier, abandoned attempt leaves nothing behind.
void ClearPaymentAmounts(Basket& basket);

// Stamps the basket for payment: the settings' next transaction number, the time "%02d:%02d",
// the date text of the sale and the signed-on clerk.
void StampBasket(SaleSession& session);

// The date text of a sale: the locale's "ddd d MMM yy" form, or "D:%2d M:%2d Y:%d" when that
// fails or has 20 characters or more.
std::string SaleDateText(SaleSession& session, const LocalTime& now);

// The drawer and the pole display first; then the committed summary ("TENBOX": total due,
// tendered, change or "CB: %.2f" with the cash back, and the "&Standard receipt" and "&Custom
// receipt" buttons, of which the configured one is pressed as it opens), unless the settings print
// a document at once instead; then the extra kitchen ticket when the settings ask for one.
void ShowCommittedSummary(SaleSession& session, const Tendered& tendered);

// The common completion, after the payment amounts are set on the basket: stamps the basket
// with `payment_type`, records the sale, shows the committed summary, empties the basket and
// sounds the done tone. False
// when the commit was refused (the basket keeps its lines).
bool CompletePayment(SaleSession& session, std::string_view payment_type, const Tendered& tendered);

}  // namespace ventro
