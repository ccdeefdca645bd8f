#include "qt/glyph_pen.h"

#include <algorithm>

#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace ventro::pen {

void Ink(QPainter& p, const QColor& fill, qreal width) {
  p.setPen(QPen(art::kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (fill.isValid()) {
    p.setBrush(fill);
  } else {
    p.setBrush(Qt::NoBrush);
  }
}

void Line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, qreal width, const QColor& color) {
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Poly(QPainter& p, const QColor& fill, std::initializer_list<QPointF> points) {
  Ink(p, fill);
  p.drawPolygon(QPolygonF(QList<QPointF>(points)));
}

void Box(QPainter& p, const QColor& fill, qreal x1, qreal y1, qreal x2, qreal y2, qreal round) {
  Ink(p, fill);
  p.drawRoundedRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)), round, round);
}

void Circle(QPainter& p, const QColor& fill, qreal cx, qreal cy, qreal r) {
  Ink(p, fill);
  p.drawEllipse(QPointF(cx, cy), r, r);
}

void Letter(QPainter& p, const QRectF& box, const QString& text, qreal size, const QColor& color) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(size)));
  p.setFont(font);
  p.setPen(color);
  p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace ventro::pen
