#include "starter/brand_pictures.h"

#include <numbers>
#include <vector>

namespace ventro::pictures {
namespace {

constexpr Color kInk{36, 40, 48};
constexpr Color kWhite{255, 255, 255};
constexpr Color kTeal{22, 128, 138};
constexpr Color kDeepTeal{14, 92, 104};
constexpr Color kOrange{242, 150, 48};
constexpr Color kCream{252, 247, 234};

// ---- Shop front: drawn in a 120 x 120 box, placed by the canvas transform. ----

struct ShopColors {
  Color ink, roof, stripe_a, stripe_b, wall, window, door, knob;
};

void DrawShopFront(Canvas& c, const ShopColors& k, double line) {
  c.FillAndStroke(Rect(10, 44, 110, 110), k.wall, line, k.ink);
  for (double x : {18.0, 80.0}) {
    c.FillAndStroke(Rect(x, 58, x + 22, 88), k.window, line * 0.75, k.ink);
    c.Stroke(Path({{x + 11, 58}, {x + 11, 88}}), line * 0.6, k.ink);
    c.Stroke(Path({{x, 73}, {x + 22, 73}}), line * 0.6, k.ink);
  }
  c.FillAndStroke(Rect(48, 62, 72, 110), k.door, line * 0.75, k.ink);
  c.Fill(Circle(67, 88, 2.5), k.knob);

  std::vector<Shape> scallops = {Rect(0, 20, 120, 36)};
  for (int i = 0; i < 6; ++i) scallops.push_back(Circle(10 + 20 * i, 36, 10));
  const Shape awning = Union(std::move(scallops));
  for (int i = 0; i < 6; ++i) {
    c.Fill(Intersect(Rect(20 * i, 18, 20 * i + 20, 48), awning), i % 2 ? k.stripe_b : k.stripe_a);
  }
  c.Stroke(awning, line, k.ink);
  c.FillAndStroke(RoundRect(4, 6, 116, 20, 3), k.roof, line, k.ink);
  c.Fill(Rect(-4, 108, 124, 114), k.ink);
}

// A rule from x0 to x1 that ends in a diamond at `inner` end and a dot at the outer end.
void DrawRule(Canvas& c, double x0, double x1, double y, double thick, Color color) {
  c.Fill(Line({x0, y}, {x1, y}, thick), color);
  const double d = thick * 2.2;
  c.Fill(Polygon({{x1, y - d}, {x1 + d, y}, {x1, y + d}, {x1 - d, y}}), color);
  c.Fill(Circle(x0, y, thick * 1.2), color);
}

// ---- Till emblem: drawn in a 256 x 256 box. ----

void DrawTill(Canvas& c) {
  constexpr double kLine = 8;
  // The receipt coming out of the top, with a torn edge.
  std::vector<Point> paper = {{144, 112}, {82, 112}};
  for (int i = 0; i <= 8; ++i) paper.push_back({82 + 7.75 * i, i % 2 ? 28.0 : 38.0});
  c.FillAndStroke(Polygon(paper), kWhite, kLine, kInk);
  for (double y : {56.0, 72.0, 88.0}) {
    c.Fill(RoundRect(96, y - 3, y == 72.0 ? 118 : 132, y + 3, 3), Color{150, 160, 170});
  }
  // The customer display on its post.
  c.FillAndStroke(Rect(182, 86, 196, 104), Color{150, 160, 170}, kLine, kInk);
  c.FillAndStroke(RoundRect(160, 52, 218, 88, 6), Color{48, 56, 66}, kLine, kInk);
  c.Fill(RoundRect(170, 63, 208, 77, 3), Color{120, 230, 150});
  // The keyboard body.
  const Shape body = Polygon({{58, 104}, {206, 104}, {222, 176}, {42, 176}});
  c.FillAndStroke(body, kCream, kLine, kInk);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      const double x = 76 + col * 28 - row * 4 + 2, y = 116 + row * 19;
      const Color key = col == 3 ? kOrange : Color{96, 110, 124};
      c.Fill(RoundRect(x, y, x + 20, y + 12, 3), key);
    }
  }
  c.FillAndStroke(RoundRect(188 - 6, 116, 188 + 14, 166, 3), kTeal, kLine * 0.5, kInk);
  // The cash drawer.
  c.FillAndStroke(RoundRect(28, 176, 236, 226, 8), kOrange, kLine, kInk);
  c.Fill(RoundRect(108, 194, 156, 206, 6), kInk);
}

void DrawTile(Canvas& c) {
  const Shape tile = RoundRect(8, 8, 248, 248, 52);
  c.Fill(tile, Paint::Linear({0, 8}, Color{40, 168, 176}, {0, 248}, kDeepTeal));
  c.Fill(Intersect(tile, Ellipse(128, -40, 200, 130)), Color{255, 255, 255, 40});
}

// ---- Block letters for the name: each drawn in a cell of w x h with strokes t thick. ----

Shape LetterV(double x, double y, double w, double h, double t) {
  return Polygon({{x, y},
                  {x + t * 1.1, y},
                  {x + w / 2, y + h - t * 1.9},
                  {x + w - t * 1.1, y},
                  {x + w, y},
                  {x + w / 2 + t * 0.7, y + h},
                  {x + w / 2 - t * 0.7, y + h}});
}

Shape LetterE(double x, double y, double w, double h, double t) {
  return Union({Rect(x, y, x + t, y + h), Rect(x, y, x + w, y + t),
                Rect(x, y + (h - t) / 2, x + w * 0.85, y + (h + t) / 2),
                Rect(x, y + h - t, x + w, y + h)});
}

Shape LetterN(double x, double y, double w, double h, double t) {
  return Union({Rect(x, y, x + t, y + h), Rect(x + w - t, y, x + w, y + h),
                Polygon({{x, y}, {x + t * 1.3, y}, {x + w, y + h}, {x + w - t * 1.3, y + h}})});
}

Shape LetterT(double x, double y, double w, double h, double t) {
  return Union(Rect(x, y, x + w, y + t), Rect(x + (w - t) / 2, y, x + (w + t) / 2, y + h));
}

Shape LetterR(double x, double y, double w, double h, double t) {
  const double bowl = h * 0.56;
  const double r = bowl / 2;
  return Union(
      {Rect(x, y, x + t, y + h),
       Subtract(Union(RoundRect(x, y, x + w, y + bowl, r), Rect(x, y, x + w / 2, y + bowl)),
                Union(RoundRect(x + t, y + t, x + w - t, y + bowl - t, r - t),
                      Rect(x + t, y + t, x + w / 2, y + bowl - t))),
       Polygon({{x + w * 0.3, y + bowl - t},
                {x + w * 0.3 + t * 1.3, y + bowl - t},
                {x + w, y + h},
                {x + w - t * 1.3, y + h}})});
}

Shape LetterO(double x, double y, double w, double h, double t) {
  return Subtract(RoundRect(x, y, x + w, y + h, w / 2),
                  RoundRect(x + t, y + t, x + w - t, y + h - t, (w - 2 * t) / 2));
}

// ---- Stroke capitals for the tag line: each glyph in a unit box, drawn w x h. ----

struct StrokeGlyph {
  char letter;
  double advance;  // in units of the glyph width
  std::vector<std::vector<Point>> strokes;
};

std::vector<Point> UnitArc(double cx, double cy, double rx, double ry, double from_degrees,
                           double to_degrees) {
  constexpr double kRad = std::numbers::pi / 180;
  return ArcPoints(cx, cy, rx, ry, from_degrees * kRad, to_degrees * kRad, 16);
}

std::vector<Point> Joined(std::vector<Point> a, const std::vector<Point>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<StrokeGlyph>& Glyphs() {
  static const std::vector<StrokeGlyph> glyphs = {
      {'P',
       1.0,
       {Joined({{0, 1}, {0, 0}, {0.55, 0}},
               Joined(UnitArc(0.55, 0.27, 0.4, 0.27, -90, 90), {{0, 0.54}}))}},
      {'O', 1.15, {UnitArc(0.55, 0.5, 0.55, 0.5, 0, 360)}},
      {'I', 0.35, {{{0.1, 0}, {0.1, 1}}}},
      {'N', 1.05, {{{0, 1}, {0, 0}, {0.9, 1}, {0.9, 0}}}},
      {'T', 1.0, {{{0, 0}, {0.9, 0}}, {{0.45, 0}, {0.45, 1}}}},
      {'F', 0.9, {{{0, 1}, {0, 0}, {0.75, 0}}, {{0, 0.48}, {0.6, 0.48}}}},
      {'S',
       1.0,
       {Joined(UnitArc(0.42, 0.26, 0.4, 0.26, -20, -270),
               UnitArc(0.42, 0.74, 0.42, 0.26, -90, 160))}},
      {'A', 1.1, {{{0, 1}, {0.48, 0}, {0.96, 1}}, {{0.2, 0.64}, {0.76, 0.64}}}},
      {'L', 0.9, {{{0, 0}, {0, 1}, {0.75, 1}}}},
      {'E', 0.9, {{{0.75, 0}, {0, 0}, {0, 1}, {0.75, 1}}, {{0, 0.48}, {0.62, 0.48}}}},
  };
  return glyphs;
}

// Draws `text` (capitals from the glyph table and spaces) from (x, y) with glyphs w x h; returns
// the width drawn, so a caller can measure first by drawing on a scratch canvas.
double DrawStrokeText(Canvas& c, const char* text, double x, double y, double w, double h,
                      double thick, Color color) {
  const double start = x;
  const double gap = w * 0.45;
  for (const char* p = text; *p; ++p) {
    if (*p == ' ') {
      x += w * 0.8;
      continue;
    }
    for (const StrokeGlyph& g : Glyphs()) {
      if (g.letter != *p) continue;
      for (const std::vector<Point>& stroke : g.strokes) {
        std::vector<Point> placed;
        for (Point q : stroke) placed.push_back({x + q.x * w, y + q.y * h});
        c.Stroke(Path(std::move(placed)), thick, color);
      }
      x += g.advance * w + gap;
    }
  }
  return x - gap - start;
}

}  // namespace

Canvas DrawReceiptLogo() {
  Canvas c(384, 120, kWhite);
  constexpr Color kBlack{0, 0, 0};
  const ShopColors mono = {kBlack, kWhite, kBlack, kWhite, kWhite, kWhite, kBlack, kWhite};
  DrawRule(c, 22, 112, 78, 4, kBlack);
  DrawRule(c, 362, 272, 78, 4, kBlack);
  c.set_transform({1, 132, 2});
  DrawShopFront(c, mono, 4);
  return c;
}

Canvas DrawLetterLogo() {
  Canvas c(600, 150, kWhite);
  const ShopColors colors = {
      kInk, kDeepTeal, Color{214, 58, 52}, kWhite, kCream, Color{255, 222, 120}, kTeal, kOrange};
  DrawRule(c, 40, 204, 98, 5, kTeal);
  DrawRule(c, 560, 396, 98, 5, kTeal);
  c.set_transform({1.2, 300 - 60 * 1.2, 4});
  DrawShopFront(c, colors, 4);
  return c;
}

Canvas DrawSplash() {
  Canvas c(400, 198);
  const Shape panel = RoundRect(2, 2, 398, 196, 26);
  c.Fill(panel, Paint::Linear({0, 0}, kCream, {0, 198}, Color{238, 230, 212}));
  c.Fill(Intersect(panel, Rect(0, 168, 400, 198)), kTeal);
  c.Stroke(Path({{0, 168}, {400, 168}}), 3, kDeepTeal);
  c.Stroke(RoundRect(4, 4, 396, 194, 24), 5, kDeepTeal);

  c.set_transform({0.56, 14, 22});
  DrawTile(c);
  DrawTill(c);
  c.set_transform({});

  // The name, from block shapes, with a soft shadow under it.
  const double x0 = 170, y0 = 44, w = 30, h = 58, t = 11, step = w + 6;
  auto name = [&](double dx, double dy) {
    return Union({LetterV(x0 + dx, y0 + dy, w, h, t), LetterE(x0 + step + dx, y0 + dy, w - 4, h, t),
                  LetterN(x0 + 2 * step - 4 + dx, y0 + dy, w, h, t),
                  LetterT(x0 + 3 * step - 4 + dx, y0 + dy, w, h, t),
                  LetterR(x0 + 4 * step - 4 + dx, y0 + dy, w, h, t),
                  LetterO(x0 + 5 * step - 4 + dx, y0 + dy, w + 2, h, t)});
  };
  c.Fill(name(3, 3), Color{0, 0, 0, 50});
  c.FillAndStroke(name(0, 0), Paint::Linear({0, y0}, kTeal, {0, y0 + h}, kDeepTeal), 2, kInk);

  DrawStrokeText(c, "POINT OF SALE", 172, 120, 11, 16, 2.6, kOrange);
  return c;
}

Canvas DrawIcon(int size) {
  Canvas c(size, size);
  c.set_transform({size / 256.0, 0, 0});
  DrawTile(c);
  DrawTill(c);
  return c;
}

}  // namespace ventro::pictures
