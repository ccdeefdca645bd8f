#include "starter/stock_pictures.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace ventro::pictures {
namespace {

// One flat style for all: a warm light ground, a frame that separates the picture from a
// grey button, bold colours and a dark outline that stays two pixels wide at half size.
constexpr Color kPaper{248, 245, 237};
constexpr Color kFrame{196, 190, 178};
constexpr Color kInk{44, 40, 48};
constexpr Color kShine{255, 255, 255, 120};
constexpr Color kWhite{255, 255, 255};
constexpr double kOutline = 4.0;
constexpr double kDetail = 2.5;

void Draw(Canvas& c, const Shape& s, const Paint& fill) {
  c.FillAndStroke(s, fill, kOutline, kInk);
}
void Detail(Canvas& c, const Shape& s, const Paint& fill) {
  c.FillAndStroke(s, fill, kDetail, kInk);
}
void Ink(Canvas& c, const Shape& s) { c.Fill(s, kInk); }

void Spirits(Canvas& c) {
  const Shape bottle =
      Union({RoundRect(29, 40, 67, 88, 8), Polygon({{29, 50}, {38, 33}, {58, 33}, {67, 50}}),
             RoundRect(41, 14, 55, 40, 2)});
  Draw(c, bottle, Color{196, 112, 36});
  c.Fill(Intersect(Rect(33, 40, 39, 84), bottle), kShine);
  Detail(c, RoundRect(35, 54, 61, 76, 3), Color{250, 236, 196});
  c.Fill(Rect(40, 61, 56, 64), Color{178, 40, 40});
  c.Fill(Rect(42, 67, 54, 69), Color{178, 40, 40});
  Draw(c, RoundRect(39, 8, 57, 20, 3), Color{170, 40, 44});
}

void Beer(Canvas& c) {
  const Color beer{244, 178, 44};
  Draw(c, Subtract(RoundRect(52, 40, 82, 78, 12), RoundRect(60, 48, 72, 70, 5)), beer);
  const Shape mug = RoundRect(18, 28, 64, 88, 6);
  Draw(c, mug, beer);
  c.Fill(Rect(24, 40, 30, 82), kShine);
  for (Point p : {Point{40, 60}, Point{50, 72}, Point{44, 50}, Point{54, 56}}) {
    c.Fill(Circle(p.x, p.y, 2.5), Color{255, 226, 150});
  }
  const Shape foam = Union({Circle(24, 28, 9), Circle(36, 22, 11), Circle(50, 23, 10),
                            Circle(60, 30, 8), Rect(17, 26, 65, 38)});
  Draw(c, Intersect(foam, Rect(0, 0, 96, 38)), kWhite);
  c.Stroke(Path({{18, 38}, {64, 38}}), kOutline, kInk);
}

void Book(Canvas& c) {
  Draw(c, RoundRect(26, 14, 80, 86, 4), Color{252, 248, 232});  // the pages behind
  for (double y : {72.0, 77.0}) c.Stroke(Path({{70, y}, {78, y}}), 1.5, Color{180, 170, 150});
  const Color cover{52, 108, 196};
  Draw(c, RoundRect(16, 10, 70, 82, 4), cover);
  c.Fill(Rect(18, 12, 26, 80), Color{36, 80, 156});
  c.Stroke(Path({{26, 12}, {26, 80}}), kDetail, kInk);
  Detail(c, RoundRect(34, 24, 62, 40, 2), Color{250, 236, 196});
  Draw(c, Polygon({{50, 78}, {58, 78}, {58, 92}, {54, 88}, {50, 92}}), Color{214, 50, 50});
}

void TinCan(Canvas& c) {
  const Shape can = Union({Rect(24, 20, 72, 80), Ellipse(48, 20, 24, 8), Ellipse(48, 80, 24, 8)});
  Draw(c, can, Color{196, 202, 210});
  const Shape label = Intersect(Union(Rect(24, 34, 72, 68), Ellipse(48, 68, 24, 8)),
                                Subtract(can, Ellipse(48, 34, 24, 8)));
  c.Fill(Subtract(label, Ellipse(48, 34, 24, 8)), Color{214, 58, 48});
  c.Stroke(Intersect(Ellipse(48, 34, 24, 8), Rect(20, 34, 76, 50)), kDetail, kInk);
  c.Stroke(Intersect(Ellipse(48, 68, 24, 8), Rect(20, 68, 76, 80)), kDetail, kInk);
  c.Fill(Circle(48, 54, 9), kWhite);
  c.Fill(Ellipse(48, 54, 4, 6), Color{76, 160, 72});
  c.Fill(Rect(29, 24, 34, 82), kShine);
  Draw(c, Ellipse(48, 20, 24, 8), Color{226, 230, 236});
  c.Stroke(Ellipse(48, 20, 17, 4.5), 2, Color{150, 156, 166});
}

void Car(Canvas& c) {
  const Shape body =
      Union(RoundRect(8, 46, 88, 72, 9), Polygon({{24, 50}, {33, 28}, {64, 28}, {76, 50}}));
  Draw(c, body, Color{216, 60, 50});
  const Color glass{178, 222, 246};
  Detail(c, Polygon({{31, 47}, {37, 33}, {47, 33}, {47, 47}}), glass);
  Detail(c, Polygon({{52, 33}, {61, 33}, {68, 47}, {52, 47}}), glass);
  c.Fill(RoundRect(78, 51, 86, 57, 2), Color{255, 222, 90});
  c.Stroke(Path({{12, 60}, {84, 60}}), kDetail, Color{170, 40, 36});
  for (double x : {27.0, 69.0}) {
    Draw(c, Circle(x, 72, 11), Color{60, 58, 66});
    c.Fill(Circle(x, 72, 5), Color{200, 204, 212});
  }
}

void Coffee(Canvas& c) {
  const Color steam{150, 150, 160};
  for (double x : {36.0, 48.0, 60.0}) {
    c.Stroke(Path({{x, 30}, {x - 4, 24}, {x, 18}, {x - 4, 12}}), 3.5, steam);
  }
  Draw(c, Ellipse(46, 84, 38, 8), Color{236, 236, 240});
  const Color cup{226, 104, 60};
  Draw(c, Subtract(Ellipse(72, 54, 13, 13), Ellipse(72, 54, 6, 6)), cup);
  const Shape body =
      Union(Intersect(Ellipse(46, 42, 27, 40), Rect(0, 38, 96, 96)), Ellipse(46, 38, 26, 6));
  Draw(c, body, cup);
  c.Fill(Intersect(Rect(26, 46, 31, 72), body), kShine);
  Detail(c, Ellipse(46, 38, 22, 4.5), Color{110, 62, 36});
}

void Cheese(Canvas& c) {
  const Color rind{240, 176, 40};
  const Color face{255, 214, 90};
  const Shape top = Polygon({{10, 54}, {64, 22}, {86, 40}});
  const Shape front = Polygon({{10, 54}, {86, 40}, {86, 76}, {10, 82}});
  Draw(c, top, rind);
  Draw(c, front, face);
  const Color hole{226, 158, 30};
  for (const Shape& h : {Ellipse(30, 66, 6, 5), Ellipse(58, 56, 7, 6), Ellipse(70, 70, 5, 4),
                         Ellipse(44, 76, 4, 3), Ellipse(80, 54, 4, 5)}) {
    c.Fill(Intersect(h, front), hole);
  }
  c.Stroke(front, kOutline, kInk);
}

void SoftDrink(Canvas& c) {
  Draw(c, Thicken(Path({{50, 26}, {58, 8}, {72, 8}}), 3.5), Color{255, 216, 64});
  const Shape cup = Polygon({{24, 32}, {72, 32}, {65, 88}, {31, 88}});
  Draw(c, cup, Color{220, 52, 60});
  c.Fill(Intersect(Thicken(Path({{20, 66}, {36, 58}, {52, 66}, {68, 58}, {80, 64}}), 5), cup),
         kWhite);
  c.Fill(Intersect(Rect(30, 36, 35, 86), cup), kShine);
  c.Stroke(cup, kOutline, kInk);
  Draw(c, Union(RoundRect(19, 26, 77, 36, 4), Ellipse(48, 27, 22, 6)), Color{236, 236, 242});
}

void Disc(Canvas& c) {
  const Shape disc = Circle(48, 48, 38);
  c.Fill(disc, Color{206, 214, 230});
  const Shape sheen = Polygon({{48, 48}, {10, 20}, {30, 6}});
  c.Fill(Intersect(sheen, disc), Color{236, 190, 236});
  c.Fill(Intersect(Polygon({{48, 48}, {90, 62}, {78, 86}}), disc), Color{176, 232, 236});
  c.Fill(Intersect(Polygon({{48, 48}, {88, 20}, {94, 36}}), disc), Color{248, 240, 180});
  c.Stroke(disc, kOutline, kInk);
  Detail(c, Circle(48, 48, 14), Color{232, 236, 244});
  Detail(c, Circle(48, 48, 6), kPaper);
}

void Frozen(Canvas& c) {
  std::vector<Shape> arms;
  for (int i = 0; i < 6; ++i) {
    const double a = i * std::numbers::pi / 3 - std::numbers::pi / 2;
    const double ca = std::cos(a), sa = std::sin(a);
    auto at = [&](double along, double across) {
      return Point{48 + along * ca - across * sa, 48 + along * sa + across * ca};
    };
    arms.push_back(Path({at(0, 0), at(39, 0)}));
    arms.push_back(Path({at(33, -9), at(23, 0), at(33, 9)}));
  }
  const Shape flake = Thicken(Union(std::move(arms)), 3);
  Draw(c, flake, Color{96, 176, 232});
  std::vector<Point> hexagon;
  for (int i = 0; i < 6; ++i) {
    const double a = i * std::numbers::pi / 3 - std::numbers::pi / 2;
    hexagon.push_back({48 + 10 * std::cos(a), 48 + 10 * std::sin(a)});
  }
  Draw(c, Polygon(hexagon), Color{200, 232, 252});
}

void Fruit(Canvas& c) {
  Draw(c, Thicken(Path({{48, 36}, {50, 24}, {55, 14}}), 2.5), Color{128, 84, 48});
  Draw(c, Rotate(Ellipse(66, 20, 13, 6), -25, {66, 20}), Color{96, 176, 64});
  const Shape apple = Union(Ellipse(36, 58, 24, 27), Ellipse(60, 58, 24, 27));
  Draw(c, apple, Color{222, 48, 52});
  c.Fill(Rotate(Ellipse(30, 50, 5, 10), 25, {30, 50}), kShine);
}

void Hardware(Canvas& c) {
  // Drawn upright within 44 of the centre, then turned, so no part leaves the picture.
  const double turn = 35;
  const Point pivot{48, 48};
  const Shape handle = RoundRect(42, 32, 54, 90, 5);
  Draw(c, Rotate(handle, turn, pivot), Color{204, 148, 84});
  c.Fill(Rotate(RoundRect(42, 68, 54, 90, 5), turn, pivot), Color{64, 60, 72});
  c.Stroke(Rotate(handle, turn, pivot), kOutline, kInk);
  const Shape head = Union(RoundRect(28, 16, 70, 34, 3),
                           Polygon({{30, 17}, {20, 20}, {12, 29}, {17, 31}, {24, 27}, {30, 32}}));
  Draw(c, Rotate(head, turn, pivot), Color{176, 184, 196});
  c.Fill(Rotate(Rect(31, 19, 66, 23), turn, pivot), kShine);
}

void Gift(Canvas& c) {
  const Color box{222, 56, 72};
  const Color ribbon{255, 206, 64};
  Draw(c, Rotate(Ellipse(36, 24, 13, 8), 30, {36, 24}), ribbon);
  Draw(c, Rotate(Ellipse(60, 24, 13, 8), -30, {60, 24}), ribbon);
  Draw(c, Rect(18, 44, 78, 88), box);
  Draw(c, RoundRect(12, 32, 84, 48, 3), box);
  for (const Shape& band : {Rect(42, 34, 54, 46), Rect(42, 48, 54, 86)}) c.Fill(band, ribbon);
  c.Stroke(Path({{42, 48}, {42, 88}}), kDetail, kInk);
  c.Stroke(Path({{54, 48}, {54, 88}}), kDetail, kInk);
  c.Stroke(Path({{42, 32}, {42, 48}}), kDetail, kInk);
  c.Stroke(Path({{54, 32}, {54, 48}}), kDetail, kInk);
  Draw(c, Circle(48, 30, 6), ribbon);
}

void Paper(Canvas& c) {
  Draw(c, RoundRect(14, 14, 66, 88, 4), kWhite);
  for (double y : {36.0, 46.0, 56.0, 66.0, 76.0}) {
    c.Stroke(Path({{22, y}, {58, y}}), 2, Color{120, 170, 220});
  }
  c.Fill(Rect(16, 16, 64, 26), Color{110, 160, 210});
  c.Stroke(Path({{14, 26}, {66, 26}}), kDetail, kInk);
  for (double x : {24.0, 36.0, 48.0, 60.0}) {
    c.Stroke(Path({{x, 8}, {x, 20}}), 3.5, kInk);
  }
  const Point pivot{64, 52};
  const double turn = 35;
  const Shape body = RoundRect(57, 18, 71, 70, 2);
  Draw(c, Rotate(body, turn, pivot), Color{255, 200, 48});
  c.Fill(Rotate(Rect(62, 20, 66, 68), turn, pivot), Color{236, 170, 30});
  Draw(c, Rotate(RoundRect(57, 10, 71, 22, 4), turn, pivot), Color{240, 140, 160});
  const Shape tip = Polygon({{57, 70}, {71, 70}, {64, 88}});
  Draw(c, Rotate(tip, turn, pivot), Color{244, 214, 170});
  c.Fill(Rotate(Polygon({{61.5, 81}, {66.5, 81}, {64, 88}}), turn, pivot), kInk);
}

void Popcorn(Canvas& c) {
  const Color corn{255, 238, 176};
  const std::vector<Point> kernels = {{28, 38}, {38, 28}, {50, 24}, {62, 30}, {70, 40},
                                      {46, 36}, {32, 22}, {58, 16}, {44, 14}};
  std::vector<Shape> puffs;
  for (Point p : kernels) puffs.push_back(Circle(p.x, p.y, 9));
  Draw(c, Union(std::move(puffs)), corn);
  for (Point p : {Point{46, 36}, Point{38, 28}, Point{58, 22}, Point{30, 40}, Point{66, 36}}) {
    c.Stroke(Path(ArcPoints(p.x, p.y, 5, 5, 0.2, 2.2, 8)), 2, Color{214, 170, 80});
  }
  const Shape box = Polygon({{20, 42}, {76, 42}, {68, 90}, {28, 90}});
  c.Fill(box, kWhite);
  for (double x : {24.0, 46.0, 68.0}) {
    c.Fill(Intersect(Polygon({{x, 42}, {x + 9, 42}, {x + 6, 90}, {x + 1, 90}}), box),
           Color{222, 50, 56});
  }
  c.Stroke(box, kOutline, kInk);
}

void Tea(Canvas& c) {
  const Color pot{70, 158, 140};
  Draw(c, Subtract(Ellipse(76, 58, 13, 15), Ellipse(76, 58, 6, 8)), pot);
  const Shape spout = Polygon({{26, 62}, {8, 36}, {16, 32}, {32, 50}});
  const Shape body = Union(Ellipse(48, 62, 30, 24), spout);
  Draw(c, body, pot);
  c.Fill(Intersect(Rect(0, 58, 96, 66), Ellipse(48, 62, 30, 24)), Color{130, 206, 186});
  c.Fill(Rotate(Ellipse(32, 54, 4, 9), 35, {32, 54}), kShine);
  Draw(c, Ellipse(48, 39, 18, 6), Color{96, 186, 166});
  Draw(c, Circle(48, 30, 5), Color{96, 186, 166});
}

void Sweets(Canvas& c) {
  const Point centre{48, 48};
  const Color wrap{214, 70, 170};
  auto turned = [&](Shape s) { return Rotate(std::move(s), -20, centre); };
  Draw(c, turned(Polygon({{32, 48}, {10, 30}, {16, 48}, {10, 66}})), wrap);
  Draw(c, turned(Polygon({{64, 48}, {86, 30}, {80, 48}, {86, 66}})), wrap);
  const Shape sweet = turned(Ellipse(48, 48, 21, 17));
  c.Fill(sweet, wrap);
  for (double x : {30.0, 44.0, 58.0}) {
    c.Fill(Intersect(turned(Polygon({{x, 30}, {x + 6, 30}, {x + 14, 66}, {x + 8, 66}})), sweet),
           Color{255, 226, 246});
  }
  c.Stroke(sweet, kOutline, kInk);
}

void Wine(Canvas& c) {
  const Shape bowl = Intersect(Ellipse(48, 30, 25, 30), Rect(0, 10, 96, 62));
  const Shape glass =
      Union({bowl, Rect(45, 56, 51, 82), Ellipse(48, 84, 20, 5), RoundRect(44, 54, 52, 62, 3)});
  Draw(c, glass, Color{226, 240, 248});
  c.Fill(Intersect(bowl, Rect(0, 32, 96, 96)), Color{156, 28, 64});
  c.Stroke(Intersect(Ellipse(48, 30, 25, 30), Path({{0, 32}, {96, 32}})), kDetail, kInk);
  c.Fill(Intersect(Rotate(Ellipse(34, 36, 3.5, 12), 10, {34, 36}), bowl), kShine);
  c.Stroke(glass, kOutline, kInk);
}

void Bread(Canvas& c) {
  const Shape loaf = Union(RoundRect(10, 44, 86, 82, 10), Ellipse(48, 46, 38, 24));
  Draw(c, loaf, Color{214, 146, 72});
  c.Fill(Intersect(Rect(0, 70, 96, 96), loaf), Color{186, 116, 50});
  c.Stroke(loaf, kOutline, kInk);
  for (double x : {30.0, 48.0, 66.0}) {
    c.Stroke(Path({{x - 6, 46}, {x + 6, 30}}), 4.5, Color{250, 214, 150});
  }
}

void Milk(Canvas& c) {
  const Color side{206, 220, 238};
  Draw(c, Polygon({{62, 38}, {76, 28}, {76, 80}, {62, 88}}), side);
  Draw(c, Polygon({{44, 18}, {58, 10}, {76, 28}, {62, 38}}), Color{170, 196, 230});
  Draw(c, Rect(42, 8, 60, 18), kWhite);
  const Shape front = Rect(24, 38, 62, 88);
  Draw(c, Polygon({{24, 38}, {43, 18}, {62, 38}}), kWhite);
  Draw(c, front, kWhite);
  c.Fill(Rect(26, 52, 60, 86), Color{60, 120, 210});
  c.Stroke(Path({{24, 52}, {62, 52}}), kDetail, kInk);
  const Shape drop = Union(Circle(43, 72, 8), Polygon({{35.5, 69}, {43, 56}, {50.5, 69}}));
  c.Fill(drop, kWhite);
  c.Stroke(front, kOutline, kInk);
}

void Cleaning(Canvas& c) {
  const Color mist{120, 190, 240};
  for (Point p : {Point{8, 12}, Point{6, 24}, Point{10, 34}, Point{16, 18}, Point{16, 30}}) {
    c.Fill(Circle(p.x, p.y, 2.6), mist);
  }
  Draw(c, Rect(40, 30, 58, 46), kWhite);
  Draw(c, Polygon({{38, 30}, {44, 30}, {44, 52}, {38, 46}}), Color{60, 130, 220});
  const Shape bottle = RoundRect(30, 44, 70, 90, 9);
  Draw(c, bottle, Color{100, 196, 112});
  Detail(c, RoundRect(38, 58, 62, 78, 3), kWhite);
  c.Fill(Circle(46, 68, 4), Color{120, 190, 240});
  c.Fill(Circle(54, 66, 3), Color{120, 190, 240});
  const Shape head =
      Union(RoundRect(28, 12, 66, 32, 5), Polygon({{30, 14}, {20, 18}, {20, 26}, {30, 28}}));
  Draw(c, head, Color{60, 130, 220});
}

void Toy(Canvas& c) {
  const Color fur{194, 134, 78};
  const Color light{236, 196, 146};
  const Shape bear =
      Union({Circle(30, 18, 9), Circle(66, 18, 9), Circle(48, 34, 19), Ellipse(48, 70, 21, 20),
             Circle(24, 60, 8), Circle(72, 60, 8), Circle(32, 84, 9), Circle(64, 84, 9)});
  Draw(c, bear, fur);
  c.Fill(Circle(30, 18, 4), light);
  c.Fill(Circle(66, 18, 4), light);
  c.Fill(Ellipse(48, 72, 12, 11), light);
  Detail(c, Ellipse(48, 41, 9, 7), light);
  Ink(c, Ellipse(48, 38, 4, 3));
  Ink(c, Circle(40, 30, 2.8));
  Ink(c, Circle(56, 30, 2.8));
}

void Flowers(Canvas& c) {
  const Color stem{70, 150, 60};
  c.Stroke(Path({{48, 66}, {48, 30}}), 4, stem);
  c.Stroke(Path({{44, 66}, {26, 44}}), 4, stem);
  c.Stroke(Path({{52, 66}, {70, 44}}), 4, stem);
  Draw(c, Rotate(Ellipse(38, 54, 9, 4.5), 30, {38, 54}), Color{96, 176, 64});
  Draw(c, Rotate(Ellipse(58, 56, 9, 4.5), -30, {58, 56}), Color{96, 176, 64});
  auto flower = [&](double cx, double cy, double r, Color petal) {
    std::vector<Shape> petals;
    for (int i = 0; i < 5; ++i) {
      const double a = i * 2 * std::numbers::pi / 5 - std::numbers::pi / 2;
      petals.push_back(Circle(cx + r * std::cos(a), cy + r * std::sin(a), r * 0.72));
    }
    Draw(c, Union(std::move(petals)), petal);
    Detail(c, Circle(cx, cy, r * 0.55), Color{255, 210, 60});
  };
  flower(24, 40, 9, Color{120, 150, 240});
  flower(72, 40, 9, Color{250, 150, 60});
  flower(48, 24, 12, Color{236, 80, 130});
  Draw(c, Polygon({{28, 66}, {68, 66}, {62, 92}, {34, 92}}), Color{206, 110, 70});
  Draw(c, RoundRect(24, 62, 72, 72, 2), Color{222, 132, 88});
}

void Battery(Canvas& c) {
  const Shape body = RoundRect(10, 28, 80, 68, 6);
  Draw(c, RoundRect(76, 39, 88, 57, 3), Color{200, 204, 212});
  c.Fill(body, Color{62, 72, 94});
  c.Fill(Intersect(body, Rect(56, 0, 96, 96)), Color{236, 150, 52});
  c.Stroke(Path({{56, 28}, {56, 68}}), kDetail, kInk);
  c.Fill(Intersect(body, Rect(10, 32, 80, 37)), Color{255, 255, 255, 70});
  c.Stroke(body, kOutline, kInk);
  c.Fill(Rect(62, 46, 74, 50), kWhite);  // plus
  c.Fill(Rect(66, 42, 70, 54), kWhite);
  c.Fill(Rect(20, 46, 32, 50), kWhite);  // minus
  c.Fill(Polygon({{44, 34}, {36, 50}, {42, 50}, {38, 62}, {50, 44}, {44, 44}, {48, 34}}),
         Color{255, 222, 70});
}

using Drawing = void (*)(Canvas&);
constexpr Drawing kDrawings[kStockPictureCount] = {
    Spirits, Beer,   Book,  TinCan,   Car,      Coffee, Cheese,  SoftDrink,
    Disc,    Frozen, Fruit, Hardware, Gift,     Paper,  Popcorn, Tea,
    Sweets,  Wine,   Bread, Milk,     Cleaning, Toy,    Flowers, Battery};

}  // namespace

Canvas DrawStockPicture(int number) {
  Canvas c(kStockPictureSize, kStockPictureSize, kPaper);
  if (number >= 1 && number <= kStockPictureCount) kDrawings[number - 1](c);
  c.Stroke(Rect(0, 0, kStockPictureSize, kStockPictureSize), 4, kFrame);
  return c;
}

}  // namespace ventro::pictures
