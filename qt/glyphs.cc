#include "qt/glyphs.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPolygonF>

#include "qt/glyph_pen.h"
#include "qt/glyph_pictures.h"

namespace ventro {
namespace {

using namespace art;
using namespace pen;

void DrawBadge(QPainter& p, Badge badge) {
  switch (badge) {
    case Badge::kNone:
      return;
    case Badge::kPlus:
      Circle(p, kGreen, 18, 18, 5.2);
      Line(p, 18, 15, 18, 21, 2, kPaper);
      Line(p, 15, 18, 21, 18, 2, kPaper);
      return;
    case Badge::kCross:
      Circle(p, kRed, 18, 18, 5.2);
      Line(p, 15.8, 15.8, 20.2, 20.2, 2, kPaper);
      Line(p, 20.2, 15.8, 15.8, 20.2, 2, kPaper);
      return;
    case Badge::kMagnifier:
      Line(p, 19.2, 19.2, 23, 23, 3.5);
      Circle(p, kSky, 16.5, 16.5, 4.3);
      return;
    case Badge::kPencil:
      Poly(p, kYellow, {{22.5, 11}, {13.5, 20}, {11.5, 22.5}, {11, 20.5}, {20, 11.5}});
      Poly(p, kRed, {{22.8, 10.7}, {21.7, 9.6}, {20.3, 11}, {21.4, 12.1}});
      return;
    case Badge::kStar: {
      QPolygonF star;
      for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? 5.5 : 2.4;
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(18 + r * std::cos(angle), 18 + r * std::sin(angle));
      }
      Ink(p, kYellow);
      p.drawPolygon(star);
      return;
    }
    case Badge::kBang:
      Circle(p, kOrange, 18, 18, 5.2);
      Line(p, 18, 15.2, 18, 18.6, 2, kPaper);
      Line(p, 18, 20.8, 18, 20.9, 2.2, kPaper);
      return;
  }
}

}  // namespace

void DrawGlyph(QPainter& painter, const QRectF& box, Glyph glyph, Badge badge) {
  const qreal side = std::min(box.width(), box.height());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
  painter.scale(side / kDesign, side / kDesign);
  DrawGlyphBase(painter, glyph);
  if (glyph == Glyph::kBasketAdd) badge = Badge::kPlus;
  if (glyph == Glyph::kVoidLine) badge = Badge::kCross;
  if (glyph == Glyph::kNote || glyph == Glyph::kPriceTag) badge = Badge::kPencil;
  DrawBadge(painter, badge);
  painter.restore();
}

}  // namespace ventro
