// The sixty quick-select buttons: as many as the layout has room for are shown (14 to 60),
// each standing for the item of its slot on the current page.
#pragma once

#include <functional>
#include <vector>

#include "app/screen_layout.h"
#include "qt/quick_select_button.h"
#include "qt/screen_view.h"

namespace ventro {

class QuickSelectPanel {
 public:
  QuickSelectPanel(QWidget* parent, const std::function<void(int)>& command);

  void place(const SaleScreenLayout& layout);
  // Slot k of `page` goes to button 2700 + k; buttons beyond the page are empty.
  void show(const std::vector<QuickSelectView>& page);
  void setEnabledBy(const std::function<bool(int)>& is_built);

  QuickSelectButton* button(int id) const;

 private:
  std::vector<QuickSelectButton*> buttons_;
};

}  // namespace ventro
