#include "setup/config_fields.h"

#include "base/format.h"

namespace ventro {

std::string FieldText(const Dialog& dialog, const std::string& key) {
  const DialogField& field = dialog.Field(key);
  if (field.max_length == 0 || field.text.size() <= field.max_length) return field.text;
  return field.text.substr(0, field.max_length);
}

int FieldChoice(const Dialog& dialog, const std::string& key, int count) {
  const DialogField& field = dialog.Field(key);
  if (field.choice < 0 || field.choice >= count) return -1;
  if (static_cast<size_t>(field.choice) >= field.options.size()) return -1;
  return field.choice;
}

DialogField NumberField(std::string key, std::string label, std::string text, size_t max_length) {
  DialogField field = TextField(std::move(key), std::move(label), std::move(text), max_length);
  field.kind = FieldKind::kNumber;
  return field;
}

std::vector<std::string> NumberList(int first, int last) {
  std::vector<std::string> list;
  for (int n = first; n <= last; ++n) list.push_back(StringPrintf("%d", n));
  return list;
}

}  // namespace ventro
