#include "assets/Shape.h"

#include <numbers>
#include <utility>

namespace assets {

CShape::CShape(Distance distance, Box bounds) : distance_(std::move(distance)), bounds_(bounds) {}

CShape CShape::Circle(Point centre, double radius) {
  return CShape([=](Point p) { return Length(p - centre) - radius; },
                Around(centre, radius, radius));
}

CShape CShape::Ellipse(Point centre, double radiusX, double radiusY) {
  // A close approximation of the true distance, exact on the axes.
  return CShape(
      [=](Point p) {
        Point d = p - centre;
        double k0 = Length({d.x / radiusX, d.y / radiusY});
        double k1 = Length({d.x / (radiusX * radiusX), d.y / (radiusY * radiusY)});
        if (k1 == 0) return -std::min(radiusX, radiusY);
        return k0 * (k0 - 1) / k1;
      },
      Around(centre, radiusX, radiusY));
}

CShape CShape::Rectangle(const Box& box, double cornerRadius) {
  Point centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  Point half{(box.right - box.left) / 2 - cornerRadius, (box.bottom - box.top) / 2 - cornerRadius};
  return CShape(
      [=](Point p) {
        Point q{std::abs(p.x - centre.x) - half.x, std::abs(p.y - centre.y) - half.y};
        Point outside{std::max(q.x, 0.0), std::max(q.y, 0.0)};
        return Length(outside) + std::min(std::max(q.x, q.y), 0.0) - cornerRadius;
      },
      box);
}

CShape CShape::Capsule(Point a, Point b, double radius) {
  Point ab = b - a;
  double lengthSquared = Dot(ab, ab);
  return CShape(
      [=](Point p) {
        Point ap = p - a;
        double t = lengthSquared > 0 ? std::clamp(Dot(ap, ab) / lengthSquared, 0.0, 1.0) : 0;
        return Length(ap - ab * t) - radius;
      },
      Merged(Around(a, radius, radius), Around(b, radius, radius)));
}

CShape CShape::Polygon(std::vector<Point> corners) {
  Box bounds{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const Point& c : corners) bounds = Merged(bounds, Box{c.x, c.y, c.x, c.y});
  return CShape(
      [corners = std::move(corners)](Point p) {
        // Distance to the nearest edge; the sign from the crossing count.
        double nearest = Dot(p - corners[0], p - corners[0]);
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
          Point edge = corners[j] - corners[i];
          Point w = p - corners[i];
          Point b = w - edge * std::clamp(Dot(w, edge) / Dot(edge, edge), 0.0, 1.0);
          nearest = std::min(nearest, Dot(b, b));
          bool up = p.y >= corners[i].y, down = p.y < corners[j].y;
          bool left = edge.x * w.y > edge.y * w.x;
          if ((up && down && left) || (!up && !down && !left)) inside = !inside;
        }
        return inside ? -std::sqrt(nearest) : std::sqrt(nearest);
      },
      bounds);
}

CShape CShape::Ring(Point centre, double innerRadius, double outerRadius) {
  double middle = (innerRadius + outerRadius) / 2, half = (outerRadius - innerRadius) / 2;
  return CShape([=](Point p) { return std::abs(Length(p - centre) - middle) - half; },
                Around(centre, outerRadius, outerRadius));
}

CShape CShape::Arc(Point centre, double radius, double fromAngle, double toAngle,
                   double halfWidth) {
  const double middle = (fromAngle + toAngle) / 2, halfSpan = (toAngle - fromAngle) / 2;
  const Point from = centre + Point{std::cos(fromAngle), std::sin(fromAngle)} * radius;
  const Point to = centre + Point{std::cos(toAngle), std::sin(toAngle)} * radius;
  return CShape(
      [=](Point p) {
        Point d = p - centre;
        double offset = std::remainder(std::atan2(d.y, d.x) - middle, 2 * std::numbers::pi);
        if (std::abs(offset) <= halfSpan) return std::abs(Length(d) - radius) - halfWidth;
        return std::min(Length(p - from), Length(p - to)) - halfWidth;
      },
      Around(centre, radius + halfWidth, radius + halfWidth));
}

CShape CShape::Everywhere(const Box& bounds) {
  return CShape([](Point) { return -1e9; }, bounds);
}

CShape CShape::Union(std::vector<CShape> parts) {
  Box bounds{1, 1, 0, 0};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    bounds = i == 0 ? parts[i].bounds_ : Merged(bounds, parts[i].bounds_);
  }
  return CShape(
      [parts = std::move(parts)](Point p) {
        double nearest = 1e9;
        for (const CShape& part : parts) nearest = std::min(nearest, part.distance_(p));
        return nearest;
      },
      bounds);
}

CShape CShape::Grown(double by) const {
  return CShape([inner = distance_, by](Point p) { return inner(p) - by; },
                bounds_.Grown(std::max(by, 0.0)));
}

CShape CShape::Placed(const Placement& placement) const {
  // The inverse placement, worked out once rather than for every point.
  const double c = std::cos(placement.angle) / placement.scale;
  const double s = std::sin(placement.angle) / placement.scale;
  const Point origin = placement.origin;
  const double scale = placement.scale;
  return CShape(
      [inner = distance_, c, s, origin, scale](Point p) {
        Point d = p - origin;
        return inner({c * d.x + s * d.y, -s * d.x + c * d.y}) * scale;
      },
      placement.Apply(bounds_));
}

CShape operator|(const CShape& a, const CShape& b) {
  return CShape([da = a.distance_, db = b.distance_](Point p) { return std::min(da(p), db(p)); },
                Merged(a.bounds_, b.bounds_));
}

CShape operator&(const CShape& a, const CShape& b) {
  return CShape([da = a.distance_, db = b.distance_](Point p) { return std::max(da(p), db(p)); },
                Overlap(a.bounds_, b.bounds_));
}

CShape operator-(const CShape& a, const CShape& b) {
  return CShape([da = a.distance_, db = b.distance_](Point p) { return std::max(da(p), -db(p)); },
                a.bounds_);
}

}  // namespace assets
