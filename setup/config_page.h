// A page of the "Configuration" sheet: a pair of functions, one adding the page's fields to
// the sheet's dialog and one copying them back into the settings record. The sheet runs every
// page's build in order, tags the fields and actions it adds with the page's name, and applies
// every page on OK and on its "Apply" button.
#pragma once

#include <functional>
#include <string>

#include "formats/settings_record.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/platform.h"
#include "platform/ui.h"

namespace ventro {

// What a page may need besides the record.
struct ConfigSheetContext {
  Ui& ui;
  LocalTime today;
  // The devices and services of the run (the till pages show where ports lead and preview the
  // pole display); null where a sheet runs without them, as in tests of other pages.
  Platform* platform = nullptr;
};

struct ConfigPage {
  std::string name;  // the page's tab caption; also DialogField::page of its fields
  // Adds the page's fields, filled from `settings`. Keys must be unique across all pages.
  std::function<void(const ConfigSheetContext&, const SettingsRecord&, Dialog&)> build;
  // Copies the page's fields into `settings`; a field whose check fails keeps the stored
  // value. Never closes or re-runs the sheet.
  std::function<void(const ConfigSheetContext&, const Dialog&, SettingsRecord&)> apply;
  // Optional: called for every field change and action button of the sheet other than
  // "Apply"; a page ignores keys that are not its own.
  std::function<void(const ConfigSheetContext&, Dialog&, const std::string& key, SettingsRecord&)>
      on_change;
};

}  // namespace ventro
