#include "reports/activity_texts.h"

#include "base/cp1252.h"
#include "base/format.h"

namespace ventro {
namespace {

constexpr char kCrLf[] = "\r\n";
constexpr char kMailLineEnd[] = "%0D%0A";

std::string Amount(const char* label, double value) {
  return std::string(label) + FormatAmount(value);
}

std::string Bracketed(const char* label, double value) { return "(" + Amount(label, value) + ")"; }

// A total under its column: 43 spaces first.
std::string IndentedTotal(const std::string& total) { return std::string(43, ' ') + total; }

std::string ItemsLine(const DayTotals& totals) {
  return StringPrintf("Items sold: %d, Refunded: %d", totals.items_sold, totals.items_refunded);
}

std::string HeadingLine(const SummaryFacts& facts) {
  return facts.store_name + "  " + facts.clock + " " + facts.long_date;
}

std::string OntimeLine(const SummaryFacts& facts) {
  return StringPrintf("Ontime: %02d:%02d  Transaction number: %d", facts.on_hour, facts.on_minute,
                      facts.next_transaction);
}

std::string CountsLine(const SummaryFacts& facts) {
  return StringPrintf("Inventory on the system: %lld, Customers: %lld",
                      static_cast<long long>(facts.inventory_count),
                      static_cast<long long>(facts.customer_count));
}

std::string ReportDayLine(const std::string& store_name, const Date& day) {
  return store_name +
         StringPrintf(" Activity report: D:%d M:%d Y:%d", day.day, day.month, day.year);
}

// The figures shared by the export, the report file and the mail link, as groups of lines;
// a group is followed by a blank line.
std::vector<std::vector<std::string>> FigureGroups(const DayTotals& t) {
  return {
      {ItemsLine(t)},
      {"Sales", Amount("Cash: ", t.cash_sales), Amount("CH: ", t.cheque_sales),
       Amount("EFT: ", t.eft_sales), Amount("Credit: ", t.credit_sales),
       Amount("Total: ", t.SalesTotal()), Bracketed("Discounts: ", t.discounts)},
      {"Refunds", Amount("Cash: ", t.cash_refunds), Amount("CH: ", t.cheque_refunds),
       Amount("EFT: ", t.eft_refunds), Amount("Credit: ", t.credit_refunds),
       Amount("Total: ", t.RefundsTotal())},
      {Amount("Non taxable sales: ", t.non_taxable_sales),
       Amount("Taxable sales: ", t.taxable_sales), Amount("Sub total: ", t.NetSales()),
       Amount("Tax 1: ", t.tax1), Amount("Tax 2: ", t.tax2), Amount("Total: ", t.total)},
      {"Balance payments:", Amount("Cash: ", t.balance_cash), Amount("CH: ", t.balance_cheque),
       Amount("EFT: ", t.balance_eft), Amount("Total: ", t.BalanceTotal())},
      {Bracketed("Cash back: ", t.cash_back), Amount("Net sales: ", t.NetSales()),
       Amount("Cost of sales: ", t.cost_of_sales), Amount("Gross profit: ", t.GrossProfit())},
  };
}

// The figure groups, each line on a line of its own after `head`, a blank line between groups.
std::string FileText(std::vector<std::string> head, const DayTotals& totals) {
  std::string text;
  for (size_t i = 0; i < head.size(); ++i) text += (i == 0 ? "" : kCrLf) + head[i];
  bool first_group = true;
  for (const auto& group : FigureGroups(totals)) {
    if (!first_group) text += kCrLf;
    first_group = false;
    for (const std::string& line : group) text += kCrLf + line;
  }
  return text;
}

}  // namespace

std::vector<std::string> SummaryPrintLines(const SummaryFacts& f, const DayTotals& t) {
  std::vector<std::string> lines(35);
  lines[0] = HeadingLine(f);
  lines[2] = OntimeLine(f);
  lines[3] = CountsLine(f);
  lines[5] = ItemsLine(t);
  lines[7] = Amount("Cash sales: ", t.cash_sales);
  lines[8] = Amount("CH sales: ", t.cheque_sales);
  lines[9] = Amount("EFT sales: ", t.eft_sales);
  lines[10] = Amount("Credit sales: ", t.credit_sales);
  lines[11] = IndentedTotal(Amount("Total: ", t.SalesTotal()));
  lines[12] = Bracketed("Discounts: ", t.discounts);
  lines[14] = Amount("Cash refunds: ", t.cash_refunds);
  lines[15] = Amount("CH refunds: ", t.cheque_refunds);
  lines[16] = Amount("EFT refunds: ", t.eft_refunds);
  lines[17] = Amount("Credit refunds: ", t.credit_refunds);
  lines[18] = IndentedTotal("Total: (" + FormatAmount(t.RefundsTotal()) + ")");
  lines[19] = Amount("Non taxable sales: ", t.non_taxable_sales);
  lines[20] = Amount("Taxable sales: ", t.taxable_sales);
  lines[21] = Amount("Sub total: ", t.NetSales());
  lines[22] = Amount("Tax 1: ", t.tax1);
  lines[23] = Amount("Tax 2: ", t.tax2);
  lines[24] = IndentedTotal(Amount("Total: ", t.total));
  lines[25] = "Balance payments:";
  lines[26] = Amount("Cash: ", t.balance_cash);
  lines[27] = Amount("CH: ", t.balance_cheque);
  lines[28] = Amount("EFT: ", t.balance_eft);
  lines[29] = IndentedTotal(Amount("Total: ", t.BalanceTotal()));
  lines[30] = Bracketed("Cash back: ", t.cash_back);
  lines[32] = Amount("Net sales: ", t.NetSales());
  lines[33] = Amount("Cost of sales: ", t.cost_of_sales);
  lines[34] = Amount("Gross profit: ", t.GrossProfit());
  return lines;
}

std::string ActivityExportText(const SummaryFacts& facts, const DayTotals& totals) {
  return FileText({ReportDayLine(facts.store_name, facts.day)}, totals);
}

std::string ActivityReportText(const SummaryFacts& facts, const DayTotals& totals) {
  return FileText({HeadingLine(facts), OntimeLine(facts), CountsLine(facts)}, totals);
}

std::string ActivityMailLink(const SummaryFacts& facts, const DayTotals& totals) {
  const std::string store = PercentEncoded(facts.store_name);
  std::string body = std::string("Ventro Daily Summary") + kMailLineEnd +
                     ReportDayLine(store, facts.day) + kMailLineEnd + kMailLineEnd;
  const auto groups = FigureGroups(totals);
  for (size_t g = 0; g < groups.size(); ++g) {
    for (const std::string& line : groups[g]) body += line + kMailLineEnd;
    if (g + 1 < groups.size()) body += kMailLineEnd;
  }
  return "mailto:?subject=" + store + " Ventro Daily Summary&body=" + body;
}

}  // namespace ventro
