#include "customers/customer_payment.h"

#include <optional>
#include <vector>

#include "base/format.h"
#include "customers/customer_history.h"
#include "customers/customer_lookup.h"
#include "customers/customer_view.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "print/receipt_printing.h"
#include "records/terms.h"
#include "sale/transaction_lookup.h"
#include "store/day_log.h"
#include "store/journal.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr char kFatalError[] = "Fatal error";
// Elements of the sales log record's block of amounts.
constexpr int kGrandTotal = 6;
constexpr int kCashAmount = 14;
constexpr int kCardAmount = 15;
constexpr int kChequeAmount = 17;
constexpr int kBalanceBefore = 20;
constexpr int kBalanceAfter = 21;

std::string NumberText(int64_t number) {
  return StringPrintf("%lld", static_cast<long long>(number));
}

DialogField Shown(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

Date Today(const LocalTime& now) { return {now.day, now.month, now.year}; }

Dialog PaymentDialog(CustomerDesk& desk, const CustomerRecord& c) {
  Locale& locale = desk.platform.locale;
  const LocalTime now = desk.Now();
  Dialog dialog;
  dialog.name = "Multdia2";
  dialog.title = "Payment";
  dialog.Add(Shown("number", "Number", NumberText(c.Get(cust::kNumber))));
  dialog.Add(Shown("name", "Name", c.Get(cust::kName)));
  dialog.Add(
      Shown("last_purchase", "Last purchase", ShownStamp(locale, c.Get(cust::kLastUsed), now)));
  dialog.Add(
      Shown("last_payment", "Last payment", ShownStamp(locale, c.Get(cust::kLastPayment), now)));
  dialog.Add(Shown("terms", "Terms", TermsText(desk.settings, c.Get(cust::kTerms))));
  dialog.Add(Shown("balance", "Balance", FormatAmount(c.Get(cust::kBalance))));
  std::vector<std::string> lines;
  for (const CustomerSale& sale :
       CustomerSales(desk.files(), desk.paths.folder, c.Get(cust::kNumber),
                     desk.settings.Get(cfg::kHistoryFrom), Today(now))) {
    lines.push_back(StringPrintf("%d/%d/%d,  %lld, ", sale.day.day, sale.day.month, sale.day.year,
                                 static_cast<long long>(sale.transaction)) +
                    FormatAmount(sale.grand_total));
  }
  dialog.Add(ChoiceField("transactions", "Transactions", std::move(lines), -1));
  dialog.Add(ChoiceField("method", "Method", {"Cash", "CH", "EFT"}, 0));
  dialog.Add(TextField("pay", "Pay", "", 20));
  dialog.Add(NoteField("note", "The period character . is used when entering the amount"));
  dialog.focus = "pay";
  return dialog;
}

// The amount typed, to the cent; nothing for an empty text, no number, or 0 or less.
std::optional<double> PaymentAmount(const std::string& text) {
  const double amount = RoundToCents(AtoF(text));
  if (!IsSaneAmount(amount) || amount <= 0) return std::nullopt;
  return amount;
}

std::string PaymentDayText(const LocalTime& now, const CustomerRecord& customer, double amount,
                           int64_t transaction, PaymentMethod method, int64_t clerk,
                           const std::string& clerk_name) {
  return "\r\n" + DayLogStamp(now) + " Payment: " + NumberText(transaction) +
         ", Total: " + FormatAmount(amount) + "\r\n" +
         StringPrintf("Clerk: %lld, %s\r\n", static_cast<long long>(clerk), clerk_name.c_str()) +
         "Payment type: " + PaymentMethodName(method) + "\r\n" +
         "Customer: " + NumberText(customer.Get(cust::kNumber)) + " " + customer.Get(cust::kName) +
         "\r\n";
}

std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

void LogDayText(CustomerDesk& desk, const LocalTime& now, const std::string& text) {
  // The day text log lies in the month folder, made here when the day has none yet.
  Tell(desk.ui(), EnsureYearMonthFolders(desk.files(), desk.paths.folder, now));
  if (!AppendDayText(desk.files(), desk.paths.folder, now, text)) {
    desk.ui().Message(kFatalError, "Data log text file not present.", Icon::kError);
  }
}

}  // namespace

std::string PaymentMethodName(PaymentMethod method) {
  switch (method) {
    case PaymentMethod::kCheque:
      return "CH";
    case PaymentMethod::kCard:
      return "EFT";
    case PaymentMethod::kCash:
      break;
  }
  return "Cash";
}

SalesLogRecord PaymentLogRecord(const CustomerRecord& customer, double amount, PaymentMethod method,
                                int64_t transaction, int32_t clerk, const LocalTime& now,
                                Locale& locale) {
  SalesLogRecord record;
  record.set_transaction_number(transaction);
  record.set_customer_number(customer.Get(cust::kNumber));
  record.set_clerk_number(clerk);
  record.set_amount(kGrandTotal, amount);
  const int method_amount = method == PaymentMethod::kCheque ? kChequeAmount
                            : method == PaymentMethod::kCard ? kCardAmount
                                                             : kCashAmount;
  record.set_amount(method_amount, amount);
  const double balance = customer.Get(cust::kBalance);
  record.set_amount(kBalanceBefore, balance + amount);
  record.set_amount(kBalanceAfter, balance);
  record.set_sale_time(StringPrintf("%02d:%02d", now.hour, now.minute));
  record.set_sale_date(DisplayDate(locale, now.day, now.month, now.year, now));
  record.set_customer_name(customer.Get(cust::kName));
  const cust::Text texts[] = {cust::kRoad, cust::kArea, cust::kTown, cust::kPostcode,
                              cust::kTelephone};
  for (int k = 0; k < SalesLogRecord::kCustomerTextCount; ++k) {
    record.set_customer_text(k, customer.Get(texts[k]));
  }
  const char* suffix = method == PaymentMethod::kCheque ? " (ch)"
                       : method == PaymentMethod::kCard ? " (eft)"
                                                        : " (cash)";
  record.set_payment_type(std::string("Payment") + suffix);
  return record;
}

void PayBalance(CustomerDesk& desk) {
  std::optional<int64_t> position =
      PromptForCustomer(desk.ui(), desk.files(), desk.settings, desk.customers, "Customer");
  if (position) PayCustomerBalance(desk, *position);
}

void PayBalanceOnTransaction(CustomerDesk& desk) {
  std::optional<FoundTransaction> found =
      FindTransactionRecord(desk.ui(), desk.files(), desk.settings, desk.paths.folder, desk.Now());
  if (!found) return;
  const int64_t number = found->sales.customer_number();
  std::optional<int64_t> position = desk.customers.FindPosition(number);
  if (number < 1 || !position || !desk.customers.Read(desk.files(), *position).ok()) {
    desk.ui().Message(kProblem, "No customer associated with transaction", Icon::kWarning);
    return;
  }
  PayCustomerBalance(desk, *position);
}

void PayCustomerBalance(CustomerDesk& desk, int64_t position) {
  Ui& ui = desk.ui();
  Files& files = desk.files();
  const CustomerRecord before = desk.customers.customer();
  Dialog dialog = PaymentDialog(desk, before);
  if (!ui.RunDialog(dialog) || !dialog.Pressed("OK")) return;
  std::optional<double> amount = PaymentAmount(dialog.Field("pay").text);
  if (!amount) {
    ui.Message(kProblem, "No amount specified.", Icon::kWarning);
    return;
  }
  const int choice = dialog.Field("method").choice;
  const PaymentMethod method = choice == 1   ? PaymentMethod::kCheque
                               : choice == 2 ? PaymentMethod::kCard
                                             : PaymentMethod::kCash;
  const double balance = RoundToCents(before.Get(cust::kBalance));
  if (*amount > balance && ui.Message("Continue", "Exceeds amount due", Icon::kQuestion,
                                      Buttons::kOkCancel) != Answer::kOk) {
    return;
  }

  // Everything is checked and built first; the customer, the year index, the sales log and
  // the settings then change in one step.
  const Path& folder = desk.paths.folder;
  const LocalTime now = desk.Now();
  Tell(ui, EnsureDayFolders(files, folder, now));
  SettingsRecord changed = desk.settings;
  const int32_t transaction = changed.Get(cfg::kNextTransaction);
  changed.Set(cfg::kNextTransaction, transaction + 1);
  CustomerRecord after = before;
  after.Set(cust::kBalance, balance - *amount);
  after.Set(cust::kLastPayment, TimeAndDateText(now));
  after.Set(cust::kLastTransaction, transaction);
  const int64_t clerk = changed.Get(cfg::kSignedOnClerk);
  const SalesLogRecord sales_record = PaymentLogRecord(
      after, *amount, method, transaction, static_cast<int32_t>(clerk), now, desk.platform.locale);
  const YearIndexRecord year_record(transaction, now.day, now.month);

  FileChange change;
  change.Overwrite(desk.paths.customer, static_cast<uint64_t>(position) * CustomerRecord::kSize,
                   Bytes(after.data(), CustomerRecord::kSize));
  AppendTransactionToChange(files, change, folder, now, year_record, sales_record);
  change.Replace(desk.paths.settings, changed.view());
  const ChangeResult result = MakeChange(files, folder, change);
  if (!result.ok) {
    ui.Message(kProblem, "Not able to write to " + result.failed.filename().string(), Icon::kError);
    // A change kept in the journal is made at the next start: the payment stands.
    if (!result.kept) return;
  }
  desk.settings = changed;
  desk.customers.customer() = after;
  desk.customers.set_current_position(position);

  const std::string clerk_name = clerk >= 1 && clerk <= SettingsRecord::kClerkCount
                                     ? changed.Get(cfg::kClerkName, static_cast<int>(clerk))
                                     : "";
  LogDayText(desk, now,
             PaymentDayText(now, after, *amount, transaction, method, clerk, clerk_name));
  desk.window.ScreenChanged();
  if (desk.settings.Get(cfg::kSoundsOff) == 0) desk.platform.sound.Play(SoundId::kDone);
  if (ui.Message("Print receipt?", "Customer " + NumberText(after.Get(cust::kNumber)) + " updated.",
                 Icon::kQuestion, Buttons::kYesNo) == Answer::kYes) {
    PrintBalancePaymentReceipt(desk.printing(),
                               {*amount, PaymentMethodName(method), after.Get(cust::kNumber),
                                after.Get(cust::kName), transaction});
  }
}

void AmendBalance(CustomerDesk& desk) {
  Ui& ui = desk.ui();
  MasterFile& customers = desk.customers;
  std::optional<int64_t> position =
      PromptForCustomer(ui, desk.files(), desk.settings, customers, "Amend credit");
  if (!position) return;
  const CustomerRecord before = customers.customer();
  std::string text = FormatAmount(before.Get(cust::kBalance));
  if (!ui.EditBox(NumberText(before.Get(cust::kNumber)) + " " + before.Get(cust::kName) + ", owed:",
                  text)) {
    return;
  }
  const double owed = AtoF(text);
  if (!IsSaneAmount(owed)) {
    ui.Message(kProblem, "No amount specified.", Icon::kWarning);
    return;
  }
  customers.customer().Set(cust::kBalance, owed);
  if (!Tell(ui, customers.WriteBack(desk.files()))) {
    customers.customer() = before;
    return;
  }
  const LocalTime now = desk.Now();
  LogDayText(desk, now,
             "\r\n" + DayLogStamp(now) + "  Credit amendment\r\nCustomer: " +
                 NumberText(before.Get(cust::kNumber)) + " " + before.Get(cust::kName) +
                 "\r\nBefore: " + FormatAmount(before.Get(cust::kBalance)) +
                 ", After: " + FormatAmount(owed) + "\r\n");
  ui.Message("Customer", "Updated", Icon::kInformation);
}

}  // namespace ventro
