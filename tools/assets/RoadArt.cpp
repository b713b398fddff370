#include "assets/RoadArt.h"

#include <numbers>
#include <vector>

#include "assets/Palette.h"

namespace assets {

namespace {

constexpr Point middle{cellSize / 2, cellSize / 2};
constexpr double asphaltHalfWidth = 2.4;
constexpr double pavementWidth = 0.6;
constexpr double kerbWidth = 0.2;
constexpr double lineHalfWidth = 0.2;
constexpr double beyondEdge = 1;  // roads reach past the cell so its edge shows no road end

struct Side {
  Point direction;
  bool open;
};

std::array<Side, 4> Sides(RoadLinks links) {
  return {
      {{{-1, 0}, links.west}, {{1, 0}, links.east}, {{0, -1}, links.north}, {{0, 1}, links.south}}};
}

int LinkCount(RoadLinks links) {
  int count = 0;
  for (const Side& side : Sides(links)) count += side.open ? 1 : 0;
  return count;
}

bool IsBend(RoadLinks links) {
  return LinkCount(links) == 2 && links.west != links.east && links.north != links.south;
}

// A bend turns around the cell corner between its two links; its centre line
// is the quarter circle through the middles of the two edges.
Point BendCorner(RoadLinks links) {
  return {links.east ? cellSize : 0, links.south ? cellSize : 0};
}

Box Spanning(Point a, Point b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

Point Across(Point direction) { return {-direction.y, direction.x}; }

// A road's strip from the far side of the middle square out past the edge.
CShape Arm(Point direction, double halfWidth) {
  Point inner = middle - direction * halfWidth + Across(direction) * halfWidth;
  Point outer = middle + direction * (cellSize / 2 + beyondEdge) - Across(direction) * halfWidth;
  return CShape::Rectangle(Spanning(inner, outer));
}

// Rounds the inside corner between two roads: the corner square less a circle.
CShape Fillet(Point a, Point b, double halfWidth, double radius) {
  Point diagonal = a + b;
  Point corner = middle + diagonal * halfWidth;
  Point circleCentre = middle + diagonal * (halfWidth + radius);
  CShape square = CShape::Rectangle(Spanning(corner - diagonal, circleCentre));
  return square - CShape::Circle(circleCentre, radius);
}

// The region of a road cell within `halfWidth` of its centre lines: a quarter
// ring for a bend, otherwise the middle square with its arms and rounded
// inside corners. Corners curve around the same circles as bends do.
CShape RoadRegion(RoadLinks links, double halfWidth) {
  const double radius = cellSize / 2 - halfWidth;
  if (IsBend(links)) {
    return CShape::Ring(BendCorner(links), radius, cellSize / 2 + halfWidth);
  }
  std::vector<CShape> parts{CShape::Rectangle(Around(middle, halfWidth, halfWidth))};
  auto sides = Sides(links);
  for (const Side& side : sides) {
    if (side.open) parts.push_back(Arm(side.direction, halfWidth));
  }
  for (const Side& a : sides) {
    for (const Side& b : sides) {
      bool adjacent = Dot(a.direction, b.direction) == 0 && a.direction.x != 0;
      if (adjacent && a.open && b.open) {
        parts.push_back(Fillet(a.direction, b.direction, halfWidth, radius));
      }
    }
  }
  return CShape::Union(std::move(parts));
}

// Dashes of a road's centre line, at the same places in every cell so that
// the pattern runs on across cells: skeletons at 1.2..2.8 and 5.2..6.8 of 8.
constexpr double dashes[][2] = {{1.2, 2.8}, {5.2, 6.8}};

CShape StraightCentreLine(RoadLinks links) {
  std::vector<CShape> parts;
  for (const auto& dash : dashes) {
    Point from = links.north ? Point{middle.x, dash[0]} : Point{dash[0], middle.y};
    Point to = links.north ? Point{middle.x, dash[1]} : Point{dash[1], middle.y};
    parts.push_back(CShape::Capsule(from, to, lineHalfWidth));
  }
  return CShape::Union(std::move(parts));
}

CShape BendCentreLine(RoadLinks links) {
  Point corner = BendCorner(links);
  Point towardVertical = Point{middle.x, links.north ? 0 : cellSize} - corner;
  Point towardHorizontal = Point{links.west ? 0 : cellSize, middle.y} - corner;
  double a = std::atan2(towardVertical.y, towardVertical.x);
  double b = std::atan2(towardHorizontal.y, towardHorizontal.x);
  double turn = std::remainder(b - a, 2 * std::numbers::pi);  // a quarter, either way
  std::vector<CShape> parts;
  for (const auto& dash : dashes) {
    double from = a + turn * dash[0] / cellSize, to = a + turn * dash[1] / cellSize;
    parts.push_back(
        CShape::Arc(corner, cellSize / 2, std::min(from, to), std::max(from, to), lineHalfWidth));
  }
  return CShape::Union(std::move(parts));
}

// Zebra crossings on every road leaving a junction, just inside the cell edge.
CShape ZebraCrossings(RoadLinks links) {
  constexpr int stripes = 5;
  constexpr double stripeWidth = 0.4, margin = 0.6, near = 2.6, far = 3.8;
  std::vector<CShape> parts;
  for (const Side& side : Sides(links)) {
    if (!side.open) continue;
    for (int k = 0; k < stripes; ++k) {
      double across = -asphaltHalfWidth + margin + 2 * stripeWidth * k;
      Point a = middle + side.direction * near + Across(side.direction) * across;
      Point b = middle + side.direction * far + Across(side.direction) * (across + stripeWidth);
      parts.push_back(CShape::Rectangle(Spanning(a, b)));
    }
  }
  return CShape::Union(std::move(parts));
}

CShape Markings(RoadLinks links) {
  if (LinkCount(links) > 2) return ZebraCrossings(links);
  return IsBend(links) ? BendCentreLine(links) : StraightCentreLine(links);
}

}  // namespace

const std::array<RoadLinks, 11>& RoadTextureLinks() {
  // west, east, north, south
  static const std::array<RoadLinks, 11> links{{
      {false, false, true, true},  // Road0: north-south
      {true, true, false, false},  // Road1: west-east
      {false, true, true, false},  // Road2: bend north-east
      {true, false, true, false},  // Road3: bend north-west
      {false, true, false, true},  // Road4: bend south-east
      {true, false, false, true},  // Road5: bend south-west
      {false, true, true, true},   // Road6: junction without west
      {true, true, true, false},   // Road7: junction without south
      {true, false, true, true},   // Road8: junction without east
      {true, true, false, true},   // Road9: junction without north
      {true, true, true, true},    // Road10: crossing
  }};
  return links;
}

void DrawRoadCell(const CPainter& painter, RoadLinks links) {
  // Everything is cut at the cell's edge, which lies on pixel borders.
  const CShape cell = CShape::Rectangle({0, 0, cellSize, cellSize});
  const CShape asphalt = RoadRegion(links, asphaltHalfWidth);
  painter.Fill(cell, palette::ground);
  painter.Fill(RoadRegion(links, asphaltHalfWidth + pavementWidth) & cell, palette::pavement);
  painter.Fill(asphalt.Grown(kerbWidth) & cell, palette::kerb);
  painter.Fill(asphalt & cell, palette::asphalt);
  painter.Fill(Markings(links), LinkCount(links) > 2 ? palette::marking : palette::laneLine);
}

}  // namespace assets
