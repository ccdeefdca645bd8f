#include "app/dispatch.h"

#include <algorithm>
#include <array>

#include "app/ventro.h"
#include "operators/language_dialog.h"
#include "records/supplier_maintenance.h"
#include "store/config_non_inventory.h"
#include "store/config_print_heading.h"
#include "store/config_sheet.h"
#include "store/config_tax_control.h"

namespace ventro {
namespace {

using Handler = void (*)(Ventro&);

struct CommandHandler {
  int id;
  Handler handler;
};

// Commands whose handlers exist, by number.
constexpr std::array kHandlers = {
    CommandHandler{1000, [](Ventro& v) { v.host.Quit(); }},
    CommandHandler{1053, [](Ventro& v) { RunConfigurationSheet(v.ui(), v.Now(), v.settings); }},
    CommandHandler{1055, [](Ventro& v) { AmendSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{1058, [](Ventro& v) { RunNonInventorySettings(v.ui(), v.settings); }},
    CommandHandler{1071, [](Ventro& v) { DeleteSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{3013, [](Ventro& v) { FindSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{3027, [](Ventro& v) { RunTaxControl(v.ui(), v.settings); }},
    CommandHandler{3036, [](Ventro& v) { AddSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{3039, [](Ventro& v) { RunPrintHeading(v.ui(), v.settings); }},
    CommandHandler{3049, [](Ventro& v) { RunLanguageDialog(v.ui(), v.settings, v.labels); }},
};

const CommandHandler* FindHandler(int id) {
  auto it = std::find_if(kHandlers.begin(), kHandlers.end(),
                         [id](const CommandHandler& entry) { return entry.id == id; });
  return it == kHandlers.end() ? nullptr : &*it;
}

}  // namespace

bool IsCommandBuilt(int id) { return FindHandler(id) != nullptr; }

void DispatchCommand(Ventro& ventro, int id) {
  if (const CommandHandler* entry = FindHandler(id)) entry->handler(ventro);
}

}  // namespace ventro
