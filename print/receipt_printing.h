// Printing the receipts of the sale screen: the till receipt and the custom receipt on the
// receipt printer, the kitchen ticket on the kitchen printer, and the receipt of a payment
// into a customer's account.
#pragma once

#include "print/print_job.h"
#include "print/receipt_documents.h"
#include "sale/basket.h"
#include "sale/cash_box.h"

namespace ventro {

class Ventro;

enum class ReceiptKind {
  kTill,    // the "&Standard receipt" button
  kCustom,  // the "&Custom receipt" button
};

// Prints the till or custom receipt of `basket` with the amounts `tendered`, on the receipt
// printer chosen for `route` (`auto_copies` copies for automatic printing). The cutter fires
// after each copy of a custom receipt. Nothing when the print dialog is cancelled.
void PrintReceipt(Ventro& ventro, ReceiptKind kind, const Basket& basket, const Tendered& tendered,
                  PrintRoute route, int auto_copies = 1);

// The kitchen ticket of the open basket, with the basket number as the table.
void PrintKitchenTicket(Ventro& ventro);

// Command "Print basket to kitchen printer": the kitchen ticket, or "No items" titled
// "Problem" while the basket is empty.
void PrintBasketToKitchen(Ventro& ventro);

// The receipt of a payment into a customer's account, on the receipt printer as the summary
// box's buttons print.
void PrintBalancePaymentReceipt(Ventro& ventro, const BalancePayment& payment);

}  // namespace ventro
