// A button of the sale screen drawn from its own picture, a normal and a pressed variant made
// for its current size, with an optional text on top. It never takes the keyboard focus: that
// stays in the item entry box.
#pragma once

#include <functional>

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace ventro {

class TileButton : public QAbstractButton {
  Q_OBJECT

 public:
  // Draws the button's face at a size; `pressed` asks for the pressed variant.
  using Picture = std::function<QPixmap(QSize size, bool pressed)>;

  TileButton(int id, Picture picture, QWidget* parent);

  // The command number the button sends.
  int id() const { return id_; }

  // Replaces the face (the category buttons change theirs with the current category).
  void setPicture(Picture picture);

  // Text drawn over the face, `normal` colour or `pressed` while held down, placed by `align`
  // inside a small margin.
  void setLabel(const QString& text, const QColor& normal, const QColor& pressed, int pixels,
                Qt::Alignment align = Qt::AlignCenter);
  QString label() const { return label_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int id_;
  Picture picture_;
  QPixmap faces_[2];  // normal, pressed; made on first paint at the current size
  QString label_;
  QColor label_colors_[2];
  int label_pixels_ = 0;
  Qt::Alignment label_align_ = Qt::AlignCenter;
};

}  // namespace ventro
