#include "reports/till_figures.h"

#include "base/format.h"

namespace ventro {
namespace {

DialogField Shown(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

}  // namespace

TillFigures TillFiguresOf(const DayTotals& day, double initial_till) {
  TillFigures f;
  f.initial_till = initial_till;
  f.cash = day.cash_sales + day.balance_cash;
  f.cash_refunds = day.cash_refunds;
  f.cash_back = day.cash_back;
  f.total_cash =
      initial_till + day.cash_sales + day.balance_cash + day.cash_refunds - day.cash_back;
  f.cheque = day.cheque_sales + day.balance_cheque;
  f.cheque_refunds = day.cheque_refunds;
  f.eft = day.eft_sales + day.balance_eft;
  f.eft_refunds = day.eft_refunds;
  f.till_total = f.total_cash + day.eft_sales + day.cheque_sales + day.balance_cheque +
                 day.cheque_refunds + day.eft_refunds + day.balance_eft;
  f.items_sold = day.items_sold;
  f.items_refunded = day.items_refunded;
  return f;
}

std::vector<std::string> TillFigureLines(const TillFigures& f) {
  return {
      "Initial till: " + FormatAmount(f.initial_till), "Cash: " + FormatAmount(f.cash),
      "Cash refunds: " + FormatAmount(f.cash_refunds), "Cash back: " + FormatAmount(f.cash_back),
      "Total cash: " + FormatAmount(f.total_cash),     "Ch: " + FormatAmount(f.cheque),
      "Ch refunds: " + FormatAmount(f.cheque_refunds), "EFT: " + FormatAmount(f.eft),
      "EFT refunds: " + FormatAmount(f.eft_refunds),   "Till total: " + FormatAmount(f.till_total)};
}

void AddTillFigureFields(Dialog& dialog, const TillFigures& f) {
  dialog.Add(Shown("initial_till", "Initial till", FormatAmount(f.initial_till)));
  dialog.Add(Shown("cash", "Cash", FormatAmount(f.cash)));
  dialog.Add(Shown("cash_refunds", "Cash refunds", FormatAmount(f.cash_refunds)));
  dialog.Add(Shown("cash_back", "Cash back", FormatAmount(f.cash_back)));
  dialog.Add(Shown("total_cash", "Total cash", FormatAmount(f.total_cash)));
  dialog.Add(Shown("ch", "Ch", FormatAmount(f.cheque)));
  dialog.Add(Shown("ch_refunds", "Ch refunds", FormatAmount(f.cheque_refunds)));
  dialog.Add(Shown("eft", "EFT", FormatAmount(f.eft)));
  dialog.Add(Shown("eft_refunds", "EFT refunds", FormatAmount(f.eft_refunds)));
  dialog.Add(Shown("till_total", "Till total", FormatAmount(f.till_total)));
  dialog.Add(Shown("items", "Items", StringPrintf("%d (%d)", f.items_sold, f.items_refunded)));
  dialog.Add(NoteField("note",
                       "The figures include customer balance payments and exclude credit sales "
                       "and credit refunds."));
}

}  // namespace ventro
