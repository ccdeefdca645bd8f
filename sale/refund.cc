#include "sale/refund.h"

#include <optional>
#include <vector>

#include "base/format.h"
#include "customers/customer_lookup.h"
#include "devices/drawer.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "print/print_job.h"
#include "print/receipt_printing.h"
#include "sale/commit.h"
#include "sale/day_text_entry.h"
#include "sale/sale_session.h"
#include "sale/sales_log_record.h"
#include "sale/tender.h"
#include "store/day_log.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

DialogField ReadOnly(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

// Dialog 807: the refund as it stands and the choices; nothing when cancelled.
std::optional<RefundChoices> AskRefundChoices(SaleSession& session) {
  const Basket& basket = session.sale.basket;
  const BasketTotals& totals = basket.totals;
  Dialog dialog;
  dialog.name = "807";
  dialog.title = "Refund";
  dialog.Add(ReadOnly("transaction", "Transaction",
                      StringPrintf("%d", session.settings.Get(cfg::kNextTransaction))));
  dialog.Add(ReadOnly("date", "Date", SaleDateText(session, session.Now())));
  dialog.Add(ReadOnly("customer", "Customer",
                      Number(basket.customer_number) + " " + TextOf(basket.texts.customer_name)));
  dialog.Add(ReadOnly("lines", "Lines", StringPrintf("%d", basket.line_count)));
  dialog.Add(ReadOnly("non_taxable", "Non taxable", FormatAmount(totals.non_taxable_total)));
  dialog.Add(ReadOnly("taxable", "Taxable", FormatAmount(totals.taxable_total)));
  dialog.Add(ReadOnly("sub_total", "Sub total", FormatAmount(totals.net_total)));
  dialog.Add(ReadOnly("tax1", "Tax 1", FormatAmount(totals.tax1_total)));
  dialog.Add(ReadOnly("tax2", "Tax 2", FormatAmount(totals.tax2_total)));
  dialog.Add(ReadOnly("total", "Total", FormatAmount(totals.grand_total)));
  dialog.Add(ChoiceField("form", "Refund by",
                         {"Cash refund", "CH refund", "EFT refund", "Credit refund"}, 0));
  dialog.Add(ChoiceField("stock", "Items",
                         {"Add items back to stock", "Items faulty, do not add back to stock"}, 0));
  dialog.Add(CheckField("print", "Print refund receipt", false));
  if (!session.ui().RunDialog(dialog) || dialog.Pressed("Cancel")) return std::nullopt;
  RefundChoices choices;
  const int form = dialog.Field("form").choice;
  choices.form = form >= 1 && form <= 3 ? static_cast<RefundForm>(form) : RefundForm::kCash;
  choices.back_to_stock = dialog.Field("stock").choice != 1;
  choices.print_receipt = dialog.Field("print").checked;
  return choices;
}

// The customer a credit refund goes to, confirmed with "Credit this customer?"; nothing when
// none is chosen or the clerk declines.
std::optional<CustomerUpdate> ChooseCreditedCustomer(SaleSession& session) {
  std::optional<int64_t> position = PromptForCustomer(
      session.ui(), session.files(), session.settings, session.customers, "Customer");
  if (!position) return std::nullopt;
  const CustomerRecord& customer = session.customers.customer();
  const std::string title =
      Number(customer.Get(cust::kNumber)) + " Name: " + customer.Get(cust::kName);
  if (session.ui().Message(title, "Credit this customer?", Icon::kQuestion, Buttons::kOkCancel) !=
      Answer::kOk) {
    return std::nullopt;
  }
  return CustomerUpdate{*position, customer};
}

void Negate(BasketTotals& totals) {
  for (double* total :
       {&totals.non_taxable_total, &totals.taxable_total, &totals.net_total, &totals.tax1_total,
        &totals.tax2_total, &totals.cost_total, &totals.grand_total, &totals.discount_total}) {
    *total = -*total;
  }
}

// Adds the refund's (negated) totals to the settings' running refund totals.
void AddRefundTotals(SettingsRecord& settings, const BasketTotals& totals) {
  const std::pair<RefundTotal, double> added[] = {
      {RefundTotal::kNonTaxable, totals.non_taxable_total},
      {RefundTotal::kTaxable, totals.taxable_total},
      {RefundTotal::kNet, totals.net_total},
      {RefundTotal::kTax1, totals.tax1_total},
      {RefundTotal::kTax2, totals.tax2_total},
      {RefundTotal::kDiscount, totals.discount_total},
      {RefundTotal::kGrandTotal, totals.grand_total}};
  for (const auto& [which, amount] : added) {
    settings.Set(cfg::kRefundTotal, which, settings.Get(cfg::kRefundTotal, which) + amount);
  }
  settings.Set(cfg::kRefundCostTotal, settings.Get(cfg::kRefundCostTotal) + totals.cost_total);
}

// Lowers the settings' counters for the returned `item` of line total `line_total`; gives the
// category the items log records.
int64_t ReturnLine(SettingsRecord& settings, double line_total, const InventoryRecord& item) {
  const int32_t category = item.Get(inv::kDisplayCategory);
  if (category >= 0 && category < SettingsRecord::kCategoryCount) {
    settings.SetCategorySoldA(category, CountOneLess(settings.CategorySoldA(category)));
    settings.SetCategorySoldB(category, CountOneLess(settings.CategorySoldB(category)));
    settings.Set(cfg::kCategorySalesValue, category,
                 settings.Get(cfg::kCategorySalesValue, category) - line_total);
  }
  return category;
}

}  // namespace

std::string RefundFormText(RefundForm form) {
  switch (form) {
    case RefundForm::kCheque:
      return "CH";
    case RefundForm::kEft:
      return "EFT";
    case RefundForm::kCredit:
      return "Credit";
    case RefundForm::kCash:
      break;
  }
  return "Cash";
}

bool RecordRefund(SaleSession& session, const RefundChoices& choices,
                  const CustomerUpdate* credited) {
  std::optional<BasketItems> items = ReadBasketItems(session);
  if (!items) return false;
  Ui& ui = session.ui();
  Files& files = session.files();
  const Path& folder = session.paths.folder;
  Tell(ui, EnsureDayFolders(files, folder, session.Now()));
  const LocalTime now = session.Now();
  const std::string stamp = TimeAndDateText(now);

  // The refund is built on a copy, so that a refused change leaves the open basket as it was.
  Basket refund = session.sale.basket;
  refund.transaction_number = session.settings.Get(cfg::kNextTransaction);
  SetText(refund.texts.sale_time, StringPrintf("%02d:%02d", now.hour, now.minute));
  SetText(refund.texts.sale_date, SaleDateText(session, now));
  refund.clerk_number = static_cast<int32_t>(session.settings.Get(cfg::kSignedOnClerk));

  std::optional<CustomerUpdate> customer;
  if (credited) {
    customer = *credited;
    CustomerRecord& record = customer->record;
    record.Set(cust::kBalance, record.Get(cust::kBalance) - refund.totals.grand_total);
    record.Set(cust::kLastUsed, stamp);
    SetBasketCustomer(refund, record);
  }

  Negate(refund.totals);
  SetText(refund.texts.payment_type, "Refund");
  ClearPaymentAmounts(refund);
  BasketTotals& totals = refund.totals;
  if (choices.form == RefundForm::kCash) totals.cash_amount = totals.grand_total;
  if (choices.form == RefundForm::kCheque) totals.cheque_amount = totals.grand_total;
  if (choices.form == RefundForm::kEft) totals.eft_amount = totals.grand_total;

  SettingsRecord changed = session.settings;
  changed.Set(cfg::kNextTransaction, changed.Get(cfg::kNextTransaction) + 1);
  AddRefundTotals(changed, totals);
  std::map<int64_t, InventoryRecord> restocked;
  std::vector<int64_t> categories(static_cast<size_t>(refund.line_count),
                                  ItemsLogRecord::kNonInventoryCategory);
  for (int i = 0; i < refund.line_count; ++i) {
    const auto line = static_cast<size_t>(i);
    const int64_t position = items->position[line];
    if (position < 0) continue;
    const InventoryRecord& read =
        restocked.count(position) ? restocked[position] : items->records[position];
    categories[line] = ReturnLine(changed, refund.line_total[line], read);
    if (!choices.back_to_stock) continue;
    InventoryRecord item = read;
    item.Set(inv::kQuantity, CountOneMore(item.Get(inv::kQuantity)));
    item.Set(inv::kLastUsed, stamp);
    restocked[position] = item;
  }

  const TransactionWrite write{&refund, categories, &restocked, customer ? &*customer : nullptr,
                               &changed};
  if (!MakeTransactionChange(session, BuildTransactionChange(session, now, write))) return false;
  session.settings = changed;
  if (customer) session.customers.customer() = customer->record;
  session.sale.basket = refund;

  // The readable day text log follows the refund; its loss does not undo it.
  const LocalTime logged = session.Now();
  if (!AppendDayText(files, folder, logged,
                     RefundDayTextEntry(logged, refund, SignedOnClerkName(changed),
                                        RefundFormText(choices.form)))) {
    ui.Message(kProblem, "Data log text file not present.", Icon::kWarning);
  }
  return true;
}

void RefundBasket(SaleSession& session) {
  SaleState& sale = session.sale;
  if (sale.payment_in_progress) return;
  if (sale.basket.empty() || sale.list.empty()) {
    session.ui().Message(kProblem, "No items", Icon::kWarning);
    return;
  }
  std::optional<RefundChoices> choices = AskRefundChoices(session);
  if (!choices) return;
  // Every line is checked before a customer is asked for.
  if (!CanCommitBasket(session)) return;
  std::optional<CustomerUpdate> credited;
  if (choices->form == RefundForm::kCredit) {
    credited = ChooseCreditedCustomer(session);
    if (!credited) return;
  }
  if (!RecordRefund(session, *choices, credited ? &*credited : nullptr)) return;

  if (choices->print_receipt) {
    const double total = sale.basket.totals.grand_total;
    PrintReceipt(session.printing(), ReceiptKind::kTill, sale.basket, sale.basket_number,
                 Tendered{total, 0}, PrintRoute::kSummary);
  }
  ClearCommittedBasket(session);
  OpenDrawerAfterCommit(session.platform, session.settings);
}

}  // namespace ventro
