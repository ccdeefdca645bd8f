#include "setup/config_print_heading.h"

#include "setup/config_fields.h"

namespace ventro {
namespace {

// Field key and label of heading lines 1 to 6.
struct Line {
  const char* key;
  const char* label;
};
constexpr Line kLines[] = {{"site_name", "Site name"},
                           {"road", "Road"},
                           {"area", "Area"},
                           {"state", "State / County"},
                           {"postcode", "Zip / Postcode"},
                           {"telephone", "Telephone"}};

Dialog BuildDialog(const SettingsRecord& s) {
  Dialog d;
  d.name = "Print heading";
  d.title = "Print heading";
  int k = 1;
  for (const Line& line : kLines) {
    d.Add(TextField(line.key, line.label, s.Get(cfg::kHeadingLine, k++),
                    SettingsRecord::kHeadingLineMaxLength));
  }
  d.Add(NoteField("line_note", "Each line may contain 40 characters"));
  return d;
}

}  // namespace

void RunPrintHeading(Ui& ui, SettingsRecord& settings) {
  Dialog d = BuildDialog(settings);
  while (true) {
    if (!ui.RunDialog(d) || !d.Pressed("OK")) return;
    if (!FieldText(d, "site_name").empty()) break;
    ui.Message("Problem", "Site name may not be empty.", Icon::kWarning);
  }
  int k = 1;
  for (const Line& line : kLines) settings.Set(cfg::kHeadingLine, k++, FieldText(d, line.key));
}

}  // namespace ventro
