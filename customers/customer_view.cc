#include "customers/customer_view.h"

#include <optional>

#include "base/cp1252.h"
#include "base/format.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "records/terms.h"

namespace ventro {
namespace {

constexpr char kMapAddress[] = "https://www.bing.com/maps?where1=";

DialogField Shown(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), 0);
  field.kind = FieldKind::kReadOnly;
  return field;
}

Dialog CustomerView(CustomerDesk& desk, const CustomerRecord& c) {
  Locale& locale = desk.platform.locale;
  const LocalTime now = desk.Now();
  Dialog view;
  view.name = "803";
  view.title = "CUSTOMER";
  view.Add(Shown("number", "Number",
                 StringPrintf("%lld", static_cast<long long>(c.Get(cust::kNumber)))));
  const std::pair<const char*, cust::Text> texts[] = {
      {"name", cust::kName},
      {"road", cust::kRoad},
      {"area", cust::kArea},
      {"town", cust::kTown},
      {"postcode", cust::kPostcode},
      {"telephone", cust::kTelephone},
      {"telephone_extension", cust::kTelephoneExtension},
      {"telephone2", cust::kTelephone2},
      {"fax", cust::kFax},
      {"email", cust::kEmail},
      {"contact", cust::kContact},
      {"comment", cust::kComment},
      {"comment2", cust::kComment2},
      {"credit_card", cust::kCreditCard},
      {"credit_card_expiry", cust::kCreditCardExpiry},
      {"credit_card2", cust::kCreditCard2},
      {"credit_card2_expiry", cust::kCreditCard2Expiry},
      {"notes", cust::kNotes},
      {"shipping_address_1", cust::kShippingAddress1},
      {"shipping_address_2", cust::kShippingAddress2},
      {"shipping_address_3", cust::kShippingAddress3},
      {"shipping_address_4", cust::kShippingAddress4},
      {"shipping_address_5", cust::kShippingAddress5},
      {"name_prefix1", cust::kNamePrefix1},
      {"name_prefix2", cust::kNamePrefix2},
      {"origination", cust::kOrigination},
  };
  for (const auto& [key, field] : texts) view.Add(Shown(key, key, c.Get(field)));
  view.Add(Shown("group", "Category", StringPrintf("%d", c.Get(cust::kGroup))));
  view.Add(
      Shown("tax", "Taxable", StringPrintf("%lld", static_cast<long long>(c.Get(cust::kTax)))));
  view.Add(Shown("terms", "Terms", TermsText(desk.settings, c.Get(cust::kTerms))));
  view.Add(Shown("transactions", "Transactions", StringPrintf("%d", c.Get(cust::kTransactions))));
  view.Add(Shown("total_purchases", "Total purchases", FormatAmount(c.Get(cust::kTotalPurchases))));
  view.Add(Shown("credit_limit", "Credit limit", FormatAmount(c.Get(cust::kCreditLimit))));
  view.Add(Shown("balance", "Balance", FormatAmount(c.Get(cust::kBalance))));
  view.Add(Shown("last_used", "Last used", ShownStamp(locale, c.Get(cust::kLastUsed), now)));
  view.Add(
      Shown("last_payment", "Last payment", ShownStamp(locale, c.Get(cust::kLastPayment), now)));
  view.buttons = {"OK", "Next", "Map"};
  return view;
}

}  // namespace

std::string ShownStamp(Locale& locale, const std::string& stamp, const LocalTime& now) {
  std::optional<std::string> date;
  if (stamp.size() >= 15) date = DateOrderConversion(locale, stamp, now);
  if (!date) return stamp;
  return stamp.substr(0, 5) + " " + *date;
}

std::string CustomerMapLink(const CustomerRecord& customer) {
  std::string where = PercentEncoded(customer.Get(cust::kRoad));
  for (const cust::Text& part : {cust::kArea, cust::kTown, cust::kPostcode}) {
    const std::string text = customer.Get(part);
    if (!text.empty()) where += "," + PercentEncoded(text);
  }
  return kMapAddress + where;
}

void ShowCustomerView(CustomerDesk& desk, int64_t position) {
  MasterFile& customers = desk.customers;
  if (!Tell(desk.ui(), customers.Read(desk.files(), position))) return;
  for (;;) {
    const CustomerRecord shown = customers.customer();
    Dialog view = CustomerView(desk, shown);
    if (!desk.ui().RunDialog(view)) return;
    if (view.Pressed("Map")) {
      desk.platform.shell.Open(CustomerMapLink(shown));
      continue;
    }
    if (!view.Pressed("Next")) return;
    // The next higher number; the view closes after the highest.
    const int64_t number = shown.Get(cust::kNumber);
    std::optional<int64_t> next;
    for (const IndexEntry& entry : customers.index().entries()) {
      if (entry.number > number) {
        next = entry.position;
        break;
      }
    }
    if (!next || !Tell(desk.ui(), customers.Read(desk.files(), *next))) return;
  }
}

}  // namespace ventro
