#include "setup/config_sheet.h"

#include <vector>

#include "setup/config_general_page.h"
#include "setup/config_page.h"
#include "setup/config_pole_page.h"
#include "setup/config_receipts_page.h"
#include "setup/config_terms_page.h"
#include "setup/config_till_page.h"

namespace ventro {
namespace {

// The pages in the order the sheet shows them; the sheet opens on the first.
std::vector<ConfigPage> SheetPages() {
  return {
      GeneralConfigPage(), TermsConfigPage(), ReceiptsConfigPage(),
      TillConfigPage(),    PoleConfigPage(),
  };
}

void ApplyPages(const std::vector<ConfigPage>& pages, const ConfigSheetContext& context,
                const Dialog& dialog, SettingsRecord& settings) {
  for (const ConfigPage& page : pages) page.apply(context, dialog, settings);
}

}  // namespace

void RunConfigurationSheet(Ui& ui, const LocalTime& today, SettingsRecord& settings,
                           Platform* platform) {
  const ConfigSheetContext context{ui, today, platform};
  const std::vector<ConfigPage> pages = SheetPages();

  Dialog dialog;
  dialog.name = "Configuration";
  dialog.title = "Configuration";
  dialog.actions = {"Apply"};
  for (const ConfigPage& page : pages) {
    size_t first = dialog.fields.size();
    size_t first_action = dialog.actions.size();
    page.build(context, settings, dialog);
    for (size_t i = first; i < dialog.fields.size(); ++i) dialog.fields[i].page = page.name;
    // A page's own actions (the pole page's "Preview") are shown on that page only.
    for (size_t i = first_action; i < dialog.actions.size(); ++i) {
      dialog.action_pages[dialog.actions[i]] = page.name;
    }
  }
  dialog.on_change = [&](Dialog& d, const std::string& key) {
    if (key == "Apply") {
      ApplyPages(pages, context, d, settings);
      return;
    }
    for (const ConfigPage& page : pages) {
      if (page.on_change) page.on_change(context, d, key, settings);
    }
  };

  if (ui.RunDialog(dialog) && dialog.Pressed("OK")) ApplyPages(pages, context, dialog, settings);
}

}  // namespace ventro
