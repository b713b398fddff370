#include "assets/IconArt.h"

#include <numbers>

#include "assets/CreatureArt.h"
#include "assets/Palette.h"
#include "assets/RoadArt.h"
#include "assets/RoadBlockArt.h"
#include "assets/VehicleArt.h"

namespace assets {

namespace {

// The icon is drawn on a square of this many world units, so that its car,
// road block and road have their sizes in play relative to each other.
constexpr double iconUnits = 16;
constexpr double roadTop = 5.5;  // a row of road cells crosses the icon below its middle
constexpr double roadMiddle = roadTop + cellSize / 2;

void DrawRoad(const CPainter& painter) {
  painter.Fill(CShape::Rectangle({0, 0, iconUnits, iconUnits}), palette::ground);
  for (double left = -cellSize / 2; left < iconUnits; left += cellSize) {
    DrawRoadCell(painter.Within(Translation({left, roadTop})), {true, true, false, false});
  }
}

void DrawTraffic(const CPainter& painter) {
  DrawCar(painter.Within(Translation({1.6, roadMiddle})), 2);
  DrawRoadBlock(painter.Within({{6.6, roadMiddle}, 1, std::numbers::pi / 2}));
}

// The frog, large and in mid-hop: its shadow falls on the road below it.
void DrawHoppingFrog(const CPainter& painter) {
  const Point frog{11.2, 5.4};
  painter.Shade(CShape::Ellipse(frog + Point{0.9, 3.4}, 1.9, 0.9));
  DrawFrog(painter.Within({frog, 2.7, -1.1}), FrogPose::Crouching);
}

}  // namespace

TranslucentImage DrawIcon(int size) {
  CCanvas canvas(size, size);
  const double scale = size / iconUnits;
  const CPainter painter(canvas, {{0, 0}, scale, 0});
  const double margin = 0.45;
  const CShape tile =
      CShape::Rectangle({margin, margin, iconUnits - margin, iconUnits - margin}, 3);
  const CPainter inside = painter.Clipped(tile);
  DrawRoad(inside);
  DrawTraffic(inside);
  DrawHoppingFrog(inside);
  painter.Fill(tile.Grown(margin) - tile, palette::ink);
  return canvas.ToTranslucentImage();
}

}  // namespace assets
