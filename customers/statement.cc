#include "customers/statement.h"

#include <optional>
#include <vector>

#include "base/format.h"
#include "customers/customer_lookup.h"
#include "customers/letter_page.h"
#include "records/period_dialog.h"
#include "records/terms.h"

namespace ventro {
namespace {

constexpr int kStatementTitleLine = 9;
constexpr int kAddressLine = 11;
constexpr int kPageHeadLine = 2;
constexpr int kPeriodLine = 4;
constexpr int kActivityFirstLine = 6;

std::string DayText(const Date& day) {
  return StringPrintf("%d/%d/%d", day.day, day.month, day.year);
}

std::string PeriodText(const Period& period) {
  return StringPrintf("Period: %2d/%2d/%d", period.start.day, period.start.month,
                      period.start.year) +
         StringPrintf(" to %2d/%2d/%d", period.end.day, period.end.month, period.end.year);
}

// The listed lines of the customer's transactions from `from` to `to`, and the balance.
std::vector<std::string> ListedLines(CustomerDesk& desk, const CustomerRecord& customer,
                                     const Date& from, const Date& to) {
  std::vector<std::string> lines;
  for (const CustomerSale& sale :
       CustomerSales(desk.files(), desk.paths.folder, customer.Get(cust::kNumber), from, to)) {
    lines.push_back(StatementLine(sale));
  }
  lines.push_back("Balance: " + FormatAmount(customer.Get(cust::kBalance)));
  return lines;
}

// The "Statement" dialog; true when `print_button` closed it.
bool RunStatementDialog(Ui& ui, const CustomerRecord& customer, const std::string& period,
                        const std::vector<std::string>& lines, const std::string& print_button) {
  Dialog dialog;
  dialog.name = "Statement";
  dialog.title = "Statement";
  DialogField& heading = dialog.Add(TextField(
      "customer", "",
      StringPrintf("CUSTOMER: %lld  ", static_cast<long long>(customer.Get(cust::kNumber))) +
          customer.Get(cust::kName),
      0));
  heading.kind = FieldKind::kReadOnly;
  if (!period.empty()) {
    DialogField& shown = dialog.Add(TextField("period", "", period, 0));
    shown.kind = FieldKind::kReadOnly;
  }
  dialog.Add(ChoiceField("lines", "", lines, -1));
  dialog.buttons = {"OK", print_button};
  ui.RunDialog(dialog);
  return dialog.Pressed(print_button);
}

void Print(CustomerDesk& desk, const std::string& kind, const DrawDocument& draw) {
  std::optional<PrintTarget> target = RunPrintDialog(desk.ui(), desk.platform.raw_printer);
  if (target) PrintCopies(desk.platform, *target, kind, draw);
}

void DrawStatement(CustomerDesk& desk, PrintCanvas& canvas, DocumentPages& pages,
                   const CustomerRecord& c, const std::vector<std::string>& lines,
                   const std::string& date) {
  LetterPage page(canvas);
  if (pages.page > 1) {
    page.DrawLines(lines, kPageHeadLine, pages);
    return;
  }
  page.DrawLetterhead(desk.files(), desk.paths.folder, desk.settings);
  page.Centred(kStatementTitleLine, "STATEMENT");
  int line = kAddressLine;
  page.Left(line++, c.Get(cust::kName));
  for (const cust::Text& field : {cust::kRoad, cust::kArea, cust::kTown, cust::kPostcode}) {
    if (!c.Get(field).empty()) page.Left(line++, c.Get(field));
  }
  page.Right(kAddressLine, "Ref: " + date);
  ++line;
  page.Left(line++,
            StringPrintf("Customer ID: %lld", static_cast<long long>(c.Get(cust::kNumber))));
  page.Left(line++, "Terms: " + TermsText(desk.settings, c.Get(cust::kTerms)));
  page.DrawLines(lines, line + 1, pages);
}

void DrawActivity(PrintCanvas& canvas, DocumentPages& pages, const CustomerRecord& c,
                  const std::string& period, const std::vector<std::string>& lines) {
  LetterPage page(canvas);
  page.Left(kPageHeadLine,
            c.Get(cust::kName) + StringPrintf("   Activity Report  Page: %d", pages.page));
  page.Left(kPeriodLine, period);
  page.DrawLines(lines, kActivityFirstLine, pages);
}

std::optional<CustomerRecord> AskCustomer(CustomerDesk& desk) {
  if (!PromptForCustomer(desk.ui(), desk.files(), desk.settings, desk.customers, "Customer")) {
    return std::nullopt;
  }
  return desk.customers.customer();
}

}  // namespace

std::string StatementLine(const CustomerSale& sale) {
  const std::string day = DayText(sale.day);
  const auto transaction = static_cast<long long>(sale.transaction);
  const std::string total = FormatAmount(sale.grand_total);
  if (sale.payment_type == "Cash") {
    return StringPrintf("Cash paid sale: %s,  Transaction: %lld, Total: ", day.c_str(),
                        transaction) +
           total;
  }
  if (sale.payment_type.rfind("Payment", 0) == 0) {
    return StringPrintf("Payment: %s,  Transaction: %lld, ", day.c_str(), transaction) + total;
  }
  return StringPrintf("%s sale: %s,  Transaction: %lld, Total: ", sale.payment_type.c_str(),
                      day.c_str(), transaction) +
         total;
}

void ShowCustomerStatement(CustomerDesk& desk) {
  std::optional<CustomerRecord> customer = AskCustomer(desk);
  if (!customer) return;
  const LocalTime now = desk.Now();
  const std::vector<std::string> lines = ListedLines(
      desk, *customer, desk.settings.Get(cfg::kHistoryFrom), {now.day, now.month, now.year});
  if (!RunStatementDialog(desk.ui(), *customer, "", lines, "Print statement")) return;
  const std::string date = desk.platform.locale.FormatDate("MMM d yyyy", now);
  Print(desk, "statement", [&](PrintCanvas& canvas, DocumentPages& pages) {
    DrawStatement(desk, canvas, pages, *customer, lines, date);
  });
}

void ShowCustomerPeriodActivity(CustomerDesk& desk) {
  std::optional<CustomerRecord> customer = AskCustomer(desk);
  if (!customer) return;
  std::optional<Period> period =
      RunPeriodDialog(desk.ui(), desk.settings.Get(cfg::kHistoryFrom).year, desk.Now());
  if (!period) return;
  const std::vector<std::string> lines = ListedLines(desk, *customer, period->start, period->end);
  const std::string heading = PeriodText(*period);
  if (!RunStatementDialog(desk.ui(), *customer, heading, lines, "Print")) return;
  Print(desk, "activity", [&](PrintCanvas& canvas, DocumentPages& pages) {
    DrawActivity(canvas, pages, *customer, heading, lines);
  });
}

}  // namespace ventro
