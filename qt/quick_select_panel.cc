#include "qt/quick_select_panel.h"

#include "qt/place_buttons.h"

namespace ventro {

QuickSelectPanel::QuickSelectPanel(QWidget* parent, const std::function<void(int)>& command) {
  for (int k = 0; k < kQuickSelectSlots; ++k) {
    const int id = kQuickSelectFirst + k;
    auto* button = new QuickSelectButton(id, parent);
    QObject::connect(button, &QAbstractButton::clicked, parent, [command, id] { command(id); });
    buttons_.push_back(button);
  }
}

void QuickSelectPanel::place(const SaleScreenLayout& layout) { PlaceButtons(buttons_, layout); }

void QuickSelectPanel::show(const std::vector<QuickSelectView>& page) {
  for (size_t k = 0; k < buttons_.size(); ++k) {
    buttons_[k]->setSlot(k < page.size() ? page[k] : QuickSelectView{});
  }
}

void QuickSelectPanel::setEnabledBy(const std::function<bool(int)>& is_built) {
  EnableButtons(buttons_, is_built);
}

QuickSelectButton* QuickSelectPanel::button(int id) const {
  const int k = id - kQuickSelectFirst;
  return k >= 0 && k < kQuickSelectSlots ? buttons_[k] : nullptr;
}

}  // namespace ventro
