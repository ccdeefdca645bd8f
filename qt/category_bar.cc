#include "qt/category_bar.h"

#include "qt/button_pictures.h"
#include "qt/glyphs.h"

namespace ventro {
namespace {

const QColor kCodeText(80, 80, 80);
const QColor kCodePressed(252, 0, 0);
const QColor kFace(214, 232, 234);
const QColor kCurrentFace = art::kYellow;

TileButton::Picture Face(bool current) {
  return [current](QSize size, bool pressed) {
    return PlainTile(size, current ? kCurrentFace : kFace, pressed);
  };
}

}  // namespace

CategoryBar::CategoryBar(QWidget* parent, const std::function<void(int)>& command) {
  for (int index = 0; index < kCategoryButtonCount; ++index) {
    add(new TileButton(kCategoryButtonFirst + index, Face(false), parent), parent, command);
  }
}

void CategoryBar::show(const QStringList& codes, int current) {
  for (int index = 0; index < kCategoryButtonCount; ++index) {
    const QString code =
        index == kCategoryButtonCount - 1 ? QStringLiteral("ALL") : codes.value(index).left(3);
    TileButton* button = buttons()[index];
    if (button->label() != code) button->setLabel(code, kCodeText, kCodePressed, 13);
  }
  if (current == current_) return;
  if (current_ >= 0 && current_ < kCategoryButtonCount) {
    buttons()[current_]->setPicture(Face(false));
  }
  if (current >= 0 && current < kCategoryButtonCount) buttons()[current]->setPicture(Face(true));
  current_ = current;
}

}  // namespace ventro
