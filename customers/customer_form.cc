#include "customers/customer_form.h"

#include <string>
#include <vector>

#include "base/format.h"
#include "records/terms.h"

namespace ventro {
namespace {

struct FormTextField {
  const char* key;
  const char* label;
  size_t max_length;
  cust::Text field;
};

constexpr size_t kNumberLength = 20;
constexpr int32_t kTermsBands = 8;
constexpr int64_t kLowestGroup = 1;
constexpr int64_t kHighestGroup = 2000;

const FormTextField kTextFields[] = {
    {"name", "Name", 29, cust::kName},
    {"road", "Road", 29, cust::kRoad},
    {"area", "Area", 29, cust::kArea},
    {"town", "Town", 19, cust::kTown},
    {"postcode", "Zip / Post", 9, cust::kPostcode},
    {"telephone", "Telephone", 19, cust::kTelephone},
    {"telephone_extension", "Ext", 19, cust::kTelephoneExtension},
    {"telephone2", "Telephone 2", 19, cust::kTelephone2},
    {"fax", "Fax", 19, cust::kFax},
    {"email", "Email", 39, cust::kEmail},
    {"contact", "Contact", 29, cust::kContact},
    {"comment", "Comment", 29, cust::kComment},
    {"comment2", "Comment 2", 29, cust::kComment2},
    {"credit_card", "Credit card 1", 39, cust::kCreditCard},
    {"credit_card_expiry", "Expiry", 7, cust::kCreditCardExpiry},
    {"credit_card2", "Credit card 2", 29, cust::kCreditCard2},
    {"credit_card2_expiry", "Expiry 2", 9, cust::kCreditCard2Expiry},
    {"notes", "Notes", 79, cust::kNotes},
    {"shipping_address_1", "Shipping name", 55, cust::kShippingAddress1},
    {"shipping_address_2", "Shipping road", 29, cust::kShippingAddress2},
    {"shipping_address_3", "Shipping area", 29, cust::kShippingAddress3},
    {"shipping_address_4", "Shipping town", 29, cust::kShippingAddress4},
    {"shipping_address_5", "Shipping zip / post", 9, cust::kShippingAddress5},
};

std::string Cut(const std::string& text, size_t max_length) {
  return text.size() > max_length ? text.substr(0, max_length) : text;
}

DialogField NumberBox(std::string key, std::string label, std::string text) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), kNumberLength);
  field.kind = FieldKind::kNumber;
  return field;
}

}  // namespace

Dialog CustomerForm(const SettingsRecord& settings, const CustomerRecord& record,
                    CustomerFormMode mode) {
  const bool adding = mode == CustomerFormMode::kNew;
  Dialog form;
  form.name = "802";
  form.title = adding ? "NEW CUSTOMER" : "Amend customer";
  form.Add(NumberBox("number", "Number",
                     StringPrintf("%lld", static_cast<long long>(record.Get(cust::kNumber)))));
  for (const FormTextField& text : kTextFields) {
    form.Add(TextField(text.key, text.label, record.Get(text.field), text.max_length));
  }
  form.Add(ChoiceField("taxable", "Taxable", {"0", "1"}, record.Get(cust::kTax) == 0 ? 0 : 1));
  form.Add(NumberBox("group", "Category", StringPrintf("%d", record.Get(cust::kGroup))));
  std::vector<std::string> bands;
  for (int32_t band = 1; band <= kTermsBands; ++band) bands.push_back(TermsText(settings, band));
  const int32_t terms = record.Get(cust::kTerms);
  form.Add(ChoiceField("terms", "Terms", std::move(bands),
                       terms >= 1 && terms <= kTermsBands ? terms - 1 : 0));
  form.Add(NumberBox("transactions", "Transactions",
                     StringPrintf("%d", record.Get(cust::kTransactions))));
  form.Add(NumberBox("total_purchases", "Total purchases",
                     FormatAmount(record.Get(cust::kTotalPurchases))));
  form.Add(NumberBox("credit_limit", "Credit limit", FormatAmount(record.Get(cust::kCreditLimit))));
  if (adding) {
    form.Add(NumberBox("balance", "Balance", FormatAmount(record.Get(cust::kBalance))));
    form.buttons = {"OK", "Next", "Cancel"};
  } else {
    form.buttons = {"OK", "Cancel"};
  }
  form.focus = "name";
  return form;
}

CustomerFormValues ReadCustomerForm(const Dialog& form, CustomerFormMode mode,
                                    CustomerRecord& record) {
  CustomerFormValues values;
  values.number = AtoI64(form.Field("number").text);
  values.group = AtoI64(form.Field("group").text);
  for (const FormTextField& text : kTextFields) {
    record.Set(text.field, Cut(form.Field(text.key).text, text.max_length));
  }
  const int taxable = form.Field("taxable").choice;
  if (taxable == 0 || taxable == 1) record.Set(cust::kTax, taxable);
  if (values.group >= kLowestGroup && values.group <= kHighestGroup) {
    record.Set(cust::kGroup, static_cast<int32_t>(values.group));
  }
  const int band = form.Field("terms").choice;
  if (band >= 0 && band < kTermsBands) record.Set(cust::kTerms, band + 1);
  const int64_t transactions = AtoI64(form.Field("transactions").text);
  record.Set(cust::kTransactions, static_cast<int32_t>(transactions < 0           ? 0
                                                       : transactions > INT32_MAX ? INT32_MAX
                                                                                  : transactions));
  auto amount = [&](const char* key) {
    const double value = AtoF(form.Field(key).text);
    return IsSaneAmount(value) ? value : 0.0;
  };
  record.Set(cust::kTotalPurchases, amount("total_purchases"));
  record.Set(cust::kCreditLimit, amount("credit_limit"));
  if (mode == CustomerFormMode::kNew) record.Set(cust::kBalance, amount("balance"));
  return values;
}

}  // namespace ventro
