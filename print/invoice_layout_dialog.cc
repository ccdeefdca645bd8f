#include "print/invoice_layout_dialog.h"

#include <array>

#include "base/format.h"
#include "print/invoice_texts.h"
#include "setup/config_fields.h"

namespace ventro {
namespace {

constexpr size_t kLineDigits = 2;

struct HeadingField {
  const char* key;
  const char* label;
};

// In the order of the store heading lines, element 0 to 5.
constexpr std::array kHeadingFields = {
    HeadingField{"store_name", "Store name"},    HeadingField{"store_address1", "Address 1"},
    HeadingField{"store_address2", "Address 2"}, HeadingField{"store_address3", "Address 3"},
    HeadingField{"store_address4", "Address 4"}, HeadingField{"store_telephone", "Telephone"},
};

}  // namespace

void RunInvoiceLayoutDialog(Ui& ui, SettingsRecord& settings) {
  Dialog d;
  d.name = "INVOICES";
  d.title = "Invoices";
  for (size_t k = 0; k < kHeadingFields.size(); ++k) {
    const int line = settings.Get(cfg::kCustomInvoiceLayout, static_cast<int>(k));
    d.Add(NumberField(kHeadingFields[k].key, kHeadingFields[k].label, StringPrintf("%d", line),
                      kLineDigits));
  }
  d.Add(NoteField("note", "The line of each heading on the custom invoice. A zero value omits."));
  d.buttons = {"OK", "Cancel"};
  if (!ui.RunDialog(d) || !d.Pressed("OK")) return;
  for (size_t k = 0; k < kHeadingFields.size(); ++k) {
    const std::string text = FieldText(d, kHeadingFields[k].key);
    if (text.empty() || text.find_first_not_of(" 0123456789") != std::string::npos) continue;
    const int64_t line = AtoI64(text);
    if (line < 0 || line > kMaxHeadingLine) continue;
    settings.Set(cfg::kCustomInvoiceLayout, static_cast<int>(k), static_cast<int32_t>(line));
  }
}

}  // namespace ventro
