// The main window as the flows reach it: its title, the sale screen shown again after a change,
// and the end of the run. The Qt program and the script driver implement it through their host.
#pragma once

#include <string>

namespace ventro {

class Window {
 public:
  virtual ~Window() = default;
  // Asks the message loop to end, as closing the main window does.
  virtual void Quit() = 0;
  // Sets the main window's title (Windows-1252).
  virtual void SetTitle(const std::string& title) = 0;
  // The sale screen's state (entry text, basket lines, totals, buttons) has changed and is to
  // be shown again.
  virtual void ScreenChanged() = 0;
};

}  // namespace ventro
