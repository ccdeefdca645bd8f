#include "qt/glyph_pictures.h"

#include <cstddef>
#include <iterator>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "qt/glyph_pen.h"

namespace ventro {
namespace {

using namespace art;
using namespace pen;

// Shapes that more than one picture is made of.

// A price tag pointing left, its hole at the point.
void Tag(QPainter& p, const QColor& fill, qreal dx = 0, qreal dy = 0) {
  Poly(p, fill,
       {{3 + dx, 12 + dy},
        {9 + dx, 5 + dy},
        {21 + dx, 5 + dy},
        {21 + dx, 19 + dy},
        {9 + dx, 19 + dy}});
  Circle(p, kPaper, 8 + dx, 12 + dy, 1.4);
}

// A sheet of paper ruled with `lines` lines.
void Sheet(QPainter& p, int lines) {
  Box(p, kPaper, 5, 3, 19, 21, 1.2);
  for (int i = 0; i < lines; ++i) Line(p, 8, 7.5 + 3.5 * i, 16, 7.5 + 3.5 * i, 1.2);
}

void Person(QPainter& p) {
  Circle(p, kSkin, 12, 8, 4.2);
  QPainterPath body;
  body.moveTo(3.5, 21.5);
  body.cubicTo(3.5, 13.5, 20.5, 13.5, 20.5, 21.5);
  body.closeSubpath();
  Ink(p, kTeal);
  p.drawPath(body);
}

void Basket(QPainter& p) {
  Ink(p, QColor());
  p.drawArc(QRectF(7, 3.5, 10, 12), 0, 180 * 16);
  Poly(p, kOrange, {{2.5, 10}, {21.5, 10}, {19, 21}, {5, 21}});
  for (qreal x : {8.5, 12.0, 15.5}) Line(p, x, 12.5, x, 18.5, 1.2);
}

void ArrowUp(QPainter& p) {
  Poly(
      p, kTeal,
      {{12, 2.5}, {21.5, 12.5}, {15.5, 12.5}, {15.5, 21.5}, {8.5, 21.5}, {8.5, 12.5}, {2.5, 12.5}});
}

// The pictures, one function each.

void DrawBanknote(QPainter& p) {
  Box(p, kLightGreen, 1.5, 6, 22.5, 18, 1.5);
  Ink(p, QColor(), 1.0);
  p.drawRect(QRectF(4, 8.5, 16, 7));
  Circle(p, kGreen, 12, 12, 3.2);
}

void DrawAccount(QPainter& p) {
  p.save();
  p.translate(-2, 0);
  Person(p);
  p.restore();
  Box(p, kBlue, 11, 13, 23, 21, 1.5);
  Line(p, 11.5, 15.5, 22.5, 15.5, 1.6);
}

void DrawScales(QPainter& p) {
  Poly(p, kGrey, {{8, 21.5}, {16, 21.5}, {14, 19}, {10, 19}});
  Line(p, 12, 4, 12, 19, 1.8);
  Line(p, 3.5, 7, 20.5, 7, 1.8);
  for (qreal x : {3.5, 20.5}) {
    Line(p, x, 7, x - 2.5, 13, 1.0);
    Line(p, x, 7, x + 2.5, 13, 1.0);
    Ink(p, kYellow);
    p.drawChord(QRectF(x - 3.5, 10, 7, 6), 180 * 16, 180 * 16);
  }
  Circle(p, kYellow, 12, 4, 1.6);
}

void DrawTagQuestion(QPainter& p) {
  Tag(p, kYellow);
  Letter(p, QRectF(9.5, 5, 11.5, 14), QStringLiteral("?"), 11);
}

void DrawCard(QPainter& p) {
  Box(p, kBlue, 1.5, 5, 22.5, 19, 2);
  p.fillRect(QRectF(2.3, 8, 19.4, 3), kOutline);
  Box(p, kYellow, 4.5, 13, 9, 16.5, 0.8);
}

void DrawLinedSheet(QPainter& p) { Sheet(p, 4); }

void DrawBin(QPainter& p) {
  Box(p, kGrey, 9.5, 2.5, 14.5, 5, 0.5);
  Box(p, kGrey, 3.5, 5, 20.5, 7.5, 0.8);
  Poly(p, kMetal, {{5.5, 7.5}, {18.5, 7.5}, {17, 21.5}, {7, 21.5}});
  for (qreal x : {9.5, 12.0, 14.5}) Line(p, x, 10, x, 19, 1.2);
}

void DrawDrawer(QPainter& p) {
  Box(p, kMetal, 3.5, 3, 20.5, 11.5, 1.5);
  for (qreal x : {7.0, 10.5, 14.0}) Box(p, kPaper, x, 5, x + 2.4, 7, 0.4);
  Box(p, kGreen, 17, 5, 18.8, 9, 0.4);
  Box(p, kOrange, 1.5, 12, 22.5, 20.5, 1.5);
  p.fillRect(QRectF(8.5, 15, 7, 1.8), kOutline);
}

void DrawTradeTags(QPainter& p) {
  Tag(p, kTeal, 0, -2.5);
  Tag(p, kOrange, 0, 2.5);
  Letter(p, QRectF(9.5, 7.5, 11.5, 14), QStringLiteral("T"), 9);
}

void DrawRepeat(QPainter& p) {
  const QRectF ring(4.5, 4.5, 15, 15);
  for (int turn = 0; turn < 2; ++turn) {
    p.setPen(QPen(kOutline, 4.2, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, (20 + 180 * turn) * 16, 130 * 16);
    p.setPen(QPen(kTeal, 2.0, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, (20 + 180 * turn) * 16, 130 * 16);
  }
  Poly(p, kTeal, {{19.5, 4.5}, {21.5, 12}, {14.5, 10}});
  Poly(p, kTeal, {{4.5, 19.5}, {2.5, 12}, {9.5, 14}});
}

void DrawRefund(QPainter& p) {
  Circle(p, kYellow, 14, 15, 6.5);
  Circle(p, QColor(), 14, 15, 4.2);
  Poly(p, kRed, {{2, 6.5}, {8, 2}, {8, 4.8}, {18, 4.8}, {18, 8.2}, {8, 8.2}, {8, 11}});
}

void DrawPriceTag(QPainter& p) { Tag(p, kOrange); }

void DrawArrowDown(QPainter& p) {
  p.save();
  p.translate(0, kDesign);
  p.scale(1, -1);
  ArrowUp(p);
  p.restore();
}

void DrawChefHat(QPainter& p) {
  QPainterPath hat;
  hat.addEllipse(QPointF(7, 10), 4.5, 4.5);
  hat.addEllipse(QPointF(12, 7.5), 5.5, 5.5);
  hat.addEllipse(QPointF(17, 10), 4.5, 4.5);
  hat.addRect(QRectF(7, 10, 10, 6.5));
  hat.setFillRule(Qt::WindingFill);  // overlaps join rather than cancel
  Ink(p, kPaper);
  p.drawPath(hat.simplified());
  Box(p, kPaper, 7, 16.5, 17, 21, 0.5);
}

void DrawTable(QPainter& p) {
  Box(p, kWood, 4, 13, 6, 21.5, 0.3);
  Box(p, kWood, 18, 13, 20, 21.5, 0.3);
  Box(p, kCardboardLight, 1.5, 10, 22.5, 13.5, 1);
  Ink(p, kPaper);
  p.drawEllipse(QRectF(7, 6.5, 10, 4));
}

void DrawBox(QPainter& p) {
  Poly(p, kCardboardLight, {{3.5, 9}, {7, 4}, {17, 4}, {20.5, 9}});
  Box(p, kCardboard, 3.5, 9, 20.5, 21, 0.5);
  Box(p, kPaper, 10.5, 9, 13.5, 13.5, 0);
}

void DrawEmptyBox(QPainter& p) {
  Box(p, kWood, 3.5, 8, 20.5, 12, 0);
  Poly(p, kCardboardLight, {{3.5, 8}, {1, 3.5}, {7, 3.5}, {8.5, 8}});
  Poly(p, kCardboardLight, {{20.5, 8}, {23, 3.5}, {17, 3.5}, {15.5, 8}});
  Box(p, kCardboard, 3.5, 11, 20.5, 21, 0.5);
}

void DrawTruck(QPainter& p) {
  Box(p, kOrange, 1.5, 5.5, 14, 16.5, 0.6);
  Poly(p, kTeal, {{14, 9}, {19, 9}, {22.5, 13}, {22.5, 16.5}, {14, 16.5}});
  Poly(p, kSky, {{15.5, 10.5}, {18.3, 10.5}, {20.3, 13}, {15.5, 13}});
  Circle(p, kOutline, 6, 17.5, 2.5);
  Circle(p, kOutline, 18, 17.5, 2.5);
  Circle(p, kMetal, 6, 17.5, 0.9);
  Circle(p, kMetal, 18, 17.5, 0.9);
}

void DrawPrinter(QPainter& p) {
  Box(p, kPaper, 7, 2.5, 17, 9, 0.4);
  Box(p, kMetal, 2.5, 8, 21.5, 17, 2);
  Box(p, kPaper, 7, 14, 17, 21.5, 0.4);
  Line(p, 9, 17, 15, 17, 1.1);
  Line(p, 9, 19.3, 13.5, 19.3, 1.1);
  Circle(p, kGreen, 18.3, 11, 1.1);
}

void DrawReceipt(QPainter& p) {
  QPainterPath paper;
  paper.moveTo(6, 2.5);
  paper.lineTo(18, 2.5);
  paper.lineTo(18, 21);
  for (int i = 0; i < 4; ++i) {
    paper.lineTo(16.5 - 3 * i, 19.5);
    paper.lineTo(15 - 3 * i, 21);
  }
  paper.lineTo(6, 21);
  paper.closeSubpath();
  Ink(p, kPaper);
  p.drawPath(paper);
  for (qreal y : {6.5, 9.5, 12.5}) Line(p, 8.5, y, 15.5, y, 1.1);
  Line(p, 11, 16, 15.5, 16, 1.8);
}

void DrawPicture(QPainter& p) {
  Box(p, kSky, 2.5, 4.5, 21.5, 19.5, 1);
  Poly(p, kGreen, {{3, 19}, {9, 11}, {13, 15.5}, {16, 12.5}, {21, 19}});
  Circle(p, kYellow, 16, 8.5, 1.9);
}

void DrawChart(QPainter& p) {
  Box(p, kTeal, 4.5, 12.5, 8.5, 20.5, 0.3);
  Box(p, kOrange, 10, 8, 14, 20.5, 0.3);
  Box(p, kGreen, 15.5, 3.5, 19.5, 20.5, 0.3);
  Line(p, 2.5, 20.5, 21.5, 20.5, 1.8);
}

void DrawUpload(QPainter& p) {
  QPainterPath cloud;
  cloud.addEllipse(QPointF(7, 15), 4.5, 4.5);
  cloud.addEllipse(QPointF(12.5, 11), 6, 6);
  cloud.addEllipse(QPointF(18, 15), 4.5, 4.5);
  cloud.addRect(QRectF(7, 14, 11, 5.5));
  cloud.setFillRule(Qt::WindingFill);
  Ink(p, kSky);
  p.drawPath(cloud.simplified());
  Poly(p, kTeal, {{12.5, 8}, {17, 13}, {14.2, 13}, {14.2, 18}, {10.8, 18}, {10.8, 13}, {8, 13}});
}

void DrawClipboard(QPainter& p) {
  Box(p, kCardboard, 4.5, 3.5, 19.5, 22, 1.5);
  Box(p, kPaper, 6.5, 6, 17.5, 20, 0.3);
  Box(p, kGrey, 9, 2, 15, 5.5, 0.8);
  for (int i = 0; i < 3; ++i) {
    const qreal y = 9.5 + 3.5 * i;
    Line(p, 8, y, 9, y + 1, 1.1, kGreen);
    Line(p, 9, y + 1, 10.5, y - 0.8, 1.1, kGreen);
    Line(p, 12, y, 16, y, 1.1);
  }
}

void DrawEnvelope(QPainter& p) {
  Box(p, kPaper, 1.5, 5.5, 22.5, 18.5, 1);
  Ink(p, QColor());
  p.drawPolyline(QPolygonF({{1.8, 6}, {12, 13.5}, {22.2, 6}}));
}

void DrawStatement(QPainter& p) {
  Sheet(p, 3);
  Circle(p, kYellow, 16, 16.5, 4.5);
  Circle(p, QColor(), 16, 16.5, 2.6);
}

void DrawLogOff(QPainter& p) {
  Box(p, kWood, 3, 2.5, 13, 21.5, 0.5);
  Circle(p, kYellow, 10.5, 12, 0.9);
  Poly(p, kRed, {{22.5, 12}, {17, 7}, {17, 10.2}, {11, 10.2}, {11, 13.8}, {17, 13.8}, {17, 17}});
}

void DrawDisk(QPainter& p) {
  QPainterPath disk;
  disk.moveTo(3.5, 3.5);
  disk.lineTo(17.5, 3.5);
  disk.lineTo(20.5, 6.5);
  disk.lineTo(20.5, 20.5);
  disk.lineTo(3.5, 20.5);
  disk.closeSubpath();
  Ink(p, kBlue);
  p.drawPath(disk);
  Box(p, kMetal, 7, 3.5, 16, 9, 0.3);
  Box(p, kPaper, 6.5, 12.5, 17.5, 20.5, 0.3);
}

void DrawPercentTag(QPainter& p) {
  Tag(p, kRed);
  Letter(p, QRectF(9, 5, 12.5, 14), QStringLiteral("%"), 10, kPaper);
}

void DrawPhone(QPainter& p) {
  Box(p, kTeal, 7, 1.5, 17, 22.5, 2);
  Box(p, kSky, 8.7, 4, 15.3, 16.5, 0.3);
  Circle(p, kPaper, 12, 19.5, 1.2);
}

void DrawCheque(QPainter& p) {
  Box(p, QColor(252, 236, 190), 1, 6, 23, 18, 1);
  Line(p, 3.5, 9.5, 10, 9.5, 1.1);
  Line(p, 3.5, 13, 12, 13, 1.1);
  Box(p, kPaper, 14.5, 8, 20.5, 11, 0.3);
  Ink(p, QColor(), 1.1);
  QPainterPath signature;
  signature.moveTo(13.5, 15.5);
  signature.cubicTo(15, 12.5, 16, 17.5, 17.5, 14.5);
  signature.cubicTo(18.5, 13, 19.5, 16.5, 21, 14.5);
  p.drawPath(signature);
}

struct Picture {
  Glyph glyph;
  void (*draw)(QPainter& p);
};

// In the order of Glyph, so that a glyph is its own index.
constexpr Picture kPictures[] = {
    {Glyph::kBasketAdd, Basket},
    {Glyph::kBanknote, DrawBanknote},
    {Glyph::kAccount, DrawAccount},
    {Glyph::kScales, DrawScales},
    {Glyph::kTagQuestion, DrawTagQuestion},
    {Glyph::kCard, DrawCard},
    {Glyph::kVoidLine, DrawLinedSheet},
    {Glyph::kBin, DrawBin},
    {Glyph::kDrawer, DrawDrawer},
    {Glyph::kTradeTags, DrawTradeTags},
    {Glyph::kRepeat, DrawRepeat},
    {Glyph::kNote, DrawLinedSheet},
    {Glyph::kRefund, DrawRefund},
    {Glyph::kPriceTag, DrawPriceTag},
    {Glyph::kArrowUp, ArrowUp},
    {Glyph::kArrowDown, DrawArrowDown},
    {Glyph::kChefHat, DrawChefHat},
    {Glyph::kTable, DrawTable},
    {Glyph::kBox, DrawBox},
    {Glyph::kPerson, Person},
    {Glyph::kTruck, DrawTruck},
    {Glyph::kPrinter, DrawPrinter},
    {Glyph::kReceipt, DrawReceipt},
    {Glyph::kPicture, DrawPicture},
    {Glyph::kChart, DrawChart},
    {Glyph::kUpload, DrawUpload},
    {Glyph::kClipboard, DrawClipboard},
    {Glyph::kEnvelope, DrawEnvelope},
    {Glyph::kStatement, DrawStatement},
    {Glyph::kLogOff, DrawLogOff},
    {Glyph::kDisk, DrawDisk},
    {Glyph::kPercentTag, DrawPercentTag},
    {Glyph::kPhone, DrawPhone},
    {Glyph::kCheque, DrawCheque},
    {Glyph::kEmptyBox, DrawEmptyBox},
};

constexpr bool InGlyphOrder() {
  for (size_t i = 0; i < std::size(kPictures); ++i) {
    if (kPictures[i].glyph != static_cast<Glyph>(i)) return false;
  }
  return true;
}
static_assert(InGlyphOrder() && std::size(kPictures) == static_cast<size_t>(Glyph::kEmptyBox) + 1,
              "one picture for every glyph, in the order of Glyph");

}  // namespace

void DrawGlyphBase(QPainter& painter, Glyph glyph) {
  kPictures[static_cast<size_t>(glyph)].draw(painter);
}

}  // namespace ventro
