// A tiny anti-aliased rasteriser for the pictures shipped with the program. Shapes are signed
// distance functions (negative inside), so the same shape can be filled or stroked along its
// edge, and shapes combine by union, intersection and subtraction. Each pixel is sampled on a
// 4 x 4 grid and the covered fraction is blended over what is already there.
//
// Header-only and standard library only: the picture generator and its tests use it without
// linking anything else.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

namespace ventro::pictures {

// A colour with straight (not premultiplied) alpha; 255 is opaque.
struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 255;
  bool operator==(const Color&) const = default;
};

// The same colour with the given opacity (0 to 1).
inline Color WithAlpha(Color c, double alpha) {
  c.a = static_cast<uint8_t>(std::lround(std::clamp(alpha, 0.0, 1.0) * 255.0));
  return c;
}

// Mixes a toward b by t (0 gives a, 1 gives b); alpha is mixed too.
inline Color Mix(Color a, Color b, double t) {
  auto lerp = [t](uint8_t x, uint8_t y) {
    return static_cast<uint8_t>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
  };
  return {lerp(a.r, b.r), lerp(a.g, b.g), lerp(a.b, b.b), lerp(a.a, b.a)};
}

struct Point {
  double x = 0;
  double y = 0;
};

// An axis-aligned box, x0 <= x1 and y0 <= y1 when not empty.
struct Box {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;
  Box Grow(double d) const { return {x0 - d, y0 - d, x1 + d, y1 + d}; }
  Box Join(const Box& o) const {
    return {std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1)};
  }
  Box Meet(const Box& o) const {
    return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
  }
};

// A region of the plane: `distance` is negative inside, zero on the edge and about the
// Euclidean distance to the edge nearby; `bounds` encloses everything inside.
struct Shape {
  Box bounds;
  std::function<double(double, double)> distance;
};

namespace shape_detail {

inline double SegmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

inline Box PointsBox(const std::vector<Point>& points) {
  Box box{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
          std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
  for (const Point& p : points) box = box.Join({p.x, p.y, p.x, p.y});
  return box;
}

}  // namespace shape_detail

// The rectangle from (x0, y0) to (x1, y1).
inline Shape Rect(double x0, double y0, double x1, double y1) {
  return {{x0, y0, x1, y1}, [=](double x, double y) {
            const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
            const double qx = std::abs(x - cx) - (x1 - x0) / 2;
            const double qy = std::abs(y - cy) - (y1 - y0) / 2;
            return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) +
                   std::min(std::max(qx, qy), 0.0);
          }};
}

// The rectangle with corners rounded to `radius` (clamped to half the shorter side).
inline Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  const double r = std::min(radius, std::min(x1 - x0, y1 - y0) / 2);
  Shape inner = Rect(x0 + r, y0 + r, x1 - r, y1 - r);
  return {{x0, y0, x1, y1}, [inner, r](double x, double y) { return inner.distance(x, y) - r; }};
}

// The ellipse centred on (cx, cy) with radii rx and ry. The distance is a close estimate
// near the edge, which is all filling and stroking need.
inline Shape Ellipse(double cx, double cy, double rx, double ry) {
  return {{cx - rx, cy - ry, cx + rx, cy + ry}, [=](double x, double y) {
            const double px = (x - cx) / rx, py = (y - cy) / ry;
            const double k0 = std::hypot(px, py);
            const double k1 = std::hypot(px / rx, py / ry);
            if (k1 == 0) return -std::min(rx, ry);
            return k0 * (k0 - 1.0) / k1;
          }};
}

inline Shape Circle(double cx, double cy, double r) {
  return {{cx - r, cy - r, cx + r, cy + r},
          [=](double x, double y) { return std::hypot(x - cx, y - cy) - r; }};
}

// The polygon through `points` (closed, any winding, even-odd rule).
inline Shape Polygon(std::vector<Point> points) {
  Box box = shape_detail::PointsBox(points);
  return {box, [points = std::move(points)](double x, double y) {
            double best = std::numeric_limits<double>::max();
            bool inside = false;
            const size_t n = points.size();
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
              const Point a = points[j], b = points[i];
              best = std::min(best, shape_detail::SegmentDistance({x, y}, a, b));
              if ((b.y > y) != (a.y > y) && x < (a.x - b.x) * (y - b.y) / (a.y - b.y) + b.x) {
                inside = !inside;
              }
            }
            return inside ? -best : best;
          }};
}

// The open line through `points`: it has no inside, so only a stroke or Thicken shows it.
inline Shape Path(std::vector<Point> points) {
  Box box = shape_detail::PointsBox(points);
  return {
      box, [points = std::move(points)](double x, double y) {
        double best = std::numeric_limits<double>::max();
        for (size_t i = 0; i + 1 < points.size(); ++i) {
          best = std::min(best, shape_detail::SegmentDistance({x, y}, points[i], points[i + 1]));
        }
        if (points.size() == 1) best = std::hypot(x - points[0].x, y - points[0].y);
        return best;
      }};
}

// Points along the ellipse arc from angle a0 to a1 (radians, clockwise on screen since y
// points down), for use with Path.
inline std::vector<Point> ArcPoints(double cx, double cy, double rx, double ry, double a0,
                                    double a1, int steps = 24) {
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) {
    const double a = a0 + (a1 - a0) * i / steps;
    points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return points;
}

// The shape grown outward by d (shrunk for negative d): a Path thickened by half a line width
// becomes a line with round ends.
inline Shape Thicken(Shape s, double d) {
  return {s.bounds.Grow(std::max(d, 0.0)),
          [f = std::move(s.distance), d](double x, double y) { return f(x, y) - d; }};
}

inline Shape Line(Point a, Point b, double width) { return Thicken(Path({a, b}), width / 2); }

inline Shape Union(Shape a, Shape b) {
  return {a.bounds.Join(b.bounds), [f = std::move(a.distance), g = std::move(b.distance)](
                                       double x, double y) { return std::min(f(x, y), g(x, y)); }};
}

inline Shape Union(std::vector<Shape> shapes) {
  Shape result = std::move(shapes.at(0));
  for (size_t i = 1; i < shapes.size(); ++i)
    result = Union(std::move(result), std::move(shapes[i]));
  return result;
}

inline Shape Intersect(Shape a, Shape b) {
  return {a.bounds.Meet(b.bounds), [f = std::move(a.distance), g = std::move(b.distance)](
                                       double x, double y) { return std::max(f(x, y), g(x, y)); }};
}

// What is inside a and not inside b.
inline Shape Subtract(Shape a, Shape b) {
  return {a.bounds, [f = std::move(a.distance), g = std::move(b.distance)](double x, double y) {
            return std::max(f(x, y), -g(x, y));
          }};
}

// The shape turned by `degrees` (clockwise on screen) about `centre`.
inline Shape Rotate(Shape s, double degrees, Point centre) {
  const double a = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(a), sn = std::sin(a);
  const Box b = s.bounds;
  std::vector<Point> corners;
  for (Point p : {Point{b.x0, b.y0}, Point{b.x1, b.y0}, Point{b.x0, b.y1}, Point{b.x1, b.y1}}) {
    const double dx = p.x - centre.x, dy = p.y - centre.y;
    corners.push_back({centre.x + dx * c - dy * sn, centre.y + dx * sn + dy * c});
  }
  return {shape_detail::PointsBox(corners),
          [f = std::move(s.distance), c, sn, centre](double x, double y) {
            const double dx = x - centre.x, dy = y - centre.y;
            return f(centre.x + dx * c + dy * sn, centre.y - dx * sn + dy * c);
          }};
}

// What a shape is painted with: one colour, or a linear gradient from c0 at p0 to c1 at p1.
struct Paint {
  Paint(Color c) : c0(c), c1(c) {}  // NOLINT: a colour is the common case
  static Paint Linear(Point p0, Color c0, Point p1, Color c1) {
    Paint p(c0);
    p.c1 = c1;
    p.p0 = p0;
    p.p1 = p1;
    p.gradient = true;
    return p;
  }
  Color At(double x, double y) const {
    if (!gradient) return c0;
    const double dx = p1.x - p0.x, dy = p1.y - p0.y;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? ((x - p0.x) * dx + (y - p0.y) * dy) / len2 : 0.0;
    return Mix(c0, c1, t);
  }

  Color c0, c1;
  Point p0, p1;
  bool gradient = false;
};

// Maps drawing coordinates to pixels: pixel = drawing * scale + offset. Lets one drawing be
// reused at several sizes (the icon's emblem on the splash, for one).
struct Transform {
  double scale = 1;
  double dx = 0;
  double dy = 0;
};

class Canvas {
 public:
  static constexpr int kSubsamples = 4;  // per axis, so 16 samples a pixel

  Canvas(int width, int height, Color background = {0, 0, 0, 0})
      : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

  int width() const { return width_; }
  int height() const { return height_; }
  Color At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Color c) { pixels_[Index(x, y)] = c; }

  const Transform& transform() const { return transform_; }
  void set_transform(const Transform& t) { transform_ = t; }

  // Paints everything inside `shape`.
  void Fill(const Shape& shape, const Paint& paint) {
    Cover(shape.bounds, paint, [&](double x, double y) { return shape.distance(x, y) <= 0; });
  }

  // Paints a band `width` wide centred on the edge of `shape`; for a Path, the line itself.
  void Stroke(const Shape& shape, double width, const Paint& paint) {
    const double h = width / 2;
    Cover(shape.bounds.Grow(h), paint, [&](double x, double y) {
      return shape.distance(x, y) <= h && !DeepInside(shape, x, y, h);
    });
  }

  // Fills `shape` and then strokes its edge: the usual flat-picture look.
  void FillAndStroke(const Shape& shape, const Paint& fill, double width, const Paint& line) {
    Fill(shape, fill);
    Stroke(shape, width, line);
  }

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  // Whether the disc of radius h about (x, y) lies inside `shape`. Inside a union the distance
  // only tells the depth within the deepest part, so where parts overlap it can be near zero
  // far from the real edge; the disc is then checked on its rim instead.
  static bool DeepInside(const Shape& shape, double x, double y, double h) {
    const double d = shape.distance(x, y);
    if (d <= -h) return true;
    if (d > 0) return false;
    constexpr int kDirections = 16;
    for (int k = 0; k < kDirections; ++k) {
      const double a = k * 2 * std::numbers::pi / kDirections;
      if (shape.distance(x + h * std::cos(a), y + h * std::sin(a)) > 0) return false;
    }
    return true;
  }

  // Blends `paint` over every pixel in proportion to the share of its samples for which
  // `inside` holds. Samples and bounds are in drawing coordinates (before the transform).
  template <typename Inside>
  void Cover(const Box& bounds, const Paint& paint, Inside inside) {
    const Transform& t = transform_;
    const int px0 = std::max(0, static_cast<int>(std::floor(bounds.x0 * t.scale + t.dx)) - 1);
    const int py0 = std::max(0, static_cast<int>(std::floor(bounds.y0 * t.scale + t.dy)) - 1);
    const int px1 = std::min(width_, static_cast<int>(std::ceil(bounds.x1 * t.scale + t.dx)) + 1);
    const int py1 = std::min(height_, static_cast<int>(std::ceil(bounds.y1 * t.scale + t.dy)) + 1);
    constexpr double kStep = 1.0 / kSubsamples;
    for (int py = py0; py < py1; ++py) {
      for (int px = px0; px < px1; ++px) {
        int hits = 0;
        for (int sy = 0; sy < kSubsamples; ++sy) {
          for (int sx = 0; sx < kSubsamples; ++sx) {
            const double x = (px + (sx + 0.5) * kStep - t.dx) / t.scale;
            const double y = (py + (sy + 0.5) * kStep - t.dy) / t.scale;
            if (inside(x, y)) ++hits;
          }
        }
        if (hits == 0) continue;
        const double cx = (px + 0.5 - t.dx) / t.scale, cy = (py + 0.5 - t.dy) / t.scale;
        Blend(px, py, paint.At(cx, cy), hits / double(kSubsamples * kSubsamples));
      }
    }
  }

  // Source-over compositing of `src` at `coverage` onto the stored pixel.
  void Blend(int x, int y, Color src, double coverage) {
    Color& dst = pixels_[Index(x, y)];
    const double sa = src.a / 255.0 * coverage;
    const double da = dst.a / 255.0;
    const double oa = sa + da * (1 - sa);
    if (oa <= 0) return;
    auto channel = [&](uint8_t s, uint8_t d) {
      return static_cast<uint8_t>(std::lround((s * sa + d * da * (1 - sa)) / oa));
    };
    dst = {channel(src.r, dst.r), channel(src.g, dst.g), channel(src.b, dst.b),
           static_cast<uint8_t>(std::lround(oa * 255.0))};
  }

  int width_;
  int height_;
  std::vector<Color> pixels_;
  Transform transform_;
};

}  // namespace ventro::pictures
