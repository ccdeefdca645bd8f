#include "app/sale_screen.h"

#include "app/dispatch.h"
#include "app/simple_commands.h"
#include "app/ventro.h"
#include "operators/sign_on.h"

namespace ventro {

bool IsKeypadCommand(int id) { return id >= kKeypadZero && id <= kKeypadClearLast; }

void PressKeypad(Ventro& ventro, int id) {
  SaleScreen& screen = ventro.screen;
  if (!IsKeypadCommand(id) || screen.entry_mode == kEntryModeDiscount) return;
  if (id == kKeypadClearAll) {
    screen.entry_text.clear();
  } else if (id == kKeypadClearLast) {
    if (!screen.entry_text.empty()) screen.entry_text.pop_back();
  } else {
    screen.entry_text += static_cast<char>('0' + (id - kKeypadZero));
  }
  ventro.host.ScreenChanged();
}

void PressShortcutKey(Ventro& ventro, int id) {
  if (ventro.screen.entry_mode == kEntryModeDiscount) return;
  ventro.screen.last_key_command = id;
  DispatchCommand(ventro, id);
}

void OnSplashClosed(Ventro& ventro) {
  if (!SignOn(ventro.sale_session())) return;  // the user ended the program from the log-on dialog
  if (ventro.settings.Get(cfg::kTipsOff) == 0) ShowTipOfTheDay(ventro);
}

}  // namespace ventro
