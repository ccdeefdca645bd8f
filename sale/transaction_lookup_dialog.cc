#include "sale/transaction_lookup_dialog.h"

#include <algorithm>
#include <string>

#include "base/format.h"
#include "print/invoice_printing.h"
#include "print/receipt_printing.h"

namespace ventro {
namespace {

constexpr char kTillReceiptButton[] = "Till receipt";
constexpr char kCustomReceiptButton[] = "Custom receipt";
constexpr char kNextButton[] = "Next";
constexpr char kInvoiceButton[] = "Invoice";
constexpr char kNotApplicable[] = "N/A";

DialogField ReadOnly(std::string key, std::string label) {
  DialogField field = TextField(std::move(key), std::move(label), "", 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

std::string ClerkText(const SettingsRecord& settings, int32_t clerk) {
  std::string name;
  if (clerk >= 1 && clerk <= SettingsRecord::kClerkCount)
    name = settings.Get(cfg::kClerkName, clerk);
  return StringPrintf("%d: %s", clerk, name.c_str());
}

// The sale types that read "<type> sale"; the others (a refund, a split payment) are shown as
// they are.
std::string TypeLine(const std::string& payment_type) {
  for (const char* type : {"Cash", "EFT", "CH", "Credit"}) {
    if (payment_type == type) return payment_type + " sale";
  }
  return payment_type;
}

Dialog EmptyTransactionDialog() {
  Dialog dialog;
  dialog.name = "MULTDIAL";
  dialog.title = "Transaction";
  dialog.Add(ReadOnly("transaction", "Transaction"));
  dialog.Add(ReadOnly("total", "Total"));
  dialog.Add(ReadOnly("payment", "Payment"));
  dialog.Add(ReadOnly("split", "Split"));
  dialog.Add(ReadOnly("clerk", "Clerk"));
  dialog.Add(ReadOnly("date", "Date"));
  dialog.Add(ReadOnly("time", "Time"));
  dialog.Add(ReadOnly("items", "Items"));
  dialog.Add(ReadOnly("discount", "Discount"));
  dialog.Add(ReadOnly("customer", "Customer"));
  dialog.Add(ReadOnly("non_taxable", "Non taxable"));
  dialog.Add(ReadOnly("taxable", "Taxable"));
  dialog.Add(ReadOnly("sub_total", "Sub total"));
  dialog.Add(ReadOnly("tax1", "Tax 1"));
  dialog.Add(ReadOnly("tax2", "Tax 2"));
  dialog.Add(ReadOnly("type", "Type"));
  dialog.Add(ReadOnly("note", "Note"));
  dialog.Add(ReadOnly("cash_back", "Cash back"));
  dialog.Add(ChoiceField("inventory", "Inventory", {}, -1));
  dialog.Add(NoteField("inventory_note", "The invoice inventory will reflect subsequent changes"));
  dialog.actions = {kNextButton, kTillReceiptButton, kCustomReceiptButton, kInvoiceButton};
  return dialog;
}

void ShowTransaction(Dialog& dialog, const Basket& basket, int32_t stored_lines,
                     const SettingsRecord& settings) {
  const BasketTotals& t = basket.totals;
  const std::string payment_type = TextOf(basket.texts.payment_type);
  dialog.Field("transaction").text = Number(basket.transaction_number);
  dialog.Field("total").text = FormatAmount(t.grand_total);
  dialog.Field("payment").text = payment_type;
  dialog.Field("split").text = payment_type == "Split"
                                   ? "Cash: " + FormatAmount(t.cash_amount) +
                                         "  CH: " + FormatAmount(t.cheque_amount) +
                                         "  EFT: " + FormatAmount(t.eft_amount)
                                   : "";
  dialog.Field("clerk").text = ClerkText(settings, basket.clerk_number);
  dialog.Field("date").text = TextOf(basket.texts.sale_date);
  dialog.Field("time").text = TextOf(basket.texts.sale_time);
  dialog.Field("items").text = stored_lines == 0 ? kNotApplicable : Number(stored_lines);
  dialog.Field("discount").text = FormatAmount(t.discount_total);
  dialog.Field("customer").text =
      basket.customer_number == 0
          ? kNotApplicable
          : Number(basket.customer_number) + ", " + TextOf(basket.texts.customer_name);
  dialog.Field("non_taxable").text = FormatAmount(t.non_taxable_total);
  dialog.Field("taxable").text = FormatAmount(t.taxable_total);
  dialog.Field("sub_total").text = FormatAmount(t.net_total);
  dialog.Field("tax1").text = FormatAmount(t.tax1_total);
  dialog.Field("tax2").text = FormatAmount(t.tax2_total);
  dialog.Field("type").text = TypeLine(payment_type);
  dialog.Field("note").text = TextOf(basket.texts.note);
  dialog.Field("cash_back").text = FormatAmount(t.cash_back);

  DialogField& inventory = dialog.Field("inventory");
  inventory.options.clear();
  for (int i = 0; i < basket.line_count; ++i) {
    const auto line = static_cast<size_t>(i);
    inventory.options.push_back(Number(basket.item_number[line]) + " " +
                                TextOf(basket.description[line]) + "  " +
                                FormatAmount(basket.line_total[line]));
  }
  inventory.choice = inventory.options.empty() ? -1 : 0;
}

// Puts the transaction and its lines into `shown`; a missing items log is told and leaves it
// without lines.
void LoadTransaction(Ui& ui, TransactionSearch& search, const FoundTransaction& transaction,
                     Basket& shown) {
  std::optional<std::vector<ItemsLogRecord>> items = search.Items(transaction);
  if (!items) {
    ui.Message("Problem", "Unable to open items log.", Icon::kWarning);
    items.emplace();
  }
  FillTransactionBasket(shown, transaction.sales, *items);
}

// The transaction after `number` that `mode` steps to; failures are told.
std::optional<FoundTransaction> FindNext(Ui& ui, TransactionSearch& search, int64_t number,
                                         NextMode mode) {
  SearchOutcome outcome =
      mode == NextMode::kEvery ? search.Find(number + 1) : search.FindDiscounted(number + 1);
  if (outcome.result == SearchResult::kNotIndexed) {
    ui.Message("Problem", "End of list.", Icon::kWarning);
    return std::nullopt;
  }
  if (outcome.result != SearchResult::kFound) {
    TellSearchFailure(ui, outcome);
    return std::nullopt;
  }
  return outcome.found;
}

}  // namespace

Basket TransactionBasket(const SalesLogRecord& sales, const std::vector<ItemsLogRecord>& items) {
  Basket basket;
  FillTransactionBasket(basket, sales, items);
  return basket;
}

void FillTransactionBasket(Basket& basket, const SalesLogRecord& sales,
                           const std::vector<ItemsLogRecord>& items) {
  basket.transaction_number = sales.transaction_number();
  basket.customer_number = sales.customer_number();
  basket.clerk_number = sales.clerk_number();
  BasketTotals& t = basket.totals;
  t.non_taxable_total = sales.non_taxable_total();
  t.taxable_total = sales.taxable_total();
  t.net_total = sales.net_total();
  t.tax1_total = sales.tax1_total();
  t.tax2_total = sales.tax2_total();
  t.cost_total = sales.cost_total();
  t.grand_total = sales.grand_total();
  t.discount_total = sales.discount_total();
  t.cash_back = sales.cash_back();
  t.cash_amount = sales.cash_amount();
  t.eft_amount = sales.eft_amount();
  t.reserved_loaded = sales.amount(16);
  t.cheque_amount = sales.cheque_amount();
  BasketTexts& s = basket.texts;
  SetText(s.sale_time, sales.sale_time());
  SetText(s.sale_date, sales.sale_date());
  SetText(s.customer_name, sales.customer_name());
  for (int k = 0; k < SalesLogRecord::kCustomerTextCount; ++k) {
    SetText(s.customer_text[static_cast<size_t>(k)], sales.customer_text(k));
  }
  SetText(s.payment_type, sales.payment_type());
  SetText(s.note, sales.note());

  // The lines are those the items log holds, so that no empty line is ever printed.
  const size_t count = std::min(items.size(), static_cast<size_t>(kMaxBasketLines));
  for (size_t i = 0; i < count; ++i) {
    const ItemsLogRecord& item = items[i];
    basket.item_number[i] = item.item_number();
    SetText(basket.description[i], item.description());
    basket.non_taxable_amount[i] = item.non_taxable_amount();
    basket.taxable_amount[i] = item.taxable_amount();
    basket.tax1[i] = item.tax1();
    basket.tax2[i] = item.tax2();
    basket.cost[i] = item.cost();
    basket.discount[i] = item.discount();
    basket.line_total[i] = item.line_total();
  }
  // The lines of the transaction shown before that this one does not have are emptied.
  for (auto i = count; i < static_cast<size_t>(basket.line_count); ++i) {
    basket.item_number[i] = 0;
    basket.description[i] = {};
    basket.non_taxable_amount[i] = 0;
    basket.taxable_amount[i] = 0;
    basket.tax1[i] = 0;
    basket.tax2[i] = 0;
    basket.cost[i] = 0;
    basket.discount[i] = 0;
    basket.line_total[i] = 0;
  }
  basket.line_count = static_cast<int32_t>(count);
}

void TellSearchFailure(Ui& ui, const SearchOutcome& outcome) {
  switch (outcome.result) {
    case SearchResult::kFound:
      return;
    case SearchResult::kNoSalesLog:
      ui.Message("Problem", "Unable to open sales log.", Icon::kWarning);
      return;
    case SearchResult::kNotIndexed:
    case SearchResult::kNoSalesRecord:
      ui.Message("Finished", "No match found", Icon::kInformation);
      return;
  }
}

void RunTransactionDialog(const PrintingContext& printing, TransactionSearch& search,
                          const FoundTransaction& transaction, NextMode mode) {
  Ui& ui = printing.platform.ui;
  Basket shown;
  LoadTransaction(ui, search, transaction, shown);
  Dialog dialog = EmptyTransactionDialog();
  ShowTransaction(dialog, shown, transaction.sales.line_count(), printing.settings);
  dialog.on_change = [&](Dialog& d, const std::string& key) {
    if (key == kNextButton) {
      std::optional<FoundTransaction> next = FindNext(ui, search, shown.transaction_number, mode);
      if (!next) return;
      LoadTransaction(ui, search, *next, shown);
      ShowTransaction(d, shown, next->sales.line_count(), printing.settings);
    } else if (key == kTillReceiptButton || key == kCustomReceiptButton) {
      const ReceiptKind kind =
          key == kTillReceiptButton ? ReceiptKind::kTill : ReceiptKind::kCustom;
      PrintReceipt(printing, kind, shown, 1, {shown.totals.grand_total, 0}, PrintRoute::kSummary);
    } else if (key == kInvoiceButton) {
      // The stored sale carries no terms band, which only the other invoices print.
      PrintInvoice(printing, InvoiceKind::kStandard, shown, 0, PrintRoute::kSummary);
    }
  };
  ui.RunDialog(dialog);
}

}  // namespace ventro
