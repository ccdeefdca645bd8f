// The strokes the button pictures are drawn with, in the 24 x 24 design box: flat shapes
// filled with a colour and outlined in the one dark outline colour, lines and bold letters.
#pragma once

#include <initializer_list>

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "qt/glyphs.h"

class QPainter;

namespace ventro::pen {

// Side of the design box every picture is drawn in.
inline constexpr qreal kDesign = 24.0;

// The colours of things rather than of kinds of button.
inline const QColor kCardboard(214, 160, 92);
inline const QColor kCardboardLight(236, 196, 140);
inline const QColor kMetal(204, 210, 216);
inline const QColor kSky(176, 216, 240);
inline const QColor kSkin(250, 212, 170);
inline const QColor kWood(170, 112, 64);

// Sets the outline pen of `width` and fills with `fill` (nothing when it is invalid).
void Ink(QPainter& p, const QColor& fill, qreal width = 1.5);
void Line(QPainter& p, qreal x1, qreal y1, qreal x2, qreal y2, qreal width = 1.5,
          const QColor& color = art::kOutline);
void Poly(QPainter& p, const QColor& fill, std::initializer_list<QPointF> points);
// A rectangle from corner (x1, y1) to corner (x2, y2), its corners rounded by `round`.
void Box(QPainter& p, const QColor& fill, qreal x1, qreal y1, qreal x2, qreal y2,
         qreal round = 1.0);
void Circle(QPainter& p, const QColor& fill, qreal cx, qreal cy, qreal r);
// Bold `text` of `size` pixels centred in `box`.
void Letter(QPainter& p, const QRectF& box, const QString& text, qreal size,
            const QColor& color = art::kOutline);

}  // namespace ventro::pen
