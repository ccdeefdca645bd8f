// The sale screen's eighteen picture buttons (add item, the payments, void, clear, repeat,
// refund, the price buttons, the category scroll buttons, basket table and kitchen print), each
// with its tooltip. The basket-table button also shows the current basket number.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "app/screen_layout.h"
#include "qt/tile_button.h"

namespace ventro {

class ScreenButtons {
 public:
  // Creates the buttons as children of `parent`; `command` receives a pressed button's number.
  ScreenButtons(QWidget* parent, const std::function<void(int)>& command);

  // Shows and places every button the layout lists, hides the others.
  void place(const SaleScreenLayout& layout);
  // Tooltips on or off (the "Button tips" setting).
  void setTipsShown(bool shown);
  void setBasketNumber(int number);
  void setEnabledBy(const std::function<bool(int)>& is_built);

  // The button of command `id`, or nullptr.
  TileButton* button(int id) const;

 private:
  std::vector<TileButton*> buttons_;
};

}  // namespace ventro
