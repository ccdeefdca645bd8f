// The program's one top-level window: the menu bar built from the core's command table and,
// for now, the empty sale-screen frame. Every menu entry is forwarded to the core as its
// command number.
#pragma once

#include <functional>

#include <QMainWindow>

class QAction;
class QMenu;

namespace ventro {

// The window's size when it first appears.
inline constexpr QSize kMainWindowSize(1024, 746);

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `is_built` tells which commands have a handler (the others are greyed); `run` receives the
  // command number of a chosen entry. Both are asked again each time a menu opens.
  MainWindow(std::function<bool(int)> is_built, std::function<void(int)> run,
             QWidget* parent = nullptr);

  // Called when the user closes the window; the window closes in any case.
  void setCloseHandler(std::function<void()> handler) { close_handler_ = std::move(handler); }

  // The menu entry of command `id`, or nullptr.
  QAction* commandAction(int id) const;

  // Places the window at its start position for a desktop of `desktop` (centred across, at
  // the top), at its start size including the window frame, shows it and gives it the
  // keyboard focus.
  void showAtStart(QSize desktop);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildMenus();
  void updateMenu(QMenu* menu);
  void fitStartFrame();

  std::function<bool(int)> is_built_;
  std::function<void(int)> run_;
  std::function<void()> close_handler_;
  bool start_frame_pending_ = false;  // the start size still waits for the frame's size
};

}  // namespace ventro
