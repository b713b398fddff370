// Points, boxes and placements: the plain geometry the drawing code shares.
#pragma once

#include <algorithm>
#include <cmath>

namespace assets {

struct Point {
  double x = 0;
  double y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double s) { return {a.x * s, a.y * s}; }
inline double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
inline double Length(Point a) { return std::sqrt(Dot(a, a)); }

// An axis-aligned box; an empty one has left > right or top > bottom.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  bool Empty() const { return left > right || top > bottom; }
  Box Grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

inline Box Around(Point centre, double halfWidth, double halfHeight) {
  return {centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight};
}
inline Box Merged(const Box& a, const Box& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}
inline Box Overlap(const Box& a, const Box& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// Where a drawing's own units land: a point p of the drawing lands on
// origin + scale * (p turned by angle). Angles turn +x toward +y, as on screen.
struct Placement {
  Point origin;
  double scale = 1;
  double angle = 0;

  Point Apply(Point p) const {
    double c = std::cos(angle), s = std::sin(angle);
    return origin + Point{c * p.x - s * p.y, s * p.x + c * p.y} * scale;
  }
  Point Invert(Point q) const {
    double c = std::cos(angle), s = std::sin(angle);
    Point d = (q - origin) * (1 / scale);
    return {c * d.x + s * d.y, -s * d.x + c * d.y};
  }
  // The placement of a drawing placed by `inner` inside this one.
  Placement Then(const Placement& inner) const {
    return {Apply(inner.origin), scale * inner.scale, angle + inner.angle};
  }
  // The bounding box, in this placement's target, of a box of the drawing.
  Box Apply(const Box& b) const {
    Point corners[] = {Apply(Point{b.left, b.top}), Apply(Point{b.right, b.top}),
                       Apply(Point{b.left, b.bottom}), Apply(Point{b.right, b.bottom})};
    Box out{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (const Point& p : corners) out = Merged(out, Box{p.x, p.y, p.x, p.y});
    return out;
  }
};

inline Placement Translation(Point to) { return {to, 1, 0}; }

}  // namespace assets
