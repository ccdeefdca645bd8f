#include "sale/tender.h"

#include <optional>

#include "app/ventro.h"
#include "base/format.h"
#include "platform/clock_text.h"
#include "print/after_commit.h"
#include "sale/commit.h"
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

bool CashBackBarred(const Ventro& ventro) {
  return ventro.screen.restricted == kRestricted &&
         ventro.settings.Get(cfg::kCashbackControlled) == 2;
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
  cash.kind = FieldKind::kNumber;
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

bool StartPayment(Ventro& ventro, const char* empty_title, const char* empty_text) {
  if (ventro.sale.payment_in_progress) return false;
  if (ventro.sale.basket.empty()) {
    ventro.ui().Message(empty_title, empty_text, Icon::kWarning);
    return false;
  }
  return CanCommitBasket(ventro);
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

std::string SaleDateText(Ventro& ventro, const LocalTime& now) {
  return DisplayDate(ventro.platform.locale, now.day, now.month, now.year, now);
}

void StampBasket(Ventro& ventro) {
  const LocalTime now = ventro.Now();
  Basket& basket = ventro.sale.basket;
  basket.transaction_number = ventro.settings.Get(cfg::kNextTransaction);
  SetText(basket.texts.sale_time, StringPrintf("%02d:%02d", now.hour, now.minute));
  SetText(basket.texts.sale_date, SaleDateText(ventro, now));
  basket.clerk_number = static_cast<int32_t>(ventro.settings.Get(cfg::kSignedOnClerk));
}

void ShowCommittedSummary(Ventro& ventro, const Tendered& tendered) {
  ShowPaymentOnTillDevices(ventro, tendered);
  // With the summary box turned off the configured document is printed at once instead.
  if (ventro.settings.Get(cfg::kNoSummaryBox) == 1) {
    PrintAutomaticDocument(ventro, tendered);
    PrintKitchenAfterCommit(ventro);
    return;
  }
  const BasketTotals& totals = ventro.sale.basket.totals;
  Dialog summary;
  summary.name = "TENBOX";
  summary.title = "Transaction committed, summary";
  summary.Add(ReadOnly("total", "Total due", FormatAmount(totals.grand_total)));
  summary.Add(ReadOnly("tendered", "Tendered", FormatAmount(tendered.tendered)));
  summary.Add(ReadOnly("change", "Change",
                       totals.cash_back > 0 ? "CB: " + FormatAmount(totals.cash_back)
                                            : FormatAmount(tendered.change)));
  // The receipt buttons print and leave the box open; the invoice, e-mail and delivery note
  // buttons join with the invoices.
  summary.buttons = {"OK"};
  summary.actions = {kStandardReceiptButton, kCustomReceiptButton};
  summary.on_change = [&](Dialog&, const std::string& key) {
    PrintFromSummary(ventro, key, tendered);
  };
  PressConfiguredDocument(ventro, tendered);
  ventro.ui().RunDialog(summary);
  PrintKitchenAfterCommit(ventro);
}

bool CompletePayment(Ventro& ventro, std::string_view payment_type, const Tendered& tendered) {
  ventro.sale.payment_in_progress = false;
  StampBasket(ventro);
  SetText(ventro.sale.basket.texts.payment_type, payment_type);
  ShowCommittedSummary(ventro, tendered);
  if (!CommitTransaction(ventro)) return false;
  if (ventro.settings.Get(cfg::kSoundsOff) == 0) ventro.platform.sound.Play(SoundId::kDone);
  return true;
}

void PayCash(Ventro& ventro) {
  if (!StartPayment(ventro)) return;
  const double total = ventro.sale.basket.totals.grand_total;
  ventro.sale.payment_in_progress = true;
  std::optional<Tendered> tendered = RunCashBox(ventro.ui(), total);
  ventro.sale.payment_in_progress = false;
  if (!tendered) return;
  Basket& basket = ventro.sale.basket;
  ClearPaymentAmounts(basket);
  basket.totals.cash_amount = total;
  CompletePayment(ventro, "Cash", *tendered);
}

void PayCheque(Ventro& ventro) {
  if (!StartPayment(ventro)) return;
  Basket& basket = ventro.sale.basket;
  const double total = basket.totals.grand_total;
  ClearPaymentAmounts(basket);
  basket.totals.cheque_amount = total;
  CompletePayment(ventro, "CH", {total, 0});
}

void PayCard(Ventro& ventro) {
  if (!StartPayment(ventro)) return;
  double cash_back = 0;
  if (!CashBackBarred(ventro)) {
    std::optional<double> asked = AskCashBack(ventro.ui());
    if (!asked) return;
    cash_back = *asked;
  }
  SettingsRecord& settings = ventro.settings;
  const double running_cash_back = settings.Get(cfg::kCashbackTotal);
  settings.Set(cfg::kCashbackTotal, running_cash_back + cash_back);
  Basket& basket = ventro.sale.basket;
  const double total = basket.totals.grand_total;
  ClearPaymentAmounts(basket);
  basket.totals.eft_amount = total;
  basket.totals.cash_back = cash_back;
  if (!CompletePayment(ventro, "EFT", {total, 0}))
    settings.Set(cfg::kCashbackTotal, running_cash_back);
}

void PaySplit(Ventro& ventro) {
  if (!StartPayment(ventro)) return;
  const double total = ventro.sale.basket.totals.grand_total;
  ventro.sale.payment_in_progress = true;
  std::optional<SplitParts> parts = AskSplit(ventro.ui(), total);
  std::optional<Tendered> tendered;
  if (parts) tendered = RunCashBox(ventro.ui(), parts->cash);
  ventro.sale.payment_in_progress = false;
  if (!tendered) return;
  // The amounts are set only now, so a cancelled cash box leaves the basket as it was.
  Basket& basket = ventro.sale.basket;
  ClearPaymentAmounts(basket);
  basket.totals.cash_amount = parts->cash;
  double& rest =
      parts->rest == Rest::kCheque ? basket.totals.cheque_amount : basket.totals.eft_amount;
  rest = RoundToCents(total - parts->cash);
  CompletePayment(ventro, "Split", *tendered);
}

void RecordPettyCash(Ventro& ventro) {
  Ui& ui = ventro.ui();
  std::string text;
  for (;;) {
    if (!ui.EditBox("Please enter the amount", text)) return;
    if (AtoF(text) >= 0) break;
    ui.Message(kProblem, "Negative amount", Icon::kWarning);
  }
  SettingsRecord& settings = ventro.settings;
  settings.Set(cfg::kPettyCashTotal, settings.Get(cfg::kPettyCashTotal) + RoundToCents(AtoF(text)));
  // Saved at once: the running total is the only record of the payment.
  if (!SaveSettingsFile(ventro.files(), ventro.paths.settings, settings)) {
    ui.Message("Fatal error", "Unable to update the configuration file", Icon::kError);
  }
  ui.Message("Petty cash payment", "Recorded", Icon::kInformation);
}

}  // namespace ventro
