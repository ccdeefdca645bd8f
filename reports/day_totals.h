// The day totals: one trading day's sales, refunds and customer balance payments added up from
// the day's sales log and items log. Every view of the day's takings (the status window, the
// printed summary, the export, the mail link, the upload's report and the till reconciliation)
// is built from these figures.
#pragma once

#include <string_view>

#include "formats/settings_record.h"
#include "platform/files.h"

namespace ventro {

struct DayTotals {
  int items_sold = 0;      // items log lines of sales
  int items_refunded = 0;  // items log lines of refunds

  // Sales and refunds together; refund records carry negated amounts, so refunds lower these.
  double non_taxable_sales = 0;
  double taxable_sales = 0;
  double tax1 = 0;
  double tax2 = 0;
  double cost_of_sales = 0;
  double total = 0;

  double cash_sales = 0;
  double cheque_sales = 0;
  double eft_sales = 0;
  double credit_sales = 0;  // grand totals of sales paid "Credit"
  double discounts = 0;
  double cash_back = 0;

  // Negative numbers: the refunds' own amounts.
  double cash_refunds = 0;
  double cheque_refunds = 0;
  double eft_refunds = 0;
  double credit_refunds = 0;  // grand totals of refunds with no cash, cheque or EFT amount

  double balance_cash = 0;
  double balance_cheque = 0;
  double balance_eft = 0;

  double SalesTotal() const { return cash_sales + cheque_sales + eft_sales + credit_sales; }
  double RefundsTotal() const {
    return cash_refunds + cheque_refunds + eft_refunds + credit_refunds;
  }
  double BalanceTotal() const { return balance_cash + balance_cheque + balance_eft; }
  // Non-taxable plus taxable sales: the sub total and the net sales.
  double NetSales() const { return non_taxable_sales + taxable_sales; }
  double GrossProfit() const { return NetSales() - cost_of_sales; }
};

// Adds up a day from the bytes of its two logs (whole records only; a partial trailing record
// is ignored). A record's kind is the first character of its payment type: "P" a customer
// balance payment, "R" a refund, anything else a sale. Balance payments add only to the
// balance sums and have no item lines. The items log is read once and its lines counted by
// transaction number; a transaction number met twice in the sales log has its lines counted
// once, by its first record.
DayTotals AddUpDay(std::string_view sales_log, std::string_view items_log);

// The totals of `day` (its day, month and year) from year\month\day\saleslog.dat and
// itemslog.dat under `data_folder`. The sales log is read even when the items log is missing
// or empty (a day of balance payments writes no items); a missing sales log gives zeros.
DayTotals ComputeDayTotals(Files& files, const Path& data_folder, const Date& day);

}  // namespace ventro
