// Signing a clerk on: the log-on dialog "pasbox", the password check, and the sign-on command
// that repeats the log-on until a clerk is signed on.
#pragma once

#include <string>

#include "formats/settings_record.h"
#include "sale/sale_session.h"

namespace ventro {

inline constexpr int kFirstClerk = 1;
inline constexpr int kLastClerk = 99;

enum class LogOnResult {
  kSignedOn,  // the clerk is signed on
  kRefused,   // closed without OK, no such clerk, or a wrong password: ask again
  kExit,      // the user chose to end the program
};

// True for clerks 1 and 2, who are never restricted and always available, and for any other
// clerk from 3 to 99 whose availability is 0.
bool IsClerkAvailable(const SettingsRecord& settings, int64_t clerk);

// Shows the log-on dialog once, starting at clerk 1 with an empty password, and checks the
// answer. On success the clerk is signed on: the signed-on clerk and the restricted flag are
// set, the open basket is cleared, "Log on." and the clerk line go to the day text log
// ("Unable to open log file" titled "Problem" when it cannot be written) and the window title
// names the clerk. A wrong password is refused without a message.
LogOnResult LogOn(SaleSession& session);

// Command 2457: unless a sale step or the discount dialog is running, empties the basket, sets
// the title to "VENTRO" and shows the log-on dialog until a clerk signs on. When the user
// chooses Exit in it, the window is asked to end the run. True when a clerk signed on.
bool SignOn(SaleSession& session);

}  // namespace ventro
