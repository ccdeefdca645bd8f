#include "app/dispatch.h"

#include <algorithm>
#include <array>

#include "app/restrictions.h"
#include "app/sale_screen.h"
#include "app/simple_commands.h"
#include "app/ventro.h"
#include "devices/drawer.h"
#include "operators/language_dialog.h"
#include "operators/operator_setup.h"
#include "operators/sign_on.h"
#include "operators/user_control.h"
#include "print/custom_receipt_dialog.h"
#include "print/receipt_printing.h"
#include "sale/basket_commands.h"
#include "sale/commit.h"
#include "sale/credit_tender.h"
#include "sale/item_entry.h"
#include "sale/non_inventory.h"
#include "sale/quick_select.h"
#include "sale/tender.h"
#include "setup/config_non_inventory.h"
#include "setup/config_print_heading.h"
#include "setup/config_sheet.h"
#include "setup/config_tax_control.h"
#include "suppliers/supplier_maintenance.h"

namespace ventro {
namespace {

using Handler = void (*)(Ventro&);

struct CommandHandler {
  int id;
  Handler handler;
};

// A sale flow run on the program's sale session.
template <void (*kFlow)(SaleSession&)>
void OnSale(Ventro& v) {
  kFlow(v.sale_session());
}

template <int kId>
void Keypad(Ventro& v) {
  PressKeypad(v, kId);
}

// Category buttons 2500 to 2518 (18: every category) and quick-select buttons 2700 to 2759.
template <int kCategory>
void QuickSelectCategory(Ventro& v) {
  ChooseQuickSelectCategory(v.sale_session(), kCategory);
}

template <int kSlot>
void QuickSelectButton(Ventro& v) {
  PressQuickSelect(v.sale_session(), kSlot);
}

// The drawer, then its line in the day text log; a drawer that could not be opened (its
// message was shown) is not logged as opened.
void OpenTillDrawerCommand(Ventro& v) {
  if (OpenTillDrawer(v.platform, v.settings)) LogTillOpened(v.sale_session());
}

// Commands whose handlers exist, by number.
constexpr std::array kHandlers = {
    CommandHandler{1000, [](Ventro& v) { v.host.Quit(); }},
    CommandHandler{1034, OnSale<AssociateCustomer>},
    CommandHandler{
        1053, [](Ventro& v) { RunConfigurationSheet(v.ui(), v.Now(), v.settings, &v.platform); }},
    CommandHandler{1055, [](Ventro& v) { AmendSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{1058, [](Ventro& v) { RunNonInventorySettings(v.ui(), v.settings); }},
    CommandHandler{1061, ShowAbout},
    CommandHandler{1063, [](Ventro& v) { RunUserControl(v.ui(), v.settings, v.host); }},
    CommandHandler{1071, [](Ventro& v) { DeleteSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{1081, OnSale<AddTransactionNote>},
    CommandHandler{1098, OpenHelp},
    CommandHandler{2408, OnSale<SellNonInventoryItem>},
    CommandHandler{2410, OpenTillDrawerCommand},
    CommandHandler{2413, OnSale<ToggleTradePrices>},
    CommandHandler{2415, OnSale<VoidSelectedLine>},
    CommandHandler{2417, OnSale<RepeatLastLine>},
    CommandHandler{2425, OnSale<ClearBasket>},
    CommandHandler{2426, OnSale<PayOnCustomerCredit>},
    CommandHandler{2428, OnSale<PayCard>},
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
    CommandHandler{2442, OnSale<EnterItem>},
    CommandHandler{2453,
                   [](Ventro& v) { PageQuickSelect(v.sale_session(), PageDirection::kBack); }},
    CommandHandler{2454, QuickSelectCategory<kAllCategoriesButton>},
    CommandHandler{2455, QuickSelectCategory<0>},
    CommandHandler{2456,
                   [](Ventro& v) { PageQuickSelect(v.sale_session(), PageDirection::kForward); }},
    CommandHandler{2457, [](Ventro& v) { SignOn(v.sale_session()); }},
    CommandHandler{2459, OnSale<PayCash>},
    CommandHandler{2466, [](Ventro& v) { PrintBasketToKitchen(v.printing(), v.sale); }},
    CommandHandler{2467, OnSale<ChooseBasket>},
    CommandHandler{2500, QuickSelectCategory<0>},
    CommandHandler{2501, QuickSelectCategory<1>},
    CommandHandler{2502, QuickSelectCategory<2>},
    CommandHandler{2503, QuickSelectCategory<3>},
    CommandHandler{2504, QuickSelectCategory<4>},
    CommandHandler{2505, QuickSelectCategory<5>},
    CommandHandler{2506, QuickSelectCategory<6>},
    CommandHandler{2507, QuickSelectCategory<7>},
    CommandHandler{2508, QuickSelectCategory<8>},
    CommandHandler{2509, QuickSelectCategory<9>},
    CommandHandler{2510, QuickSelectCategory<10>},
    CommandHandler{2511, QuickSelectCategory<11>},
    CommandHandler{2512, QuickSelectCategory<12>},
    CommandHandler{2513, QuickSelectCategory<13>},
    CommandHandler{2514, QuickSelectCategory<14>},
    CommandHandler{2515, QuickSelectCategory<15>},
    CommandHandler{2516, QuickSelectCategory<16>},
    CommandHandler{2517, QuickSelectCategory<17>},
    CommandHandler{2518, QuickSelectCategory<18>},
    CommandHandler{2700, QuickSelectButton<0>},
    CommandHandler{2701, QuickSelectButton<1>},
    CommandHandler{2702, QuickSelectButton<2>},
    CommandHandler{2703, QuickSelectButton<3>},
    CommandHandler{2704, QuickSelectButton<4>},
    CommandHandler{2705, QuickSelectButton<5>},
    CommandHandler{2706, QuickSelectButton<6>},
    CommandHandler{2707, QuickSelectButton<7>},
    CommandHandler{2708, QuickSelectButton<8>},
    CommandHandler{2709, QuickSelectButton<9>},
    CommandHandler{2710, QuickSelectButton<10>},
    CommandHandler{2711, QuickSelectButton<11>},
    CommandHandler{2712, QuickSelectButton<12>},
    CommandHandler{2713, QuickSelectButton<13>},
    CommandHandler{2714, QuickSelectButton<14>},
    CommandHandler{2715, QuickSelectButton<15>},
    CommandHandler{2716, QuickSelectButton<16>},
    CommandHandler{2717, QuickSelectButton<17>},
    CommandHandler{2718, QuickSelectButton<18>},
    CommandHandler{2719, QuickSelectButton<19>},
    CommandHandler{2720, QuickSelectButton<20>},
    CommandHandler{2721, QuickSelectButton<21>},
    CommandHandler{2722, QuickSelectButton<22>},
    CommandHandler{2723, QuickSelectButton<23>},
    CommandHandler{2724, QuickSelectButton<24>},
    CommandHandler{2725, QuickSelectButton<25>},
    CommandHandler{2726, QuickSelectButton<26>},
    CommandHandler{2727, QuickSelectButton<27>},
    CommandHandler{2728, QuickSelectButton<28>},
    CommandHandler{2729, QuickSelectButton<29>},
    CommandHandler{2730, QuickSelectButton<30>},
    CommandHandler{2731, QuickSelectButton<31>},
    CommandHandler{2732, QuickSelectButton<32>},
    CommandHandler{2733, QuickSelectButton<33>},
    CommandHandler{2734, QuickSelectButton<34>},
    CommandHandler{2735, QuickSelectButton<35>},
    CommandHandler{2736, QuickSelectButton<36>},
    CommandHandler{2737, QuickSelectButton<37>},
    CommandHandler{2738, QuickSelectButton<38>},
    CommandHandler{2739, QuickSelectButton<39>},
    CommandHandler{2740, QuickSelectButton<40>},
    CommandHandler{2741, QuickSelectButton<41>},
    CommandHandler{2742, QuickSelectButton<42>},
    CommandHandler{2743, QuickSelectButton<43>},
    CommandHandler{2744, QuickSelectButton<44>},
    CommandHandler{2745, QuickSelectButton<45>},
    CommandHandler{2746, QuickSelectButton<46>},
    CommandHandler{2747, QuickSelectButton<47>},
    CommandHandler{2748, QuickSelectButton<48>},
    CommandHandler{2749, QuickSelectButton<49>},
    CommandHandler{2750, QuickSelectButton<50>},
    CommandHandler{2751, QuickSelectButton<51>},
    CommandHandler{2752, QuickSelectButton<52>},
    CommandHandler{2753, QuickSelectButton<53>},
    CommandHandler{2754, QuickSelectButton<54>},
    CommandHandler{2755, QuickSelectButton<55>},
    CommandHandler{2756, QuickSelectButton<56>},
    CommandHandler{2757, QuickSelectButton<57>},
    CommandHandler{2758, QuickSelectButton<58>},
    CommandHandler{2759, QuickSelectButton<59>},
    // Shortcut panel buttons that stand for other commands.
    CommandHandler{2764, OnSale<PayCheque>},
    CommandHandler{2768, OnSale<AssociateCustomer>},
    CommandHandler{3001, OnSale<PaySplit>},
    CommandHandler{3006, ShowCalendar},
    CommandHandler{3010, RunPrinterFontSize},
    CommandHandler{3013, [](Ventro& v) { FindSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{3017, ToggleButtonTips},
    CommandHandler{3021, ToggleIndentListings},
    CommandHandler{3024, ToggleSoundEffects},
    CommandHandler{3025,
                   [](Ventro& v) { RunOperatorSetup(v.ui(), v.settings, v.screen.restricted); }},
    CommandHandler{3027, [](Ventro& v) { RunTaxControl(v.ui(), v.settings); }},
    CommandHandler{3035, OnSale<PayCheque>},
    CommandHandler{3036, [](Ventro& v) { AddSupplier(v.ui(), v.files(), v.suppliers); }},
    CommandHandler{3038,
                   [](Ventro& v) { RunCustomReceiptDialog(v.ui(), v.settings, v.platform.ports); }},
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
