// Turns a command number into its handler.
#pragma once

#include "app/command_ids.h"

namespace ventro {

class Ventro;

// True when command `id` has a handler in this build; menu entries and buttons of the others
// are shown greyed.
bool IsCommandBuilt(int id);

// True when the menu entry of command `id` is to be shown enabled: the command is built and the
// clerk signed on is not kept from it (app/restrictions.h). Whole menus: IsTopMenuEnabled.
bool IsCommandEnabled(const Ventro& ventro, int id);

// Runs the handler of command `id` (from a menu entry, button or key); an unbuilt command does
// nothing. While a restricted clerk is signed on, the commands kept from them are refused
// silently, except "Operator setup", which says "Administrator or manager".
void DispatchCommand(Ventro& ventro, int id);

}  // namespace ventro
