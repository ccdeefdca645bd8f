#include "sale/day_text_entry.h"

#include "base/format.h"
#include "platform/clock_text.h"

namespace ventro {
namespace {

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

// The opening line with `kind` ("Sale", "Refund"), the basket lines and the clerk line.
std::string TransactionLines(const LocalTime& now, const Basket& basket, const char* kind,
                             const std::string& clerk_name) {
  std::string text = "\r\n" + DayLogStamp(now) + " " + kind + ": " +
                     Number(basket.transaction_number) +
                     ", Total: " + FormatAmount(basket.totals.grand_total) + "\r\n";
  for (int i = 0; i < basket.line_count; ++i) {
    const auto line = static_cast<size_t>(i);
    text += Number(basket.item_number[line]) + "  " + TextOf(basket.description[line]) + "\r\n";
  }
  text += StringPrintf("Clerk: %d, %s   Items: %d\r\n", basket.clerk_number, clerk_name.c_str(),
                       basket.line_count);
  return text;
}

}  // namespace

std::string SaleDayTextEntry(const LocalTime& now, const Basket& basket,
                             const std::string& clerk_name) {
  const BasketTotals& totals = basket.totals;
  std::string text = TransactionLines(now, basket, "Sale", clerk_name);
  const std::string payment_type = TextOf(basket.texts.payment_type);
  text += "Payment type: " + payment_type + "\r\n";
  if (payment_type == "Split") {
    text += "Cash: " + FormatAmount(totals.cash_amount) +
            "  CH: " + FormatAmount(totals.cheque_amount) +
            "  EFT: " + FormatAmount(totals.eft_amount) + "\r\n";
  }
  if (basket.customer_number != 0) {
    text += "Customer: " + Number(basket.customer_number) + " " +
            TextOf(basket.texts.customer_name) + "\r\n";
  }
  if (totals.discount_total != 0) {
    text += "Discount: " + FormatAmount(totals.discount_total) + "\r\n";
  }
  return text;
}

std::string RefundDayTextEntry(const LocalTime& now, const Basket& basket,
                               const std::string& clerk_name, const std::string& form) {
  // The form has no line end of its own: the customer line, written for every refund, starts
  // with one.
  return TransactionLines(now, basket, "Refund", clerk_name) + "Form: " + form +
         "\r\nCustomer: " + Number(basket.customer_number) + " " +
         TextOf(basket.texts.customer_name) + "\r\n";
}

std::string TillOpenedDayTextEntry(const LocalTime& now) {
  return "\r\n" + DayLogStamp(now) + "  Till opened.\r\n";
}

}  // namespace ventro
