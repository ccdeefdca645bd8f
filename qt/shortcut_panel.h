// The shortcut panel of a wide window: eight labelled buttons for common back-office jobs
// (inventory received, discount, find by telephone, cheque, reorder list, out of stock,
// reprint, associate customer), shown only where the layout has room for them.
#pragma once

#include <functional>
#include <vector>

#include "app/screen_layout.h"
#include "qt/tile_button.h"

namespace ventro {

class ShortcutPanel {
 public:
  ShortcutPanel(QWidget* parent, const std::function<void(int)>& command);

  void place(const SaleScreenLayout& layout);
  void setEnabledBy(const std::function<bool(int)>& is_built);
  TileButton* button(int id) const;

 private:
  std::vector<TileButton*> buttons_;
};

}  // namespace ventro
