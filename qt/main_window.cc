#include "qt/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

#include "app/command_table.h"
#include "app/screen_layout.h"
#include "qt/dialog_view.h"
#include "qt/entry_box.h"
#include "qt/sale_screen.h"
#include "qt/text.h"

namespace ventro {

MainWindow::MainWindow(ScreenHooks hooks, QWidget* parent)
    : QMainWindow(parent), hooks_(std::move(hooks)) {
  setWindowTitle(QStringLiteral("VENTRO"));
  setObjectName(QStringLiteral("VENTRO"));
  SaleScreen::Handlers handlers;
  handlers.command = [this](int id) { runCommand(id); };
  handlers.key_command = [this](int id) { runCommand(id, true); };
  handlers.enter = [this] {
    if (DialogView* open = DialogView::keypadFedOpen()) {
      open->refocus();
      return;
    }
    if (hooks_.enter) hooks_.enter();
    refresh();
  };
  handlers.entry_edited = [this](const QString& text) {
    if (DialogView* open = DialogView::keypadFedOpen()) {
      open->refocus();
      refresh();  // the entry box shows the core's text again
      return;
    }
    if (hooks_.entry_edited) hooks_.entry_edited(ToCore(text));
  };
  handlers.line_selected = [this](int row) {
    if (DialogView* open = DialogView::keypadFedOpen()) {
      open->refocus();
      refresh();  // the basket's own selection stays
      return;
    }
    if (hooks_.line_selected) hooks_.line_selected(row);
  };
  handlers.quick_select_count_changed = [this](int count) {
    if (!hooks_.quick_select_count_changed) return;
    hooks_.quick_select_count_changed(count);
    refresh();
  };
  screen_ = new SaleScreen(std::move(handlers));
  setCentralWidget(screen_);
  screen_->setEnabledBy(hooks_.is_built);
  buildMenus();
  resize(kMainWindowSize);
  refresh();
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
      connect(action, &QAction::triggered, this, [this, id = command.id] { runCommand(id); });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { updateMenu(menu); });
    updateMenu(menu);
  }
}

void MainWindow::updateMenu(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    const int id = action->data().toInt();
    action->setEnabled(hooks_.is_enabled && hooks_.is_enabled(id));
    // Only a checked entry is checkable, so an unchecked one shows no empty box.
    const bool checked = hooks_.is_checked && hooks_.is_checked(id);
    action->setCheckable(checked);
    action->setChecked(checked);
  }
}

void MainWindow::refresh() {
  if (hooks_.view) screen_->refresh(hooks_.view());
  const QList<QAction*> menus = menuBar()->actions();
  for (size_t i = 0; i < MenuTitles().size() && i < static_cast<size_t>(menus.size()); ++i) {
    const bool enabled = !hooks_.is_menu_enabled || hooks_.is_menu_enabled(MenuTitles()[i]);
    menus[static_cast<qsizetype>(i)]->setEnabled(enabled);
  }
}

void MainWindow::runCommand(int id, bool from_key) {
  // While a keypad-fed dialog is open over the window, the keypad types into it and every
  // other command only gives it the focus back: nothing reaches the core meanwhile.
  if (DialogView* open = DialogView::keypadFedOpen()) {
    if (id >= kKeypadFirst && id < kKeypadFirst + kKeypadCount) {
      open->feedKeypad(id - kKeypadFirst);
    } else {
      open->refocus();
    }
    return;
  }
  if (from_key && hooks_.key) {
    hooks_.key(id);
  } else if (hooks_.run) {
    hooks_.run(id);
  }
  refresh();
  if (isVisible()) screen_->entryBox()->setFocus(Qt::OtherFocusReason);
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
  screen_->entryBox()->setFocus(Qt::OtherFocusReason);
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

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Coming back to the window puts the typing back into the item entry box.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    screen_->entryBox()->setFocus(Qt::ActiveWindowFocusReason);
  }
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
  // The program does not close under an open keypad-fed dialog; that dialog closes first.
  if (DialogView* open = DialogView::keypadFedOpen()) {
    event->ignore();
    open->refocus();
    return;
  }
  event->accept();
  if (close_handler_) close_handler_();
}

}  // namespace ventro
