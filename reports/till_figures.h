// What the drawer, the cheques and the card takings should hold today: the day totals set
// against the float the drawer started with. Customer balance payments count; credit sales and
// credit refunds do not.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"
#include "reports/day_totals.h"

namespace ventro {

struct TillFigures {
  double initial_till = 0;
  double cash = 0;          // cash sales and cash balance payments
  double cash_refunds = 0;  // negative
  double cash_back = 0;
  double total_cash = 0;  // what the drawer should hold
  double cheque = 0;      // cheque sales and cheque balance payments
  double cheque_refunds = 0;
  double eft = 0;  // card sales and card balance payments
  double eft_refunds = 0;
  double till_total = 0;  // the drawer, the cheques and the card takings together
  int items_sold = 0;
  int items_refunded = 0;
};

TillFigures TillFiguresOf(const DayTotals& day, double initial_till);

// The figures' lines as the log and the printout write them: "Initial till: %.2f" to
// "Till total: %.2f", ten lines.
std::vector<std::string> TillFigureLines(const TillFigures& figures);

// The reconciliation dialogs' fields (809 and 810): every figure read-only, and the note on
// what they include.
void AddTillFigureFields(Dialog& dialog, const TillFigures& figures);

}  // namespace ventro
