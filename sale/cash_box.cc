#include "sale/cash_box.h"

#include "base/format.h"

namespace ventro {
namespace {

constexpr size_t kAmountDigits = 9;  // up to 9,999,999.99

int64_t RoundUpTo(int64_t cents, int64_t step) { return (cents + step - 1) / step * step; }

double Amount(int64_t cents) { return static_cast<double>(cents) / 100.0; }

Dialog CashBox(double due) {
  Dialog dialog;
  dialog.name = "CASHBOX";
  dialog.title = "Cash payment";
  dialog.keypad_fed = true;  // the till's keypad types the amount
  DialogField total = TextField("total", "Total", FormatAmount(due), 0);
  total.kind = FieldKind::kReadOnly;
  dialog.Add(total);
  DialogField amount =
      TextField("amount", "Tendered (in cents, no decimal point)", "", kAmountDigits);
  amount.kind = FieldKind::kCents;
  dialog.Add(amount);
  DialogField change = TextField("change", "Change", ChangeText(std::nullopt, due), 0);
  change.kind = FieldKind::kReadOnly;
  dialog.Add(change);

  dialog.buttons = {"OK", "Exact amount"};
  for (double quick : QuickAmounts(due)) dialog.buttons.push_back(FormatAmount(quick));
  dialog.buttons.push_back("Cancel");
  dialog.on_change = [due](Dialog& d, const std::string& key) {
    if (key == "amount") {
      d.Field("change").text = ChangeText(TypedCents(d.Field("amount").text), due);
    }
  };
  return dialog;
}

}  // namespace

std::array<double, 3> QuickAmounts(double due) {
  const int64_t cents = WholeCents(due);
  std::array<int64_t, 3> quick = {500, 1000, 2000};
  if (cents > 500) quick = {RoundUpTo(cents, 500), RoundUpTo(cents, 1000), RoundUpTo(cents, 5000)};
  if (quick[0] == cents) quick = {quick[0] + 500, quick[1] + 1000, quick[2] + 5000};
  if (quick[1] == quick[0]) quick[1] += 1000;
  if (quick[2] == quick[1]) quick[2] += 5000;
  return {Amount(quick[0]), Amount(quick[1]), Amount(quick[2])};
}

std::optional<double> TypedCents(std::string_view typed) {
  // A point or sign typed among the cents would be read as a different amount.
  if (typed.empty() || typed.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  std::string text(typed);
  if (text.size() < 2) {
    text = "0.0" + text;
  } else {
    text.insert(text.size() - 2, ".");
  }
  return AtoF(text);
}

int64_t WholeCents(double amount) {
  if (!(amount > 0)) return 0;
  // Beyond any real total the cents stop growing, so that the sums here cannot overflow.
  if (amount > kLargestAmount) amount = kLargestAmount;
  return AtoI64(FormatFixed(amount * 100, 2));
}

std::string ChangeText(std::optional<double> typed, double due) {
  const double amount = typed.value_or(0);
  if (WholeCents(due) > WholeCents(amount)) return "";
  return FormatAmount(amount - due);
}

std::optional<Tendered> RunCashBox(Ui& ui, double due) {
  Dialog dialog = CashBox(due);
  for (;;) {
    if (!ui.RunDialog(dialog) || dialog.Pressed("Cancel")) return std::nullopt;
    if (dialog.Pressed("Exact amount")) return Tendered{due, 0};
    if (dialog.Pressed("OK")) {
      std::optional<double> typed = TypedCents(dialog.Field("amount").text);
      if (typed && *typed >= RoundToCents(due)) {
        // The change as the box shows it.
        const double change = AtoF(ChangeText(typed, due));
        return Tendered{change + due, change};
      }
    } else {
      const double quick = AtoF(dialog.pressed);
      if (quick >= due) return Tendered{quick, RoundToCents(quick - due)};
    }
    ui.Message("Problem", "Less than total", Icon::kWarning);
  }
}

}  // namespace ventro
