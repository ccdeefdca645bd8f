#include "qt/category_bar.h"

#include "qt/button_pictures.h"
#include "qt/glyphs.h"
#include "qt/place_buttons.h"

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
    const int id = kCategoryButtonFirst + index;
    auto* button = new TileButton(id, Face(false), parent);
    QObject::connect(button, &QAbstractButton::clicked, parent, [command, id] { command(id); });
    buttons_.push_back(button);
  }
}

void CategoryBar::place(const SaleScreenLayout& layout) { PlaceButtons(buttons_, layout); }

void CategoryBar::show(const QStringList& codes, int current) {
  for (int index = 0; index < kCategoryButtonCount; ++index) {
    const QString code =
        index == kCategoryButtonCount - 1 ? QStringLiteral("ALL") : codes.value(index).left(3);
    TileButton* button = buttons_[index];
    if (button->label() != code) button->setLabel(code, kCodeText, kCodePressed, 13);
  }
  if (current == current_) return;
  if (current_ >= 0 && current_ < kCategoryButtonCount) buttons_[current_]->setPicture(Face(false));
  if (current >= 0 && current < kCategoryButtonCount) buttons_[current]->setPicture(Face(true));
  current_ = current;
}

void CategoryBar::setEnabledBy(const std::function<bool(int)>& is_built) {
  EnableButtons(buttons_, is_built);
}

TileButton* CategoryBar::button(int id) const {
  const int index = id - kCategoryButtonFirst;
  return index >= 0 && index < kCategoryButtonCount ? buttons_[index] : nullptr;
}

}  // namespace ventro
