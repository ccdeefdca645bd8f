// Turns a command number into its handler.
#pragma once

namespace ventro {

class Ventro;

// True when command `id` has a handler in this build; menu entries and buttons of the others
// are shown greyed.
bool IsCommandBuilt(int id);

// Runs the handler of command `id` (from a menu entry, button or key); an unbuilt command does
// nothing.
void DispatchCommand(Ventro& ventro, int id);

}  // namespace ventro
