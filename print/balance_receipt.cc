// The receipt for a payment into a customer's account.
#include "base/format.h"
#include "print/receipt_documents.h"
#include "print/receipt_page.h"

namespace ventro {

void DrawBalancePaymentReceipt(PrintCanvas& canvas, const BalancePayment& payment,
                               const SettingsRecord& s, Locale& locale, const LocalTime& now,
                               const DrawServices& services) {
  SelectReceiptFont(canvas, s, services.ui);
  ReceiptPage page(canvas);
  int top = 0;
  if (s.Get(cfg::kReceiptLogo) != 0) {
    top = DrawReceiptLogo(page, services.files, services.data_folder,
                          s.Get(cfg::kReceiptLogoPageWidth) != 0);
  }
  page.Centred(top + 1, s.Get(cfg::kHeadingLine, 1));
  page.Centred(top + 2, s.Get(cfg::kHeadingLine, 2));
  page.Centred(top + 3, s.Get(cfg::kHeadingLine, 3));
  page.Centred(top + 4, s.Get(cfg::kHeadingLine, 6));
  page.Centred(top + 6, kDoubleRule);
  page.Centred(top + 7,
               StringPrintf("Payment: %lld", static_cast<long long>(payment.transaction_number)));
  page.Centred(top + 8, StringPrintf("%02d:%02d ", now.hour, now.minute) +
                            locale.FormatDate("MMM d yyyy", now));
  const int clerk = static_cast<int>(s.Get(cfg::kSignedOnClerk));
  page.Centred(top + 9, StringPrintf("Clerk: %d, ", clerk) + s.Get(cfg::kClerkName, clerk));
  page.Centred(top + 10, kSingleRule);
  page.Centred(top + 12, "Total: " + s.Get(cfg::kCurrencySymbol) + FormatAmount(payment.amount));
  page.Centred(top + 13, "============");
  page.Centred(top + 15, "Payment type: " + payment.payment_type);
  page.Centred(top + 16,
               StringPrintf("Customer: %lld", static_cast<long long>(payment.customer_number)));
  page.Centred(top + 17, payment.customer_name);
  page.Centred(top + 18, "  ");
}

}  // namespace ventro
