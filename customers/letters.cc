#include "customers/letters.h"

#include <optional>
#include <string>
#include <vector>

#include "base/format.h"
#include "customers/customer_lookup.h"
#include "customers/letter_page.h"
#include "records/terms.h"

namespace ventro {
namespace {

constexpr int kAddressGap = 12;
constexpr int kPostcodeGap = 4;
constexpr int kDateGap = 6;
constexpr int kParagraphGap = 2;
constexpr int kSignatureGap = 6;
constexpr int kDetailsFirstLine = 2;

std::optional<CustomerRecord> AskCustomer(CustomerDesk& desk) {
  if (!PromptForCustomer(desk.ui(), desk.files(), desk.settings, desk.customers,
                         "Please enter the customer")) {
    return std::nullopt;
  }
  return desk.customers.customer();
}

void Print(CustomerDesk& desk, const std::string& kind, const DrawDocument& draw) {
  std::optional<PrintTarget> target = RunPrintDialog(desk.ui(), desk.platform.raw_printer);
  if (target) PrintCopiesWithCancelBox(desk.platform, *target, kind, draw);
}

void DrawLetter(CustomerDesk& desk, PrintCanvas& canvas, DebtorLetter letter,
                const CustomerRecord& c, const std::string& date) {
  LetterPage page(canvas);
  int line = page.DrawLetterhead(desk.files(), desk.paths.folder, desk.settings) + kAddressGap;
  line = DrawAddressBlock(page, line, c.Get(cust::kName), c);
  page.Right(line, date);
  line += kDateGap;
  const bool final_notice = letter == DebtorLetter::kFinalNotice;
  if (final_notice) {
    page.Centred(line, "FINAL NOTICE");
    line += kParagraphGap;
  }
  page.Left(line, "Dear Sir / Madam,");
  page.Centred(
      line, StringPrintf("Customer reference: %lld", static_cast<long long>(c.Get(cust::kNumber))));
  line += kParagraphGap;
  const std::string owed = FormatAmount(c.Get(cust::kBalance));
  page.Left(line, final_notice ? "Despite our previous reminder(s) the following amount"
                               : "According to our records the following amount is");
  page.Left(++line, (final_notice ? "is still overdue: " : "now overdue: ") + owed);
  line += kParagraphGap;
  page.Left(line, final_notice ? "Please remit the amount by return."
                               : "Please remit at your earliest convenience. Thank you.");
  page.Left(++line, final_notice
                        ? "Please note that delay may incur further costs."
                        : "If payment has been made in the last few days please disregard this "
                          "letter.");
  line += kParagraphGap;
  page.Left(line, "Yours sincerely,");
  line += kSignatureGap;
  page.Left(line, "---------------------");
  page.Left(line + 1, "Manager");
}

// "hh:mm " and the date part of a stamp; any other text as it is.
std::string StampText(const std::string& stamp) {
  if (stamp.size() < 5 || stamp[2] != ':') return stamp;
  return stamp.substr(0, 5) + " " + stamp.substr(5);
}

std::vector<std::string> DetailLines(const SettingsRecord& settings, const CustomerRecord& c) {
  auto money = [&](const char* label, const cust::F64& field) {
    return std::string(label) + FormatAmount(c.Get(field));
  };
  return {
      StringPrintf("Customer: %lld", static_cast<long long>(c.Get(cust::kNumber))),
      c.Get(cust::kName),
      "Billing",
      c.Get(cust::kRoad),
      c.Get(cust::kArea),
      c.Get(cust::kTown),
      c.Get(cust::kPostcode),
      "Shipping",
      c.Get(cust::kShippingAddress1),
      c.Get(cust::kShippingAddress2),
      c.Get(cust::kShippingAddress3),
      c.Get(cust::kShippingAddress4),
      c.Get(cust::kShippingAddress5),
      "Tel. " + c.Get(cust::kTelephone) + " ext. " + c.Get(cust::kTelephoneExtension),
      "Email: " + c.Get(cust::kEmail),
      "Fax: " + c.Get(cust::kFax),
      "Contact: " + c.Get(cust::kContact),
      StringPrintf("Tax code: %lld", static_cast<long long>(c.Get(cust::kTax))),
      "Comment 1: " + c.Get(cust::kComment),
      "Comment 2: " + c.Get(cust::kComment2),
      "Credit card 1: " + c.Get(cust::kCreditCard) + "   Expiry: " + c.Get(cust::kCreditCardExpiry),
      "Credit card 2: " + c.Get(cust::kCreditCard2) +
          "   Expiry: " + c.Get(cust::kCreditCard2Expiry),
      StringPrintf("Transactions: %d", c.Get(cust::kTransactions)),
      "Origination: " + c.Get(cust::kOrigination),
      money("Credit limit: ", cust::kCreditLimit),
      money("Balance: ", cust::kBalance),
      money("Total purchases: ", cust::kTotalPurchases),
      StringPrintf("Group: %d", c.Get(cust::kGroup)),
      "Last used: " + StampText(c.Get(cust::kLastUsed)),
      "Last payment: " + StampText(c.Get(cust::kLastPayment)),
      "Terms: " + TermsText(settings, c.Get(cust::kTerms)),
  };
}

}  // namespace

int DrawAddressBlock(LetterPage& page, int line, const std::string& name_line,
                     const CustomerRecord& customer) {
  page.Left(line, name_line);
  for (const cust::Text& field : {cust::kRoad, cust::kArea, cust::kTown}) {
    if (!customer.Get(field).empty()) page.Left(++line, customer.Get(field));
  }
  const std::string postcode = customer.Get(cust::kPostcode);
  if (postcode.empty()) return line + 1;
  page.Left(++line, postcode);
  return line + kPostcodeGap;
}

void PrintDebtorLetter(CustomerDesk& desk, DebtorLetter letter) {
  std::optional<CustomerRecord> customer = AskCustomer(desk);
  if (!customer) return;
  if (customer->Get(cust::kBalance) <= 0) {
    desk.ui().Message("Problem", "No amount is outstanding", Icon::kWarning);
    return;
  }
  const std::string date = desk.platform.locale.FormatDate("MMM d yyyy", desk.Now());
  Print(desk, "letter", [&](PrintCanvas& canvas, DocumentPages&) {
    DrawLetter(desk, canvas, letter, *customer, date);
  });
}

void PrintDebtorLetter1(CustomerDesk& desk) { PrintDebtorLetter(desk, DebtorLetter::kReminder); }

void PrintDebtorLetter2(CustomerDesk& desk) { PrintDebtorLetter(desk, DebtorLetter::kFinalNotice); }

void PrintCustomerDetails(CustomerDesk& desk) {
  std::optional<CustomerRecord> customer = AskCustomer(desk);
  if (!customer) return;
  const std::vector<std::string> lines = DetailLines(desk.settings, *customer);
  Print(desk, "customer-details", [&](PrintCanvas& canvas, DocumentPages& pages) {
    LetterPage page(canvas);
    page.DrawLines(lines, kDetailsFirstLine, pages);
  });
}

}  // namespace ventro
