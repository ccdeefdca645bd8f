// The program's one top-level window: the menu bar built from the core's command table over
// the sale screen. Every menu entry, button and key is forwarded to the core as its command
// number, and after each one the screen is drawn again from the core's state.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QMainWindow>

#include "qt/screen_view.h"

class QAction;
class QMenu;

namespace ventro {

class SaleScreen;

// The window's size when it first appears.
inline constexpr QSize kMainWindowSize(1024, 746);

// What the window asks of the program. The host connects each to the core; tests give fakes.
// Any may be left empty.
struct ScreenHooks {
  std::function<void(int)> run;         // a command from a menu entry or button
  std::function<void(int)> key;         // a command from a key of the key map (else `run`)
  std::function<bool(int)> is_enabled;  // a menu entry is enabled (asked as its menu opens)
  std::function<bool(int)> is_checked;  // a menu entry carries a check mark
  std::function<bool(std::string_view)> is_menu_enabled;  // a whole top-level menu
  std::function<bool(int)> is_built;  // a button's command can run (else it is greyed)
  std::function<void()> enter;        // Enter in the item entry box
  std::function<void(const std::string&)> entry_edited;  // the typed text, Windows-1252
  std::function<void(int)> line_selected;                // the basket line the user chose
  std::function<void(int)> quick_select_count_changed;   // room for this many buttons now
  std::function<ScreenView()> view;                      // the state to draw
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(ScreenHooks hooks, QWidget* parent = nullptr);

  // Called when the user closes the window; the window closes in any case.
  void setCloseHandler(std::function<void()> handler) { close_handler_ = std::move(handler); }

  // The menu entry of command `id`, or nullptr.
  QAction* commandAction(int id) const;
  SaleScreen* saleScreen() const { return screen_; }

  // Draws the core's state again: the screen, the greying of whole menus.
  void refresh();

  // Places the window at its start position for a desktop of `desktop` (centred across, at
  // the top), at its start size including the window frame, shows it and gives the item entry
  // box the keyboard focus.
  void showAtStart(QSize desktop);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildMenus();
  void updateMenu(QMenu* menu);
  void fitStartFrame();
  // Sends command `id` to the core (as a key's command when `from_key`), draws the result and
  // puts the focus back into the entry box.
  void runCommand(int id, bool from_key = false);

  ScreenHooks hooks_;
  SaleScreen* screen_;
  std::function<void()> close_handler_;
  bool start_frame_pending_ = false;  // the start size still waits for the frame's size
};

}  // namespace ventro
