#include "qt/keypad.h"

#include "qt/button_pictures.h"

namespace ventro {
namespace {

const QColor kKeyText(80, 80, 80);
const QColor kKeyFace(236, 232, 220);

QString KeyText(int index) {
  if (index < 10) return QString::number(index);
  return index == 10 ? QStringLiteral("CA") : QStringLiteral("CE");
}

}  // namespace

ButtonGroup<TileButton> MakeKeypad(QWidget* parent, const std::function<void(int)>& command) {
  auto face = [](QSize size, bool pressed) { return PlainTile(size, kKeyFace, pressed); };
  ButtonGroup<TileButton> keypad;
  for (int index = 0; index < kKeypadCount; ++index) {
    TileButton* key =
        keypad.add(new TileButton(kKeypadFirst + index, face, parent), parent, command);
    key->setLabel(KeyText(index), kKeyText, kKeyText, index < 10 ? 24 : 18);
  }
  return keypad;
}

}  // namespace ventro
