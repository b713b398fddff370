#include "assets/VehicleArt.h"

#include <functional>
#include <vector>

#include "assets/Palette.h"

namespace assets {

namespace {

constexpr double outlineWidth = 0.2;  // one texture pixel
constexpr double shadowReach = 0.2;

// Both sides of the car: the same thing mirrored across its length.
CShape Mirrored(const std::function<CShape(double side)>& half) { return half(-1) | half(1); }

CShape Span(double rear, double front, double halfWidth, double radius = 0) {
  return CShape::Rectangle({rear, -halfWidth, front, halfWidth}, radius);
}

// A window that narrows from one end to the other, with rounded corners.
CShape Window(double rear, double rearHalfWidth, double front, double frontHalfWidth) {
  constexpr double round = 0.1;
  return CShape::Polygon({{rear + round, -rearHalfWidth + round},
                          {front - round, -frontHalfWidth + round},
                          {front - round, frontHalfWidth - round},
                          {rear + round, rearHalfWidth - round}})
      .Grown(round);
}

void DrawChassis(const CPainter& painter, const CShape& body, Colour paint) {
  painter.Shade(body.Grown(outlineWidth + shadowReach));
  painter.FillOutlined(body, paint, palette::ink, outlineWidth);
}

// Two lamps across the car at `x`, one near each side.
CShape LampPair(double x, double halfWidth) {
  return Mirrored([&](double side) {
    return CShape::Capsule({x, side * (halfWidth - 0.5)}, {x, side * (halfWidth - 0.3)}, 0.12);
  });
}

// Headlights at the two front corners and tail lights at the two rear ones.
void DrawLights(const CPainter& painter, double rear, double front, double halfWidth) {
  painter.Fill(LampPair(front - 0.15, halfWidth), palette::headlight);
  painter.Fill(LampPair(rear + 0.15, halfWidth), palette::taillight);
}

void DrawMirrors(const CPainter& painter, double x, double halfWidth, Colour paint) {
  painter.FillOutlined(
      Mirrored([&](double side) {
        return CShape::Capsule({x, side * halfWidth}, {x - 0.1, side * (halfWidth + 0.15)}, 0.1);
      }),
      paint, palette::ink, 0.1);
}

// The slow one: a delivery truck, a long cargo box behind a small cab.
void DrawTruck(const CPainter& painter) {
  constexpr double rear = -2.3, front = 2.3, halfWidth = 1.3;
  constexpr double boxFront = 0.8, cabRear = 1.0;
  const CShape cab = Span(cabRear, front, halfWidth - 0.1, 0.4);
  // The whole chassis in ink, so that a dark gap shows between cab and box.
  DrawChassis(painter, Span(rear, front - 0.4, halfWidth) | cab, palette::ink);
  painter.Fill(cab, palette::truckCab);
  painter.Fill(Window(front - 0.75, halfWidth - 0.3, front - 0.35, halfWidth - 0.2),
               palette::glass);
  painter.Fill(Span(rear, boxFront, halfWidth, 0.15), palette::truckBox);
  std::vector<CShape> ribs;
  for (double x = rear + 0.6; x < boxFront - 0.3; x += 0.8) {
    ribs.push_back(Span(x, x + 0.2, halfWidth - 0.2));
  }
  painter.Fill(CShape::Union(ribs), Darker(palette::truckBox, 0.12));
  DrawMirrors(painter, front - 0.9, halfWidth - 0.1, palette::truckCab);
  DrawLights(painter, rear, front, halfWidth);
}

// The middle one: a saloon with bonnet, windscreen, roof, rear window and boot.
void DrawSaloon(const CPainter& painter) {
  constexpr double rear = -2.1, front = 2.1, halfWidth = 1.1;
  DrawChassis(painter, Span(rear, front, halfWidth, 0.5), palette::saloon);
  painter.Fill(Window(0.3, halfWidth - 0.3, 0.95, halfWidth - 0.2), palette::glass);
  painter.Fill(Span(-0.95, 0.3, halfWidth - 0.3, 0.15), Lighter(palette::saloon, 0.18));
  painter.Fill(Window(-1.45, halfWidth - 0.25, -0.95, halfWidth - 0.3), palette::glassDark);
  DrawMirrors(painter, 0.75, halfWidth, palette::saloon);
  DrawLights(painter, rear, front, halfWidth);
}

// The fast one: a low sports car with a pointed nose, racing stripes, a
// bubble cockpit and a rear wing.
void DrawRacer(const CPainter& painter) {
  constexpr double rear = -2.3, front = 2.3, halfWidth = 1.1, round = 0.25;
  const CShape body = CShape::Polygon({{rear + round, -halfWidth + round},
                                       {0.9, -halfWidth + round},
                                       {front - round, -0.4},
                                       {front - round, 0.4},
                                       {0.9, halfWidth - round},
                                       {rear + round, halfWidth - round}})
                          .Grown(round);
  DrawChassis(painter, body, palette::racer);
  painter.Fill(Mirrored([](double side) {
                 return Span(rear + 0.3, front - 0.1, 0.1).Moved({0, side * 0.4});
               }) & body,
               palette::marking);
  painter.FillOutlined(CShape::Ellipse({-0.15, 0}, 0.85, 0.62), palette::glassDark, palette::ink,
                       0.1);
  painter.Fill(CShape::Ellipse({0.15, -0.2}, 0.3, 0.12), palette::glass);
  painter.Fill(Span(rear, rear + 0.35, halfWidth + 0.05, 0.1), palette::ink);  // the rear wing
  DrawLights(painter, rear + 0.35, front - 0.15, halfWidth - 0.15);
}

}  // namespace

void DrawCar(const CPainter& painter, int kind) {
  switch (kind) {
    case 0: DrawTruck(painter); break;
    case 1: DrawSaloon(painter); break;
    default: DrawRacer(painter); break;
  }
}

}  // namespace assets
