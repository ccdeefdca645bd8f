// Puts a group of the sale screen's buttons where a layout says.
#pragma once

#include <vector>

#include "app/screen_layout.h"

namespace ventro {

// Shows and places each of `buttons` (anything with id() and QWidget's geometry) where
// `layout` puts it, and hides those it does not list.
template <typename Button>
void PlaceButtons(const std::vector<Button*>& buttons, const SaleScreenLayout& layout) {
  for (Button* button : buttons) {
    if (const ScreenRect* place = layout.Find(button->id())) {
      button->setGeometry(place->x, place->y, place->width, place->height);
      button->show();
    } else {
      button->hide();
    }
  }
}

// Enables each of `buttons` whose command `is_built` accepts (all when it is empty).
template <typename Button, typename IsBuilt>
void EnableButtons(const std::vector<Button*>& buttons, const IsBuilt& is_built) {
  for (Button* button : buttons) button->setEnabled(!is_built || is_built(button->id()));
}

}  // namespace ventro
