#include "app/dispatch.h"

#include <algorithm>
#include <array>

#include "app/restrictions.h"
#include "app/sale_screen.h"
#include "app/simple_commands.h"
#include "app/ventro.h"
#include "operators/language_dialog.h"
#include "operators/operator_setup.h"
#include "operators/sign_on.h"
#include "operators/user_control.h"
#include "records/supplier_maintenance.h"
#include "sale/credit_tender.h"
#include "sale/tender.h"
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

template <int kId>
void Keypad(Ventro& v) {
  PressKeypad(v, kId);
}

// Commands whose handlers exist, by number.
constexpr std::array kHandlers = {
    CommandHandler{1000, [](Ventro& v) { v.host.Quit(); }},
    CommandHandler{1053, [](Ventro& v) { RunConfigurationSheet(v.ui(), v.Now(), v.settings); }},
    CommandHandler{1055, [](Ventro& v) { AmendSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{1058, [](Ventro& v) { RunNonInventorySettings(v.ui(), v.settings); }},
    CommandHandler{1061, ShowAbout},
    CommandHandler{1063, RunUserControl},
    CommandHandler{1071, [](Ventro& v) { DeleteSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{1098, OpenHelp},
    CommandHandler{2426, PayOnCustomerCredit},
    CommandHandler{2428, PayCard},
    CommandHandler{2430, Keypad<2430>},
    CommandHandler{2431, Keypad<2431>},
    CommandHandler{2432, Keypad<2432>},
    CommandHandler{2433, Keypad<2433>},
    CommandHandler{2434, Keypad<2434>},
    CommandHandler{2435, Keypad<2435>},
    CommandHandler{2436, Keypad<2436>},
    CommandHandler{2437, Keypad<2437>},
    CommandHandler{2438, Keypad<2438>},
    CommandHandler{2439, Keypad<2439>},
    CommandHandler{2440, Keypad<2440>},
    CommandHandler{2441, Keypad<2441>},
    CommandHandler{2457, [](Ventro& v) { SignOn(v); }},
    CommandHandler{2459, PayCash},
    CommandHandler{3001, PaySplit},
    CommandHandler{3006, ShowCalendar},
    CommandHandler{3010, RunPrinterFontSize},
    CommandHandler{3013, [](Ventro& v) { FindSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{3017, ToggleButtonTips},
    CommandHandler{3021, ToggleIndentListings},
    CommandHandler{3024, ToggleSoundEffects},
    CommandHandler{3025, RunOperatorSetup},
    CommandHandler{3027, [](Ventro& v) { RunTaxControl(v.ui(), v.settings); }},
    CommandHandler{3035, PayCheque},
    CommandHandler{3036, [](Ventro& v) { AddSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{3039, [](Ventro& v) { RunPrintHeading(v.ui(), v.settings); }},
    CommandHandler{3045, ShowTipOfTheDay},
    CommandHandler{3049, [](Ventro& v) { RunLanguageDialog(v.ui(), v.settings, v.labels); }},
};

const CommandHandler* FindHandler(int id) {
  auto it = std::find_if(kHandlers.begin(), kHandlers.end(),
                         [id](const CommandHandler& entry) { return entry.id == id; });
  return it == kHandlers.end() ? nullptr : &*it;
}

}  // namespace

bool IsCommandBuilt(int id) { return FindHandler(id) != nullptr; }

bool IsCommandEnabled(const Ventro& ventro, int id) {
  return IsCommandBuilt(id) && IsMenuEntryEnabled(ventro, id);
}

void DispatchCommand(Ventro& ventro, int id) {
  // A restricted clerk's refused command ends here without a word; only "Operator setup" says
  // who may use it.
  if (IsCommandRefused(ventro, id)) {
    if (id == kOperatorSetupCommand) {
      ventro.ui().Message("Restricted access", "Administrator or manager", Icon::kWarning);
    }
    return;
  }
  if (const CommandHandler* entry = FindHandler(id)) entry->handler(ventro);
}

}  // namespace ventro
