#include "qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include "app/command_table.h"
#include "qt/sale_screen_frame.h"
#include "qt/text.h"

namespace ventro {

MainWindow::MainWindow(std::function<bool(int)> is_built, std::function<void(int)> run,
                       QWidget* parent)
    : QMainWindow(parent), is_built_(std::move(is_built)), run_(std::move(run)) {
  setWindowTitle(QStringLiteral("VENTRO"));
  setObjectName(QStringLiteral("VENTRO"));
  setCentralWidget(new SaleScreenFrame);
  buildMenus();
  resize(kMainWindowSize);
}

void MainWindow::buildMenus() {
  for (std::string_view title : MenuTitles()) {
    QMenu* menu = menuBar()->addMenu(ToQt(title));
    for (const MenuCommand& command : MenuCommands()) {
      if (command.menu != title) continue;
      // The key is a hint only: the keys themselves are read by the sale screen's entry box.
      QString text = ToQt(command.text);
      if (!command.key.empty()) text += u'\t' + ToQt(command.key);
      QAction* action = menu->addAction(text);
      action->setData(command.id);
      connect(action, &QAction::triggered, this, [this, id = command.id] {
        if (run_) run_(id);
      });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenu(menu); });
    updateMenu(menu);
  }
}

void MainWindow::updateMenu(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    action->setEnabled(is_built_ && is_built_(action->data().toInt()));
  }
}

QAction* MainWindow::commandAction(int id) const {
  for (QAction* top : menuBar()->actions()) {
    if (!top->menu()) continue;
    for (QAction* action : top->menu()->actions()) {
      if (!action->isSeparator() && action->data().toInt() == id) return action;
    }
  }
  return nullptr;
}

void MainWindow::showAtStart(QSize desktop) {
  resize(kMainWindowSize);
  move(desktop.width() / 2 - kMainWindowSize.width() / 2, 2);
  start_frame_pending_ = true;
  show();
  fitStartFrame();
  raise();
  activateWindow();
  centralWidget()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::fitStartFrame() {
  // The start size counts the title bar and borders. The window manager tells their size only
  // once the window is shown, sometimes later still, so this is tried again as it moves.
  if (!start_frame_pending_) return;
  QSize frame = frameGeometry().size() - geometry().size();
  if (frame.width() <= 0 && frame.height() <= 0) return;
  start_frame_pending_ = false;
  resize(kMainWindowSize - frame);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  fitStartFrame();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  fitStartFrame();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (close_handler_) close_handler_();
}

}  // namespace ventro
