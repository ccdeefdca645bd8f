// The nineteen category buttons: the three-letter codes of categories 0 to 17 from the
// settings and "ALL". The current category's button has a face of its own; a held button's
// code turns red.
#pragma once

#include <functional>
#include <vector>

#include <QStringList>

#include "app/screen_layout.h"
#include "qt/tile_button.h"

namespace ventro {

class CategoryBar {
 public:
  CategoryBar(QWidget* parent, const std::function<void(int)>& command);

  void place(const SaleScreenLayout& layout);
  // `codes` are the codes of categories 0 to 17; `current` is 0 to 18.
  void show(const QStringList& codes, int current);
  void setEnabledBy(const std::function<bool(int)>& is_built);

  TileButton* button(int id) const;
  int current() const { return current_; }

 private:
  std::vector<TileButton*> buttons_;
  int current_ = -1;
};

}  // namespace ventro
