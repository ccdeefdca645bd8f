#include "sale/tender.h"

#include <optional>

#include "base/format.h"
#include "platform/clock_text.h"
#include "print/after_commit.h"
#include "sale/commit.h"
#include "sale/sale_session.h"
#include "sale/totals_panel.h"
#include "store/settings_file.h"

namespace ventro {
namespace {

constexpr char kProblem[] = "Problem";
constexpr double kCashBackToConfirm = 100.0;

DialogField ReadOnly(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

bool CashBackBarred(const SaleSession& session) {
  return session.screen.restricted && session.settings.Get(cfg::kCashbackControlled) == 2;
}

// "Payment" or "Payment plus cashback": the cash back (0 for none), or nothing when the card
// payment is abandoned.
std::optional<double> AskCashBack(Ui& ui) {
  Dialog choice;
  choice.name = "BBOX";
  choice.title = "Electronic Payment";
  choice.buttons = {"Payment", "Payment plus cashback", "Cancel"};
  if (!ui.RunDialog(choice) || choice.Pressed("Cancel")) return std::nullopt;
  if (!choice.Pressed("Payment plus cashback")) return 0.0;

  Dialog amount;
  amount.name = "EDITBO8";
  amount.title = "Cashback";
  DialogField field = TextField("amount", "Amount", "", 9);
  field.kind = FieldKind::kNumber;
  amount.Add(field);
  for (;;) {
    if (!ui.RunDialog(amount) || amount.Pressed("Cancel")) return std::nullopt;
    const std::string text = amount.Field("amount").text;
    if (AtoF(text) < 0) {
      ui.Message(kProblem, "Negative amount", Icon::kWarning);
      continue;
    }
    if (AtoF(text) > kCashBackToConfirm &&
        ui.Message("Please confirm", text, Icon::kQuestion, Buttons::kYesNo) != Answer::kYes) {
      return std::nullopt;
    }
    return static_cast<double>(AtoI64(text));
  }
}

// A payment at the till: the customer sees the total to pay on the pole display before any
// amount is asked for or tendered.
bool StartTillPayment(SaleSession& session) {
  if (!StartPayment(session)) return false;
  if (session.settings.Get(cfg::kPoleInUse) != 0) PoleShowTotals(session);
  return true;
}

enum class Rest { kCheque, kEft };

struct SplitParts {
  double cash = 0;
  Rest rest = Rest::kEft;
};

// The "SPLIT" dialog; nothing when cancelled.
std::optional<SplitParts> AskSplit(Ui& ui, double total) {
  Dialog dialog;
  dialog.name = "SPLIT";
  dialog.title = "Split payment";
  dialog.Add(ReadOnly("total", "Total", FormatAmount(total)));
  DialogField cash = TextField("cash", "Cash (in cents, no decimal point)", "", 9);
  cash.kind = FieldKind::kCents;
  dialog.Add(cash);
  dialog.Add(ChoiceField("rest", "Rest by", {"CH", "EFT"}, 1));
  for (;;) {
    if (!ui.RunDialog(dialog) || dialog.Pressed("Cancel")) return std::nullopt;
    const double part = TypedCents(dialog.Field("cash").text).value_or(0);
    if (part < 0) {
      ui.Message(kProblem, "Negative amount", Icon::kWarning);
    } else if (part > RoundToCents(total)) {
      ui.Message(kProblem, "Cash exceeds total", Icon::kWarning);
    } else {
      return SplitParts{part, dialog.Field("rest").choice == 0 ? Rest::kCheque : Rest::kEft};
    }
    dialog.Field("cash").text.clear();
  }
}

}  // namespace

bool StartPayment(SaleSession& session, const char* empty_title, const char* empty_text) {
  if (session.sale.payment_in_progress) return false;
  if (session.sale.basket.empty()) {
    session.ui().Message(empty_title, empty_text, Icon::kWarning);
    return false;
  }
  return CanCommitBasket(session);
}

void ClearPaymentAmounts(Basket& basket) {
  BasketTotals& totals = basket.totals;
  totals.cash_back = 0;
  totals.cash_amount = 0;
  totals.eft_amount = 0;
  totals.cheque_amount = 0;
  totals.balance_before = 0;
  totals.balance_after = 0;
}

std::string SaleDateText(SaleSession& session, const LocalTime& now) {
  return DisplayDate(session.platform.locale, now.day, now.month, now.year, now);
}

void StampBasket(SaleSession& session) {
  const LocalTime now = session.Now();
  Basket& basket = session.sale.basket;
  basket.transaction_number = session.settings.Get(cfg::kNextTransaction);
  SetText(basket.texts.sale_time, StringPrintf("%02d:%02d", now.hour, now.minute));
  SetText(basket.texts.sale_date, SaleDateText(session, now));
  basket.clerk_number = static_cast<int32_t>(session.settings.Get(cfg::kSignedOnClerk));
}

// The terms band and e-mail address of the sale's customer, for the invoices and the order
// mail; empty when the sale has none or the record cannot be read.
SaleCustomerFacts CustomerFacts(SaleSession& session) {
  SaleCustomerFacts facts;
  const int64_t number = session.sale.basket.customer_number;
  if (number == 0) return facts;
  const std::optional<int64_t> position = session.customers.FindPosition(number);
  if (!position) return facts;
  CustomerRecord record;
  if (!session.customers.ReadAt(session.files(), *position, record.data())) return facts;
  facts.terms = record.Get(cust::kTerms);
  facts.email = record.Get(cust::kEmail);
  return facts;
}

void ShowCommittedSummary(SaleSession& session, const Tendered& tendered) {
  ShowPaymentOnTillDevices(session.platform, session.settings, tendered);
  const PrintingContext printing = session.printing();
  const SaleCustomerFacts customer = CustomerFacts(session);
  // With the summary box turned off the configured document is printed at once instead.
  if (session.settings.Get(cfg::kNoSummaryBox) == 1) {
    PrintAutomaticDocument(printing, session.sale, tendered, customer);
    PrintKitchenAfterCommit(printing, session.sale);
    return;
  }
  const BasketTotals& totals = session.sale.basket.totals;
  Dialog summary;
  summary.name = "TENBOX";
  summary.title = "Transaction committed, summary";
  summary.Add(ReadOnly("total", "Total due", FormatAmount(totals.grand_total)));
  summary.Add(ReadOnly("tendered", "Tendered", FormatAmount(tendered.tendered)));
  summary.Add(ReadOnly("change", "Change",
                       totals.cash_back > 0 ? "CB: " + FormatAmount(totals.cash_back)
                                            : FormatAmount(tendered.change)));
  // Each button prints its document (or opens the order mail) and leaves the box open.
  summary.buttons = {"OK"};
  summary.actions = {kStandardReceiptButton, kInvoice1Button,      kInvoice2Button,
                     kCustomInvoiceButton,   kCustomReceiptButton, kEmailDocumentButton,
                     kDeliveryNoteButton};
  summary.on_change = [&](Dialog&, const std::string& key) {
    PrintFromSummary(printing, key, session.sale, tendered, customer);
  };
  PressConfiguredDocument(printing, session.sale, tendered, customer);
  session.ui().RunDialog(summary);
  PrintKitchenAfterCommit(printing, session.sale);
}

bool CompletePayment(SaleSession& session, std::string_view payment_type,
                     const Tendered& tendered) {
  session.sale.payment_in_progress = false;
  StampBasket(session);
  SetText(session.sale.basket.texts.payment_type, payment_type);
  // The sale is on the disk before the drawer opens or the summary says it is committed.
  if (!RecordTransaction(session)) return false;
  ShowCommittedSummary(session, tendered);
  ClearCommittedBasket(session);
  if (session.settings.Get(cfg::kSoundsOff) == 0) session.platform.sound.Play(SoundId::kDone);
  return true;
}

void PayCash(SaleSession& session) {
  if (!StartTillPayment(session)) return;
  const double total = session.sale.basket.totals.grand_total;
  session.sale.payment_in_progress = true;
  std::optional<Tendered> tendered = RunCashBox(session.ui(), total);
  session.sale.payment_in_progress = false;
  if (!tendered) return;
  Basket& basket = session.sale.basket;
  ClearPaymentAmounts(basket);
  basket.totals.cash_amount = total;
  CompletePayment(session, "Cash", *tendered);
}

void PayCheque(SaleSession& session) {
  if (!StartTillPayment(session)) return;
  Basket& basket = session.sale.basket;
  const double total = basket.totals.grand_total;
  ClearPaymentAmounts(basket);
  basket.totals.cheque_amount = total;
  CompletePayment(session, "CH", {total, 0});
}

void PayCard(SaleSession& session) {
  if (!StartTillPayment(session)) return;
  double cash_back = 0;
  if (!CashBackBarred(session)) {
    std::optional<double> asked = AskCashBack(session.ui());
    if (!asked) return;
    cash_back = *asked;
  }
  SettingsRecord& settings = session.settings;
  const double running_cash_back = settings.Get(cfg::kCashbackTotal);
  settings.Set(cfg::kCashbackTotal, running_cash_back + cash_back);
  Basket& basket = session.sale.basket;
  const double total = basket.totals.grand_total;
  ClearPaymentAmounts(basket);
  basket.totals.eft_amount = total;
  basket.totals.cash_back = cash_back;
  if (!CompletePayment(session, "EFT", {total, 0}))
    settings.Set(cfg::kCashbackTotal, running_cash_back);
}

void PaySplit(SaleSession& session) {
  if (!StartTillPayment(session)) return;
  const double total = session.sale.basket.totals.grand_total;
  session.sale.payment_in_progress = true;
  std::optional<SplitParts> parts = AskSplit(session.ui(), total);
  std::optional<Tendered> tendered;
  if (parts) tendered = RunCashBox(session.ui(), parts->cash);
  session.sale.payment_in_progress = false;
  if (!tendered) return;
  // The amounts are set only now, so a cancelled cash box leaves the basket as it was.
  Basket& basket = session.sale.basket;
  ClearPaymentAmounts(basket);
  basket.totals.cash_amount = parts->cash;
  double& rest =
      parts->rest == Rest::kCheque ? basket.totals.cheque_amount : basket.totals.eft_amount;
  rest = total - parts->cash;
  CompletePayment(session, "Split", *tendered);
}

void RecordPettyCash(SaleSession& session) {
  Ui& ui = session.ui();
  std::string text;
  for (;;) {
    if (!ui.EditBox("Please enter the amount", text)) return;
    if (AtoF(text) >= 0) break;
    ui.Message(kProblem, "Negative amount", Icon::kWarning);
  }
  SettingsRecord& settings = session.settings;
  settings.Set(cfg::kPettyCashTotal, settings.Get(cfg::kPettyCashTotal) + RoundToCents(AtoF(text)));
  // Saved at once: the running total is the only record of the payment.
  if (!SaveSettingsFile(session.files(), session.paths.settings, settings)) {
    ui.Message("Fatal error", "Unable to update the configuration file", Icon::kError);
  }
  ui.Message("Petty cash payment", "Recorded", Icon::kInformation);
}

}  // namespace ventro
