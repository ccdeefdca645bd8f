#include "qt/button_pictures.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace ventro {
namespace {

constexpr qreal kOutlineWidth = 1.5;

// Paints the tile and returns the rectangle inside its border, moved down and right by a pixel
// when pressed so the face seems to sink.
QRectF DrawTile(QPainter& painter, QSize size, const QColor& color, bool pressed) {
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF outer = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
  const qreal radius = std::clamp(std::min(outer.width(), outer.height()) / 7.0, 3.0, 10.0);
  QLinearGradient light(outer.topLeft(), outer.bottomLeft());
  const QColor base = pressed ? color.darker(125) : color;
  light.setColorAt(0, pressed ? base : base.lighter(118));
  light.setColorAt(1, pressed ? base.lighter(108) : base.darker(108));
  painter.setPen(QPen(art::kOutline, kOutlineWidth));
  painter.setBrush(light);
  painter.drawRoundedRect(outer, radius, radius);
  if (pressed) {
    // A shadow along the top edge inside the border.
    painter.setPen(QPen(QColor(0, 0, 0, 70), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(outer.topLeft() + QPointF(radius, 2), outer.topRight() + QPointF(-radius, 2));
  } else {
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    painter.drawLine(outer.topLeft() + QPointF(radius, 1.5),
                     outer.topRight() + QPointF(-radius, 1.5));
  }
  QRectF inner = outer.adjusted(3, 3, -3, -3);
  if (pressed) inner.translate(1, 1);
  return inner;
}

QPixmap BlankPixmap(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// The caption in white with a dark rim, the largest size up to `pixels` that fits `width`.
void DrawCaption(QPainter& painter, const QRectF& box, const QString& text, int pixels,
                 Qt::Alignment align) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  for (; pixels > 7; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(text) <= box.width()) break;
  }
  painter.setFont(font);
  painter.setPen(QColor(0, 0, 0, 110));
  painter.drawText(box.translated(1, 1), align, text);
  painter.setPen(Qt::white);
  painter.drawText(box, align, text);
}

}  // namespace

QPixmap CaptionedPicture(QSize size, const QColor& color, Glyph glyph, const QString& caption,
                         bool pressed) {
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  const QRectF inner = DrawTile(painter, size, color, pressed);
  if (inner.width() > inner.height() * 1.6) {
    // Wide: drawing on the left, caption filling the rest.
    const qreal side = inner.height();
    DrawGlyph(painter, QRectF(inner.left() + 2, inner.top(), side, side), glyph);
    const QRectF text(inner.left() + side + 6, inner.top(), inner.width() - side - 8, side);
    DrawCaption(painter, text, caption, static_cast<int>(side / 2.6),
                Qt::AlignLeft | Qt::AlignVCenter);
    return pixmap;
  }
  const int caption_pixels = std::max(8, static_cast<int>(inner.height() / 5.2));
  const QRectF text(inner.left(), inner.bottom() - caption_pixels - 2, inner.width(),
                    caption_pixels + 3);
  const QRectF drawing(inner.left(), inner.top(), inner.width(), text.top() - inner.top());
  DrawGlyph(painter, drawing, glyph);
  DrawCaption(painter, text, caption, caption_pixels, Qt::AlignHCenter | Qt::AlignBottom);
  return pixmap;
}

QPixmap PlainTile(QSize size, const QColor& color, bool pressed) {
  QPixmap pixmap = BlankPixmap(size);
  QPainter painter(&pixmap);
  DrawTile(painter, size, color, pressed);
  return pixmap;
}

}  // namespace ventro
