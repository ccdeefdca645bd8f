#include "suppliers/supplier_form.h"

#include <cstddef>
#include <string_view>

#include "base/format.h"

namespace ventro {
namespace {

// One text field of the form: key, label, form maximum and the record field.
struct FormTextField {
  const char* key;
  const char* label;
  size_t max_length;
  supp::Text field;
};

constexpr size_t kNumberLength = 20;  // a signed 64-bit number in decimal

const FormTextField kTextFields[] = {
    {"name", "Name", 40, supp::kName},
    {"road", "Road", 28, supp::kRoad},
    {"area", "Area", 28, supp::kArea},
    {"town", "Town", 28, supp::kTown},
    {"postcode", "Zip / Post", 8, supp::kPostcode},
    {"telephone", "Telephone 1", 18, supp::kTelephone},
    {"telephone_extension", "Ext", 18, supp::kTelephoneExtension},
    {"telephone2", "Telephone 2", 18, supp::kTelephone2},
    {"fax", "Fax", 18, supp::kFax},
    {"contact", "Contact", 58, supp::kContact},
    {"notes", "Notes", 198, supp::kNotes},
    {"comment", "Comment 1", 28, supp::kComment},
    {"origination", "Origination", 38, supp::kOrigination},
    {"credit_limit", "Credit limit", 38, supp::kCreditLimit},
    {"terms", "Terms", 38, supp::kTerms},
    {"comment2", "Comment 2", 38, supp::kComment2},
    {"email", "Email", 38, supp::kEmail},
};

Dialog BuildForm(const SupplierRecord& record, SupplierFormMode mode, const std::string& title) {
  Dialog dialog;
  dialog.name = "816";
  dialog.title = title;
  const bool view = mode == SupplierFormMode::kView;
  DialogField& number = dialog.Add(TextField(
      "number", "Number", StringPrintf("%lld", static_cast<long long>(record.Get(supp::kNumber))),
      kNumberLength));
  number.kind = view ? FieldKind::kReadOnly : FieldKind::kNumber;
  for (const FormTextField& form_field : kTextFields) {
    DialogField& field = dialog.Add(TextField(form_field.key, form_field.label,
                                              record.Get(form_field.field), form_field.max_length));
    if (view) field.kind = FieldKind::kReadOnly;
  }
  if (!view) dialog.focus = "name";  // the number is proposed; the name is typed first
  return dialog;
}

std::string Cut(const std::string& text, size_t max_length) {
  return text.size() > max_length ? text.substr(0, max_length) : text;
}

}  // namespace

bool RunSupplierForm(Ui& ui, SupplierRecord& record, SupplierFormMode mode,
                     const std::string& title) {
  Dialog dialog = BuildForm(record, mode, title);
  if (!ui.RunDialog(dialog)) return false;
  if (mode == SupplierFormMode::kView) return true;
  record.Set(supp::kNumber, AtoI64(dialog.Field("number").text));
  for (const FormTextField& form_field : kTextFields) {
    record.Set(form_field.field, Cut(dialog.Field(form_field.key).text, form_field.max_length));
  }
  return true;
}

}  // namespace ventro
