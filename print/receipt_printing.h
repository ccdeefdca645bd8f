// Printing the receipts of the sale screen: the till receipt and the custom receipt on the
// receipt printer, the kitchen ticket on the kitchen printer, and the receipt of a payment
// into a customer's account.
#pragma once

#include "print/print_job.h"
#include "print/printing_context.h"
#include "print/receipt_documents.h"
#include "sale/basket.h"
#include "sale/cash_box.h"

namespace ventro {

enum class ReceiptKind {
  kTill,    // the "&Standard receipt" button
  kCustom,  // the "&Custom receipt" button
};

// Prints the till or custom receipt of `basket` with the amounts `tendered`, on the receipt
// printer chosen for `route` (`auto_copies` copies for automatic printing). The cutter fires
// after each copy of a custom receipt. Nothing when the print dialog is cancelled.
void PrintReceipt(const PrintingContext& printing, ReceiptKind kind, const Basket& basket,
                  int basket_number, const Tendered& tendered, PrintRoute route,
                  int auto_copies = 1);

// The kitchen ticket of `basket`, with its basket number as the table.
void PrintKitchenTicket(const PrintingContext& printing, const Basket& basket, int basket_number);

// Command "Print basket to kitchen printer": the kitchen ticket of the open basket, or
// "No items" titled "Problem" while it is empty.
void PrintBasketToKitchen(const PrintingContext& printing, const SaleState& sale);

// The receipt of a payment into a customer's account, on the receipt printer as the summary
// box's buttons print.
void PrintBalancePaymentReceipt(const PrintingContext& printing, const BalancePayment& payment);

}  // namespace ventro
