// The toolbar across the top of the sale screen: twenty picture buttons in five groups of
// four, each sending its command, each with a tooltip naming it and its key.
#pragma once

#include <functional>

#include <QToolBar>

namespace ventro {

class SaleToolbar : public QToolBar {
  Q_OBJECT

 public:
  // `command` receives the command number of a pressed button.
  SaleToolbar(std::function<void(int)> command, QWidget* parent = nullptr);

  // The button of command `id`, or nullptr.
  QAction* commandAction(int id) const;

  // Greys the buttons whose command this build cannot run.
  void setEnabledBy(const std::function<bool(int)>& is_built);
};

}  // namespace ventro
