#include "sale/credit_tender.h"

#include <optional>
#include <string>

#include "base/format.h"
#include "customers/customer_lookup.h"
#include "platform/clock_text.h"
#include "sale/commit.h"
#include "sale/sale_session.h"
#include "sale/tender.h"

namespace ventro {
namespace {

DialogField ReadOnly(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

// Dialog 806: the sale as it will be charged to `customer`. Gives the payment type chosen, or
// nothing when cancelled.
std::optional<std::string> AskPaymentForm(Ui& ui, int32_t transaction,
                                          const CustomerRecord& customer, const Basket& charged) {
  const BasketTotals& totals = charged.totals;
  Dialog dialog;
  dialog.name = "806";
  dialog.title = "Customer transaction";
  dialog.Add(ReadOnly("transaction", "Transaction", Number(transaction)));
  dialog.Add(ReadOnly("customer", "Customer",
                      Number(customer.Get(cust::kNumber)) + " " + customer.Get(cust::kName)));
  dialog.Add(ReadOnly("sub_total", "Sub total", FormatAmount(totals.net_total)));
  dialog.Add(ReadOnly("tax1", "Tax 1", FormatAmount(totals.tax1_total)));
  dialog.Add(ReadOnly("tax2", "Tax 2", FormatAmount(totals.tax2_total)));
  dialog.Add(ReadOnly("total", "Total", FormatAmount(totals.grand_total)));
  dialog.Add(ReadOnly("balance", "Previous balance", FormatAmount(customer.Get(cust::kBalance))));
  dialog.Add(
      ReadOnly("credit_limit", "Credit limit", FormatAmount(customer.Get(cust::kCreditLimit))));
  dialog.Add(
      ReadOnly("new_balance", "New balance (on account)",
               FormatAmount(RoundToCents(customer.Get(cust::kBalance) + totals.grand_total))));
  dialog.buttons = {"Credit", "Cash", "CH", "EFT", "Cancel"};
  if (!ui.RunDialog(dialog) || dialog.Pressed("Cancel")) return std::nullopt;
  return dialog.pressed;
}

}  // namespace

// Each tax is taken off in turn and nothing is rounded to cents again, so the stored figures
// are the plain differences.
void RemoveTax(Basket& basket) {
  for (size_t i = 0; i < static_cast<size_t>(basket.line_count); ++i) {
    if (basket.taxable_amount[i] <= 0) continue;
    basket.non_taxable_amount[i] += basket.taxable_amount[i];
    basket.taxable_amount[i] = 0;
    basket.line_total[i] = basket.line_total[i] - basket.tax1[i] - basket.tax2[i];
    basket.tax1[i] = 0;
    basket.tax2[i] = 0;
  }
  BasketTotals& totals = basket.totals;
  totals.non_taxable_total += totals.taxable_total;
  totals.taxable_total = 0;
  totals.grand_total = totals.grand_total - totals.tax1_total - totals.tax2_total;
  totals.tax1_total = 0;
  totals.tax2_total = 0;
}

void PayOnCustomerCredit(SaleSession& session) {
  if (!StartPayment(session, "Payment by customer credit", "Please first select the items")) {
    return;
  }
  Ui& ui = session.ui();
  Files& files = session.files();
  MasterFile& customers = session.customers;
  std::optional<int64_t> position =
      PromptForCustomer(ui, files, session.settings, customers, "Customer");
  if (!position) return;
  const CustomerRecord original = customers.customer();

  // The figures are shown and checked as they will be charged: without tax for a customer who
  // pays none.
  Basket charged = session.sale.basket;
  if (original.Get(cust::kTax) == 0) RemoveTax(charged);
  const double total = charged.totals.grand_total;
  if (original.Get(cust::kBalance) + total > original.Get(cust::kCreditLimit) &&
      ui.Message("Credit limit", "Exceeded", Icon::kWarning, Buttons::kOkCancel) ==
          Answer::kCancel) {
    return;
  }
  std::optional<std::string> form =
      AskPaymentForm(ui, session.settings.Get(cfg::kNextTransaction), original, charged);
  if (!form) return;

  const Basket unpaid = session.sale.basket;
  Basket& basket = session.sale.basket;
  basket = charged;
  SetBasketCustomer(basket, original);
  StampBasket(session);
  SetText(basket.texts.payment_type, *form);
  ClearPaymentAmounts(basket);
  if (*form == "EFT") basket.totals.eft_amount = total;
  if (*form == "Cash") basket.totals.cash_amount = total;
  if (*form == "CH") basket.totals.cheque_amount = total;
  basket.totals.balance_before = original.Get(cust::kBalance);

  CustomerRecord& customer = customers.customer();
  customer.Set(cust::kTransactions, customer.Get(cust::kTransactions) + 1);
  customer.Set(cust::kLastUsed, TimeAndDateText(session.Now()));
  customer.Set(cust::kTotalPurchases, customer.Get(cust::kTotalPurchases) + total);
  customer.Set(cust::kLastTransaction, static_cast<int32_t>(basket.transaction_number));
  if (*form == "Credit") {
    customer.Set(cust::kBalance, customer.Get(cust::kBalance) + total);
    basket.totals.balance_after = customer.Get(cust::kBalance);
  }
  // The customer's record changes in the same change as the sale, so that neither is on the
  // disk without the other.
  const CustomerUpdate update{*position, customer};
  if (!RecordTransaction(session, &update)) {
    customer = original;
    basket = unpaid;
    return;
  }
  ShowCommittedSummary(session, {total, 0});
  ClearCommittedBasket(session);
  if (session.settings.Get(cfg::kSoundsOff) == 0) session.platform.sound.Play(SoundId::kDone);
}

}  // namespace ventro
