#include "qt/keypad.h"

#include "qt/button_pictures.h"
#include "qt/place_buttons.h"

namespace ventro {
namespace {

const QColor kKeyText(80, 80, 80);
const QColor kKeyFace(236, 232, 220);

QString KeyText(int index) {
  if (index < 10) return QString::number(index);
  return index == 10 ? QStringLiteral("CA") : QStringLiteral("CE");
}

}  // namespace

Keypad::Keypad(QWidget* parent, const std::function<void(int)>& command) {
  for (int index = 0; index < kKeypadCount; ++index) {
    const int id = kKeypadFirst + index;
    auto* button = new TileButton(
        id, [](QSize size, bool pressed) { return PlainTile(size, kKeyFace, pressed); }, parent);
    button->setLabel(KeyText(index), kKeyText, kKeyText, index < 10 ? 24 : 18);
    QObject::connect(button, &QAbstractButton::clicked, parent, [command, id] { command(id); });
    buttons_.push_back(button);
  }
}

void Keypad::place(const SaleScreenLayout& layout) { PlaceButtons(buttons_, layout); }

void Keypad::setEnabledBy(const std::function<bool(int)>& is_built) {
  EnableButtons(buttons_, is_built);
}

TileButton* Keypad::button(int id) const {
  const int index = id - kKeypadFirst;
  return index >= 0 && index < kKeypadCount ? buttons_[index] : nullptr;
}

}  // namespace ventro
