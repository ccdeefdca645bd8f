// The sale screen's eighteen picture buttons (add item, the payments, void, clear, repeat,
// refund, the price buttons, the category scroll buttons, basket table and kitchen print), each
// with its tooltip. The basket-table button also shows the current basket number.
#pragma once

#include <functional>

#include <QWidget>

#include "qt/button_group.h"
#include "qt/tile_button.h"

namespace ventro {

class ScreenButtons : public ButtonGroup<TileButton> {
 public:
  // Creates the buttons as children of `parent`; `command` receives a pressed button's number.
  ScreenButtons(QWidget* parent, const std::function<void(int)>& command);

  // Tooltips on or off (the "Button tips" setting).
  void setTipsShown(bool shown);
  void setBasketNumber(int number);
};

}  // namespace ventro
