#include "inventory/bundle_form.h"

#include <vector>

#include "base/format.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr size_t kTextWidth = 38;
constexpr size_t kNotesWidth = 78;
constexpr size_t kComponentWidth = 18;
constexpr int kMaxComponentQuantity = 50;

std::string Number(int64_t value) { return StringPrintf("%lld", static_cast<long long>(value)); }

std::vector<std::string> CategoryLabels(const SettingsRecord& settings) {
  std::vector<std::string> labels;
  for (int c = 0; c < SettingsRecord::kCategoryCount; ++c) {
    labels.push_back(settings.CategoryCode(c));
  }
  return labels;
}

// The date a "DD/MM/YYYY" text holds when the date picker could show it.
bool ParseDate(const std::string& text, int& day, int& month, int& year) {
  if (text.size() <= 8) return false;
  day = static_cast<int>(AtoI64(text.substr(0, 2)));
  month = static_cast<int>(AtoI64(text.substr(3, 2)));
  year = static_cast<int>(AtoI64(text.substr(6)));
  return day >= 1 && day <= 31 && month >= 1 && month <= 12 && year > 1980 && year <= 9999;
}

int StoredQuantity(const InventoryRecord& bundle, int row) {
  const int32_t quantity = bundle.Get(inv::kComponentQuantity, row);
  return quantity >= 1 && quantity <= kMaxComponentQuantity ? quantity : 1;
}

void AddBundleFields(Dialog& form, const InventoryRecord& bundle, const SettingsRecord& settings) {
  form.Add(NumberField("number", "Number", Number(bundle.Get(inv::kNumber)), 18));
  form.Add(TextField("description", "Description", bundle.Get(inv::kDescription), kTextWidth));
  form.Add(TextField("sku1", "SKU 1", bundle.Get(inv::kSku1), kTextWidth));
  form.Add(TextField("sku2", "SKU 2", bundle.Get(inv::kSku2), kTextWidth));
  form.Add(TextField("sku3", "SKU 3", bundle.Get(inv::kSku3), kTextWidth));
  form.Add(TextField("sku4", "SKU 4", bundle.Get(inv::kSku4), kTextWidth));
  form.Add(TextField("date_added", "Date added", bundle.Get(inv::kDateAdded), 10));
  form.Add(TextField("delivery", "Delivery", FormatAmount(bundle.Get(inv::kDelivery)), 12));
  form.Add(TextField("weight", "Weight", FormatAmount(bundle.Get(inv::kWeight)), 12));
  const int32_t category = bundle.Get(inv::kDisplayCategory);
  form.Add(ChoiceField("category", "Display category", CategoryLabels(settings),
                       category >= 0 && category < SettingsRecord::kCategoryCount ? category : -1));
  form.Add(TextField("notes", "Notes", bundle.Get(inv::kNotes), kNotesWidth));
  const std::vector<std::string> quantities = NumberList(1, kMaxComponentQuantity);
  for (int row = 1; row <= InventoryRecord::kComponents; ++row) {
    const std::string group = StringPrintf("Item %d", row);
    DialogField number = TextField(RowKey("item", row), "Number", bundle.Component(row), 0);
    number.kind = FieldKind::kReadOnly;
    number.group = group;
    form.Add(std::move(number));
    DialogField description = TextField(RowKey("description", row), "Description", "", 0);
    description.kind = FieldKind::kReadOnly;
    description.group = group;
    form.Add(std::move(description));
    form.Add(ChoiceField(RowKey("quantity", row), "Quantity", quantities,
                         StoredQuantity(bundle, row) - 1))
        .group = group;
    form.Add(CheckField(
                 RowKey("free", row), "Free",
                 bundle.Get(inv::kComponentPriceMode, row) == InventoryRecord::kComponentFree))
        .group = group;
  }
}

}  // namespace

std::string RowKey(const char* name, int row) { return name + std::to_string(row); }

Dialog BundleForm(const InventoryRecord& bundle, const SettingsRecord& settings,
                  BundleFormMode mode) {
  Dialog form;
  form.name = "BUNDLE";
  form.title = mode == BundleFormMode::kNew ? "Add inventory bundle" : "Amend bundle";
  AddBundleFields(form, bundle, settings);
  if (mode == BundleFormMode::kAmend) form.Field("number").kind = FieldKind::kReadOnly;
  for (int row = 1; row <= InventoryRecord::kComponents; ++row) {
    form.actions.push_back(RowKey("Select", row));
    form.actions.push_back(RowKey("Remove", row));
  }
  form.focus = mode == BundleFormMode::kNew ? "number" : "description";
  return form;
}

void ReadBundleForm(const Dialog& form, InventoryRecord& bundle) {
  bundle.Set(inv::kNumber, AtoI64(FieldText(form, "number")));
  bundle.Set(inv::kDescription, FieldText(form, "description"));
  for (const auto& [key, field] : {std::pair{"sku1", inv::kSku1}, std::pair{"sku2", inv::kSku2},
                                   std::pair{"sku3", inv::kSku3}, std::pair{"sku4", inv::kSku4}}) {
    bundle.Set(field, FieldText(form, key));
  }
  bundle.Set(inv::kNotes, FieldText(form, "notes"));
  bundle.Set(inv::kDelivery, AtoF(FieldText(form, "delivery")));
  bundle.Set(inv::kWeight, AtoF(FieldText(form, "weight")));
  const int category = FieldChoice(form, "category", SettingsRecord::kCategoryCount);
  if (category >= 0) bundle.Set(inv::kDisplayCategory, category);
  int day = 0, month = 0, year = 0;
  if (ParseDate(FieldText(form, "date_added"), day, month, year)) {
    bundle.Set(inv::kDateAdded, StringPrintf("%02d/%02d/%d", day, month, year));
  }
  for (int row = 1; row <= InventoryRecord::kComponents; ++row) {
    std::string number = form.Field(RowKey("item", row)).text;
    if (number.size() > kComponentWidth) number.resize(kComponentWidth);
    bundle.SetComponent(row, number);
    bundle.Set(inv::kComponentPriceMode, row,
               form.Field(RowKey("free", row)).checked ? InventoryRecord::kComponentFree : 0);
    const int position = FieldChoice(form, RowKey("quantity", row), kMaxComponentQuantity);
    bundle.Set(inv::kComponentQuantity, row, position < 0 ? 1 : position + 1);
  }
}

void SetComponentRow(Dialog& form, int row, const std::string& number,
                     const std::string& description) {
  form.Field(RowKey("item", row)).text = number;
  form.Field(RowKey("description", row)).text = description;
}

Dialog BundleView(const InventoryRecord& bundle, const SettingsRecord& settings) {
  Dialog view;
  view.name = "BUNDLE1";
  view.title = "Inventory bundle";
  AddBundleFields(view, bundle, settings);
  for (DialogField& field : view.fields) field.enabled = false;
  view.buttons = {"OK"};
  return view;
}

}  // namespace ventro
