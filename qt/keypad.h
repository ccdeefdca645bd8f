// The twelve keypad buttons: "0" to "9", "CA" (clear all) and "CE" (clear the last character).
// What they do to the entry text is the core's business; they only send their numbers.
#pragma once

#include <functional>
#include <vector>

#include "app/screen_layout.h"
#include "qt/tile_button.h"

namespace ventro {

class Keypad {
 public:
  Keypad(QWidget* parent, const std::function<void(int)>& command);

  void place(const SaleScreenLayout& layout);
  void setEnabledBy(const std::function<bool(int)>& is_built);
  TileButton* button(int id) const;

 private:
  std::vector<TileButton*> buttons_;
};

}  // namespace ventro
