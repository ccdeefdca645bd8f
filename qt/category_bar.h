// The nineteen category buttons: the three-letter codes of categories 0 to 17 from the
// settings and "ALL". The current category's button has a face of its own; a held button's
// code turns red.
#pragma once

#include <functional>

#include <QStringList>

#include "qt/button_group.h"
#include "qt/tile_button.h"

namespace ventro {

class CategoryBar : public ButtonGroup<TileButton> {
 public:
  CategoryBar(QWidget* parent, const std::function<void(int)>& command);

  // `codes` are the codes of categories 0 to 17; `current` is 0 to 18.
  void show(const QStringList& codes, int current);
  int current() const { return current_; }

 private:
  int current_ = -1;
};

}  // namespace ventro
