#include "platform/dialog.h"

#include <algorithm>
#include <cstdlib>

namespace ventro {

DialogField& Dialog::Field(const std::string& key) {
  for (auto& field : fields) {
    if (field.key == key) return field;
  }
  std::abort();  // a dialog asked for a field it never added: a programming error
}

const DialogField& Dialog::Field(const std::string& key) const {
  return const_cast<Dialog*>(this)->Field(key);
}

bool Dialog::Greyed(const std::string& button) const {
  return std::find(greyed.begin(), greyed.end(), button) != greyed.end();
}

DialogField TextField(std::string key, std::string label, std::string text, size_t max_length) {
  DialogField field;
  field.key = std::move(key);
  field.label = std::move(label);
  field.text = std::move(text);
  field.max_length = max_length;
  return field;
}

DialogField CheckField(std::string key, std::string label, bool checked) {
  DialogField field;
  field.key = std::move(key);
  field.label = std::move(label);
  field.kind = FieldKind::kCheck;
  field.checked = checked;
  return field;
}

DialogField ChoiceField(std::string key, std::string label, std::vector<std::string> options,
                        int choice) {
  DialogField field;
  field.key = std::move(key);
  field.label = std::move(label);
  field.kind = FieldKind::kChoice;
  field.options = std::move(options);
  field.choice = choice;
  return field;
}

DialogField NoteField(std::string key, std::string text) {
  DialogField field;
  field.key = std::move(key);
  field.kind = FieldKind::kNote;
  field.text = std::move(text);
  return field;
}

}  // namespace ventro
