// What a restricted clerk (any clerk but 1 and 2) may not do: the commands the dispatch refuses
// and the menu entries and whole menus shown greyed. The administrator sets the flags in the
// "PASSWORD CONTROL" dialog; they have no effect while an unrestricted clerk is signed on.
#pragma once

#include <string_view>

#include "app/command_ids.h"

namespace ventro {

class Ventro;

// The command that is refused with a message rather than silently.
inline constexpr int kOperatorSetupCommand = ToInt(Command::kOperatorSetup);

// True when command `id` is refused while the current clerk is restricted. The dispatch then
// returns without running it; only "Operator setup" tells the user why.
bool IsCommandRefused(const Ventro& ventro, int id);

// False when the menu entry of command `id` is to be shown greyed for the current clerk
// (whether or not the command is built: see IsCommandEnabled in app/dispatch.h).
bool IsMenuEntryEnabled(const Ventro& ventro, int id);

// False when the whole top-level menu `title` ("Reports", "Activity") is to be greyed for the
// current clerk.
bool IsTopMenuEnabled(const Ventro& ventro, std::string_view title);

}  // namespace ventro
