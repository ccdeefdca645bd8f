#include "operators/sign_on.h"

#include <cctype>

#include "base/format.h"
#include "platform/clock_text.h"
#include "platform/tell.h"
#include "sale/basket.h"
#include "sale/basket_commands.h"
#include "store/day_log.h"

namespace ventro {
namespace {

// The password field takes one character more than a stored password can hold, so that a
// mistyped ninth digit fails the check instead of being cut off into a match.
constexpr size_t kPasswordEntryLength = SettingsRecord::kClerkPasswordMaxLength + 1;
constexpr size_t kClerkEntryLength = 2;

// The clerk the dialog shows: a typed number outside 1 to 99 counts as clerk 1.
int ShownClerk(const Dialog& dialog) {
  int64_t clerk = AtoI64(dialog.Field("clerk").text);
  return clerk < kFirstClerk || clerk > kLastClerk ? kFirstClerk : static_cast<int>(clerk);
}

// Steps by `step` (+1 or -1) from `clerk`, wrapping between 1 and 99, to the next available
// clerk. Clerks 1 and 2 are always available, so the loop ends.
int StepClerk(const SettingsRecord& settings, int clerk, int step) {
  do {
    clerk += step;
    if (clerk < kFirstClerk) clerk = kLastClerk;
    if (clerk > kLastClerk) clerk = kFirstClerk;
  } while (!IsClerkAvailable(settings, clerk));
  return clerk;
}

void ShowClerk(Dialog& dialog, const SettingsRecord& settings, int clerk) {
  dialog.Field("clerk").text = std::to_string(clerk);
  dialog.Field("name").text = settings.Get(cfg::kClerkName, clerk);
}

std::string DigitsOnly(const std::string& text) {
  std::string digits;
  for (char c : text) {
    if (std::isdigit(static_cast<unsigned char>(c)) && digits.size() < kPasswordEntryLength) {
      digits += c;
    }
  }
  return digits;
}

// Up and Down step through the available clerks; the keypad edits the password; a typed clerk
// number shows that clerk's name (or none for a clerk who cannot sign on).
void OnLogOnChange(Dialog& dialog, const std::string& key, const SettingsRecord& settings) {
  std::string& password = dialog.Field("password").text;
  if (key == "Up") {
    ShowClerk(dialog, settings, StepClerk(settings, ShownClerk(dialog), -1));
  } else if (key == "Down") {
    ShowClerk(dialog, settings, StepClerk(settings, ShownClerk(dialog), +1));
  } else if (key == "clerk") {
    int64_t clerk = AtoI64(dialog.Field("clerk").text);
    bool valid = clerk >= kFirstClerk && clerk <= kLastClerk && IsClerkAvailable(settings, clerk);
    dialog.Field("name").text = valid ? settings.Get(cfg::kClerkName, static_cast<int>(clerk)) : "";
  } else if (key == "password") {
    password = DigitsOnly(password);
  } else if (key == "C") {
    password.clear();
  } else if (key == "CE") {
    if (!password.empty()) password.pop_back();
  } else if (key.size() == 1 && std::isdigit(static_cast<unsigned char>(key[0]))) {
    if (password.size() < kPasswordEntryLength) password += key;
  }
}

Dialog BuildLogOnDialog(const SettingsRecord& settings) {
  Dialog dialog;
  dialog.name = "pasbox";
  dialog.title = "Log on";
  DialogField clerk = TextField("clerk", "Clerk", "", kClerkEntryLength);
  clerk.kind = FieldKind::kNumber;
  dialog.Add(std::move(clerk));
  DialogField name = TextField("name", "Name", "", 0);
  name.kind = FieldKind::kReadOnly;
  dialog.Add(std::move(name));
  DialogField password = TextField("password", "Enter password", "", kPasswordEntryLength);
  password.kind = FieldKind::kPassword;
  dialog.Add(std::move(password));
  ShowClerk(dialog, settings, kFirstClerk);
  dialog.actions = {"Up", "Down", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "C", "CE"};
  dialog.buttons = {"OK", "Exit"};
  dialog.focus = "password";  // the first clerk is shown; most sign-ons type only a password
  dialog.on_change = [&settings](Dialog& d, const std::string& key) {
    OnLogOnChange(d, key, settings);
  };
  return dialog;
}

// A new clerk starts with an empty basket: ClearBasket empties the list (with its tone and the
// pole display's idle text), and a customer or note left on a basket without lines goes too.
void DiscardOpenSale(SaleSession& session) {
  ClearBasket(session);
  session.sale.basket = Basket{};
}

void CompleteSignOn(SaleSession& session, int64_t clerk) {
  SettingsRecord& settings = session.settings;
  settings.Set(cfg::kSignedOnClerk, clerk);
  session.screen.restricted = clerk > 2;
  DiscardOpenSale(session);

  LocalTime now = session.Now();
  std::string name = settings.Get(cfg::kClerkName, static_cast<int>(clerk));
  Tell(session.ui(), EnsureYearMonthFolders(session.files(), session.paths.folder, now));
  std::string lines =
      "\r\n" + DayLogStamp(now) + "  Log on.\r\n" +
      StringPrintf("Clerk: %lld, %s\r\n", static_cast<long long>(clerk), name.c_str());
  if (!AppendDayText(session.files(), session.paths.folder, now, lines)) {
    session.ui().Message("Problem", "Unable to open log file", Icon::kWarning);
  }
  SetScreenTitle(
      session.screen, session.window,
      StringPrintf("VENTRO    Assoc: %lld, %s", static_cast<long long>(clerk), name.c_str()));
  session.window.ScreenChanged();
}

}  // namespace

bool IsClerkAvailable(const SettingsRecord& settings, int64_t clerk) {
  if (clerk == 1 || clerk == 2) return true;
  return clerk > 2 && clerk <= kLastClerk &&
         settings.Get(cfg::kClerkAvailability, static_cast<int>(clerk)) == 0;
}

LogOnResult LogOn(SaleSession& session) {
  const SettingsRecord& settings = session.settings;
  Dialog dialog = BuildLogOnDialog(settings);
  bool closed = session.ui().RunDialog(dialog);
  if (dialog.Pressed("Exit")) return LogOnResult::kExit;
  if (!closed || !dialog.Pressed("OK")) return LogOnResult::kRefused;

  int64_t clerk = AtoI64(dialog.Field("clerk").text);
  // The clerk may have been typed rather than stepped to, so an unavailable one is refused
  // here as well.
  if (clerk < kFirstClerk || clerk > kLastClerk || !IsClerkAvailable(settings, clerk)) {
    return LogOnResult::kRefused;
  }
  std::string typed = dialog.Field("password").text.substr(0, kPasswordEntryLength);
  if (typed != settings.Get(cfg::kClerkPassword, static_cast<int>(clerk)))
    return LogOnResult::kRefused;

  CompleteSignOn(session, clerk);
  return LogOnResult::kSignedOn;
}

bool SignOn(SaleSession& session) {
  if (session.screen.entry_mode != kEntryModeNormal) return false;
  DiscardOpenSale(session);
  SetScreenTitle(session.screen, session.window, "VENTRO");
  session.window.ScreenChanged();
  for (;;) {
    switch (LogOn(session)) {
      case LogOnResult::kSignedOn:
        return true;
      case LogOnResult::kExit:
        session.window.Quit();
        return false;
      case LogOnResult::kRefused:
        break;
    }
  }
}

}  // namespace ventro
