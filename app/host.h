// The window side of the program as the start-up sees it: the Qt program shows the splash and
// the sale screen; the script driver runs its script instead.
#pragma once

#include <string>

namespace ventro {

class Ventro;

class Host {
 public:
  virtual ~Host() = default;
  // Shows the splash window (2,000 ms) and then the main window, and runs until the program is
  // asked to end (Quit, or the main window closed). Commands reach the core through
  // DispatchCommand (app/dispatch.h).
  virtual void RunMessageLoop(Ventro& ventro) = 0;
  // Asks the message loop to end, as closing the main window does.
  virtual void Quit() = 0;
  // Sets the main window's title (Windows-1252).
  virtual void SetTitle(const std::string& title) = 0;
  // The sale screen's state (entry text, basket lines, totals, buttons) has changed and is to
  // be shown again.
  virtual void ScreenChanged() = 0;
};

}  // namespace ventro
