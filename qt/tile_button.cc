#include "qt/tile_button.h"

#include <QFont>
#include <QPainter>

namespace ventro {

TileButton::TileButton(int id, Picture picture, QWidget* parent)
    : QAbstractButton(parent), id_(id), picture_(std::move(picture)) {
  setFocusPolicy(Qt::NoFocus);
  setObjectName(QStringLiteral("button%1").arg(id));
  hide();  // until the layout places it
}

void TileButton::setPicture(Picture picture) {
  picture_ = std::move(picture);
  faces_[0] = faces_[1] = QPixmap();
  update();
}

void TileButton::setLabel(const QString& text, const QColor& normal, const QColor& pressed,
                          int pixels, Qt::Alignment align) {
  label_ = text;
  label_colors_[0] = normal;
  label_colors_[1] = pressed;
  label_pixels_ = pixels;
  label_align_ = align;
  update();
}

void TileButton::resizeEvent(QResizeEvent* event) {
  QAbstractButton::resizeEvent(event);
  faces_[0] = faces_[1] = QPixmap();
}

void TileButton::paintEvent(QPaintEvent*) {
  const int state = isDown() ? 1 : 0;
  if (faces_[state].isNull() && picture_) faces_[state] = picture_(size(), state == 1);
  QPainter painter(this);
  // A command this build cannot run yet is shown faded.
  if (!isEnabled()) painter.setOpacity(0.4);
  painter.drawPixmap(0, 0, faces_[state]);
  if (label_.isEmpty()) return;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(label_pixels_);
  painter.setFont(font);
  painter.setPen(label_colors_[state]);
  painter.drawText(rect().adjusted(7, 5, -7, -5).translated(state, state), label_align_, label_);
}

}  // namespace ventro
