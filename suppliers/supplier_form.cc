#include "suppliers/supplier_form.h"

#include <cstddef>
#include <string_view>

#include "base/format.h"

namespace ventro {
namespace {

// One text field of the form: key, label, form maximum and the record accessors.
struct FormTextField {
  const char* key;
  const char* label;
  size_t max_length;
  std::string (SupplierRecord::*get)() const;
  void (SupplierRecord::*set)(std::string_view);
};

constexpr size_t kNumberLength = 20;  // a signed 64-bit number in decimal

const FormTextField kTextFields[] = {
    {"name", "Name", 40, &SupplierRecord::name, &SupplierRecord::set_name},
    {"road", "Road", 28, &SupplierRecord::road, &SupplierRecord::set_road},
    {"area", "Area", 28, &SupplierRecord::area, &SupplierRecord::set_area},
    {"town", "Town", 28, &SupplierRecord::town, &SupplierRecord::set_town},
    {"postcode", "Zip / Post", 8, &SupplierRecord::postcode, &SupplierRecord::set_postcode},
    {"telephone", "Telephone 1", 18, &SupplierRecord::telephone, &SupplierRecord::set_telephone},
    {"telephone_extension", "Ext", 18, &SupplierRecord::telephone_extension,
     &SupplierRecord::set_telephone_extension},
    {"telephone2", "Telephone 2", 18, &SupplierRecord::telephone2, &SupplierRecord::set_telephone2},
    {"fax", "Fax", 18, &SupplierRecord::fax, &SupplierRecord::set_fax},
    {"contact", "Contact", 58, &SupplierRecord::contact, &SupplierRecord::set_contact},
    {"notes", "Notes", 198, &SupplierRecord::notes, &SupplierRecord::set_notes},
    {"comment", "Comment 1", 28, &SupplierRecord::comment, &SupplierRecord::set_comment},
    {"origination", "Origination", 38, &SupplierRecord::origination,
     &SupplierRecord::set_origination},
    {"credit_limit", "Credit limit", 38, &SupplierRecord::credit_limit,
     &SupplierRecord::set_credit_limit},
    {"terms", "Terms", 38, &SupplierRecord::terms, &SupplierRecord::set_terms},
    {"comment2", "Comment 2", 38, &SupplierRecord::comment2, &SupplierRecord::set_comment2},
    {"email", "Email", 38, &SupplierRecord::email, &SupplierRecord::set_email},
};

Dialog BuildForm(const SupplierRecord& record, SupplierFormMode mode, const std::string& title) {
  Dialog dialog;
  dialog.name = "816";
  dialog.title = title;
  const bool view = mode == SupplierFormMode::kView;
  DialogField& number = dialog.Add(
      TextField("number", "Number", StringPrintf("%lld", static_cast<long long>(record.number())),
                kNumberLength));
  number.kind = view ? FieldKind::kReadOnly : FieldKind::kNumber;
  for (const FormTextField& form_field : kTextFields) {
    DialogField& field = dialog.Add(TextField(form_field.key, form_field.label,
                                              (record.*form_field.get)(), form_field.max_length));
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
  record.set_number(AtoI64(dialog.Field("number").text));
  for (const FormTextField& field : kTextFields) {
    (record.*field.set)(Cut(dialog.Field(field.key).text, field.max_length));
  }
  return true;
}

}  // namespace ventro
