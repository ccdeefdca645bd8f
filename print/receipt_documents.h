// The receipts drawn on one page each: the till receipt, the kitchen ticket, the custom
// receipt laid out by the "Custom receipt" dialog, and the receipt for a payment on a
// customer's account. Each selects the receipt font and draws the whole document.
#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/print_canvas.h"
#include "platform/ui.h"
#include "print/receipt_data.h"

namespace ventro {

// What drawing needs besides the data: messages, and the data folder for receipt.bmp.
struct DrawServices {
  Ui& ui;
  Files& files;
  Path data_folder;
};

// The till receipt: logo, store heading, receipt number, time, clerk, items, sub total and
// taxes (exclusive of tax), discount, total, payment line and change, taxes (inclusive of
// tax), footer, barcode.
void DrawTillReceipt(PrintCanvas& canvas, const ReceiptData& data, const DrawServices& services);

// The kitchen ticket: table number, time and date of printing, associate, items, totals and
// the transaction note. No logo and no barcode.
void DrawKitchenTicket(PrintCanvas& canvas, const ReceiptData& data, const DrawServices& services);

// The custom receipt: each element on the line the custom layout gives it, header lines
// counted from the top (below the logo), footer lines from the last item.
void DrawCustomReceipt(PrintCanvas& canvas, const ReceiptData& data, const DrawServices& services);

// A payment into a customer's account.
struct BalancePayment {
  double amount = 0;
  std::string payment_type;  // "Cash", "CH" or "EFT"
  int64_t customer_number = 0;
  std::string customer_name;
  int64_t transaction_number = 0;  // the payment's own number
};

// The receipt of a balance payment, numbered with the payment's transaction number.
void DrawBalancePaymentReceipt(PrintCanvas& canvas, const BalancePayment& payment,
                               const SettingsRecord& settings, Locale& locale, const LocalTime& now,
                               const DrawServices& services);

}  // namespace ventro
