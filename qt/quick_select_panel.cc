#include "qt/quick_select_panel.h"

namespace ventro {

QuickSelectPanel::QuickSelectPanel(QWidget* parent, const std::function<void(int)>& command) {
  for (int k = 0; k < kQuickSelectSlots; ++k) {
    add(new QuickSelectButton(kQuickSelectFirst + k, parent), parent, command);
  }
}

void QuickSelectPanel::show(const std::vector<QuickSelectView>& page) {
  for (size_t k = 0; k < buttons().size(); ++k) {
    buttons()[k]->setSlot(k < page.size() ? page[k] : QuickSelectView{});
  }
}

}  // namespace ventro
