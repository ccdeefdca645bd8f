#include "operators/language_dialog.h"

#include <string>
#include <vector>

#include "base/format.h"

namespace ventro {
namespace {

constexpr int kFirstLabel = 1;
constexpr int kLastReceiptLabel = 16;
constexpr int kLastLabel = 35;
constexpr size_t kLabelMax = LabelTable::kEntrySize - 1;

std::string DefaultKey(int k) { return StringPrintf("default%d", k); }
std::string LabelKey(int k) { return StringPrintf("label%d", k); }

std::vector<std::string> LanguageNames() {
  std::vector<std::string> names;
  for (int language = 0; language < kLanguageCount; ++language) {
    names.push_back(LabelTable::Defaults(language).Label(0));
  }
  return names;
}

// Puts the defaults of the language chosen in the dialog into both fields of every label:
// a new language starts from its own words, dropping the user's rewording.
void ShowDefaults(Dialog& dialog) {
  // With no language chosen there are no defaults to show; the fields keep the user's text.
  int choice = dialog.Field("language").choice;
  if (choice < 0 || choice >= kLanguageCount) return;
  LabelTable defaults = LabelTable::Defaults(dialog.Field("language").choice);
  for (int k = kFirstLabel; k <= kLastLabel; ++k) {
    dialog.Field(DefaultKey(k)).text = defaults.Label(k);
    dialog.Field(LabelKey(k)).text = defaults.Label(k);
  }
}

Dialog BuildDialog(const SettingsRecord& settings, const LabelTable& table) {
  Dialog dialog;
  dialog.name = "LBOX";
  dialog.title = "Language customization";
  int language = settings.Get(cfg::kLanguage);
  if (language < 0 || language >= kLanguageCount) language = -1;  // shown with none selected
  dialog.Add(ChoiceField("language", "Language", LanguageNames(), language));

  LabelTable defaults = LabelTable::Defaults(language);
  for (int k = kFirstLabel; k <= kLastLabel; ++k) {
    std::string group = k <= kLastReceiptLabel ? "Receipt" : "Invoice";
    DialogField shown =
        TextField(DefaultKey(k), StringPrintf("Default %d", k), defaults.Label(k), 0);
    shown.kind = FieldKind::kReadOnly;
    shown.group = group;
    dialog.Add(std::move(shown));
    DialogField edit =
        TextField(LabelKey(k), StringPrintf("Label %d", k), table.Label(k), kLabelMax);
    edit.group = group;
    dialog.Add(std::move(edit));
  }
  dialog.Add(NoteField("note",
                       "The text on receipts and invoices may be specified. Some fields appear "
                       "only on the custom versions. Note that if the language is changed any "
                       "existing customizations are lost."));
  dialog.actions = {"Reset"};
  dialog.on_change = [](Dialog& d, const std::string& key) {
    if (key == "language" || key == "Reset") ShowDefaults(d);
  };
  return dialog;
}

}  // namespace

void RunLanguageDialog(Ui& ui, SettingsRecord& settings, LabelTable& table) {
  Dialog dialog = BuildDialog(settings, table);
  if (!ui.RunDialog(dialog) || !dialog.Pressed("OK")) return;

  int language = dialog.Field("language").choice;
  // A list left without a selection keeps the stored choice rather than storing -1.
  if (language >= 0 && language < kLanguageCount) settings.Set(cfg::kLanguage, language);
  for (int k = kFirstLabel; k <= kLastLabel; ++k) {
    table.SetLabel(k, dialog.Field(LabelKey(k)).text);  // cut to 79 characters
  }
}

}  // namespace ventro
