// The sixty quick-select buttons: as many as the layout has room for are shown (14 to 60),
// each standing for the item of its slot on the current page.
#pragma once

#include <functional>
#include <vector>

#include "qt/button_group.h"
#include "qt/quick_select_button.h"
#include "qt/screen_view.h"

namespace ventro {

class QuickSelectPanel : public ButtonGroup<QuickSelectButton> {
 public:
  QuickSelectPanel(QWidget* parent, const std::function<void(int)>& command);

  // Slot k of `page` goes to button 2700 + k; buttons beyond the page are empty.
  void show(const std::vector<QuickSelectView>& page);
};

}  // namespace ventro
