#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "assets/Font.h"
#include "assets/Shape.h"

using assets::CShape;
using assets::Placement;
using assets::Point;

namespace {

TEST(Shape, DistancesAreSignedAndExact) {
  struct Case {
    const char* name;
    CShape shape;
    Point at;
    double distance;
  };
  const CShape rounded = CShape::Rectangle({0, 0, 4, 2}, 1);
  const CShape arc = CShape::Arc({0, 0}, 4, 0, std::numbers::pi / 2, 0.25);
  // An L: the notch at the top right is outside.
  const CShape l = CShape::Polygon({{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {0, 2}});
  const CShape a = CShape::Circle({0, 0}, 1), b = CShape::Circle({3, 0}, 1);
  const Case cases[] = {
      {"circle inside", CShape::Circle({1, 1}, 2), {1, 1}, -2},
      {"circle outside", CShape::Circle({1, 1}, 2), {6, 1}, 3},
      {"rectangle side", rounded, {2, 2.5}, 0.5},
      {"beyond a rounded corner: to the arc", rounded, {4, 2}, std::sqrt(2.0) - 1},
      {"capsule end", CShape::Capsule({0, 0}, {4, 0}, 1), {6, 0}, 1},
      {"concave polygon inside", l, {1.5, 1.5}, -0.5},
      {"concave polygon notch", l, {1.5, 0.75}, 0.25},
      {"arc along", arc, {4 * std::cos(0.7), 4 * std::sin(0.7)}, -0.25},
      {"arc past its end: round", arc, {4, -1}, 0.75},
      {"union", a | b, {3, 0}, -1},
      {"intersection", a & b, {0, 0}, 2},
      {"difference", a - CShape::Circle({0, 0}, 0.5), {0, 0}, 0.5},
      {"grown", a.Grown(0.5), {0, 1}, -0.5},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.distance, c.shape.DistanceAt(c.at), 1e-12) << c.name;
  EXPECT_TRUE(CShape::Union({}).Bounds().Empty());
}

TEST(Shape, PlacedShapesMeasureInTheTargetUnits) {
  // Twice as large, a quarter turn, moved to (10, 10): the drawing's +x points down.
  const Placement placement{{10, 10}, 2, std::numbers::pi / 2};
  const CShape placed = CShape::Capsule({0, 0}, {3, 0}, 0.5).Placed(placement);
  EXPECT_NEAR(-1, placed.DistanceAt({10, 13}), 1e-12);
  EXPECT_NEAR(1, placed.DistanceAt({12, 13}), 1e-12);
  EXPECT_NEAR(17, placed.Bounds().bottom, 1e-12);
  const Point p{0.3, -1.7};
  const Placement inner{{1, 0}, 3, std::numbers::pi / 2};
  const Point back = placement.Invert(placement.Then(inner).Apply(p)), once = inner.Apply(p);
  EXPECT_NEAR(once.x, back.x, 1e-12);
  EXPECT_NEAR(once.y, back.y, 1e-12);
}

TEST(Font, SmallLettersDrawAsCapitalsAndUnknownCharactersAsSpaces) {
  const Point inside{0, 3};  // on the left stroke of both A and a
  EXPECT_DOUBLE_EQ(assets::GlyphShape('A', 0.5).DistanceAt(inside),
                   assets::GlyphShape('a', 0.5).DistanceAt(inside));
  EXPECT_LT(assets::GlyphShape('A', 0.5).DistanceAt(inside), 0);
  EXPECT_TRUE(assets::GlyphShape('#', 0.5).Bounds().Empty());
  EXPECT_DOUBLE_EQ(assets::GlyphWidth(' '), assets::GlyphWidth('#'));
  const assets::TextStyle style{.capHeight = 12, .weight = 0.5, .outlineWidth = 2};
  EXPECT_LT(assets::TextWidth("11", style), assets::TextWidth("00", style));
}

}  // namespace
