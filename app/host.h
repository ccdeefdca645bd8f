// The window side of the program as the start-up sees it: the Qt program shows the splash and
// the sale screen; the script driver runs its script instead.
#pragma once

#include "platform/window.h"

namespace ventro {

class Ventro;

class Host : public Window {
 public:
  // Shows the splash window (2,000 ms) and then the main window, and runs until the program is
  // asked to end (Quit, or the main window closed). Commands reach the core through
  // DispatchCommand (app/dispatch.h).
  virtual void RunMessageLoop(Ventro& ventro) = 0;
};

}  // namespace ventro
