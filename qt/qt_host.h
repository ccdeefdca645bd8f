// The window side of the program: the splash window, the main window and Qt's event loop.
#pragma once

#include <memory>
#include <string>

#include "app/host.h"
#include "platform/files.h"

namespace ventro {

class MainWindow;

class QtHost : public Host {
 public:
  // `program_folder` holds the splash picture "splash.bmp". A QApplication must exist.
  explicit QtHost(const Path& program_folder);
  ~QtHost() override;

  // Shows the splash window for 2,000 ms, then the main window, hands the closing of the
  // splash to the core (the sign-on), and runs the event loop until Quit or the main window is
  // closed. The window sends its commands, keys and edits to `ventro` meanwhile.
  void RunMessageLoop(Ventro& ventro) override;
  void Quit() override;
  void SetTitle(const std::string& title) override;
  void ScreenChanged() override;

  MainWindow* main_window() const { return main_window_.get(); }

 private:
  Path program_folder_;
  std::unique_ptr<MainWindow> main_window_;
  Ventro* ventro_ = nullptr;  // set while the loop runs
  bool quit_requested_ = false;
  int quick_select_count_ = 0;  // the layout's count, kept for the run until it starts
};

}  // namespace ventro
