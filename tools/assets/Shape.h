// A filled region given by its signed distance: negative inside, positive
// outside, in the units of the drawing. The distance gives anti-aliased edges
// and outlines (a grown copy) for free; the bounds keep filling cheap.
#pragma once

#include <functional>
#include <vector>

#include "assets/Geometry.h"

namespace assets {

class CShape {
 public:
  using Distance = std::function<double(Point)>;

  CShape(Distance distance, Box bounds);

  static CShape Circle(Point centre, double radius);
  static CShape Ellipse(Point centre, double radiusX, double radiusY);
  static CShape Rectangle(const Box& box, double cornerRadius = 0);
  // A line from a to b with round ends: all points within `radius` of it.
  static CShape Capsule(Point a, Point b, double radius);
  static CShape Polygon(std::vector<Point> corners);
  static CShape Ring(Point centre, double innerRadius, double outerRadius);
  // A line along a circle from one angle to another, with round ends.
  static CShape Arc(Point centre, double radius, double fromAngle, double toAngle,
                    double halfWidth);
  // Everything: the region of a whole canvas or tile.
  static CShape Everywhere(const Box& bounds);
  // All of the parts together; nothing at all for no parts.
  static CShape Union(std::vector<CShape> parts);

  double DistanceAt(Point p) const { return distance_(p); }
  const Box& Bounds() const { return bounds_; }

  // Grown outward by `by` (shrunk for a negative value).
  CShape Grown(double by) const;
  // Moved as the placement moves the drawing's units to its target.
  CShape Placed(const Placement& placement) const;
  CShape Moved(Point by) const { return Placed(Translation(by)); }

  friend CShape operator|(const CShape& a, const CShape& b);  // union
  friend CShape operator&(const CShape& a, const CShape& b);  // intersection
  friend CShape operator-(const CShape& a, const CShape& b);  // a without b

 private:
  Distance distance_;
  Box bounds_;
};

}  // namespace assets
