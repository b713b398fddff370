#include <gtest/gtest.h>

#include <numbers>

#include "assets/Font.h"
#include "assets/Shape.h"

using assets::CShape;
using assets::Placement;
using assets::Point;

namespace {

TEST(Shape, DistancesAreSignedAndExact) {
  const CShape circle = CShape::Circle({1, 1}, 2);
  EXPECT_DOUBLE_EQ(-2, circle.DistanceAt({1, 1}));
  EXPECT_DOUBLE_EQ(3, circle.DistanceAt({6, 1}));
  const CShape rounded = CShape::Rectangle({0, 0, 4, 2}, 1);
  EXPECT_DOUBLE_EQ(-1, rounded.DistanceAt({2, 1}));
  EXPECT_DOUBLE_EQ(0.5, rounded.DistanceAt({2, 2.5}));
  // Beyond a rounded corner the distance is to the arc, not to the box corner.
  EXPECT_NEAR(std::sqrt(2.0) - 1, rounded.DistanceAt({4, 2}), 1e-12);
  const CShape capsule = CShape::Capsule({0, 0}, {4, 0}, 1);
  EXPECT_DOUBLE_EQ(1, capsule.DistanceAt({2, 2}));
  EXPECT_DOUBLE_EQ(1, capsule.DistanceAt({6, 0}));
}

TEST(Shape, PolygonKnowsInsideFromOutsideOfConcaveCorners) {
  // An L: the notch at the top right is outside.
  const CShape l = CShape::Polygon({{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {0, 2}});
  EXPECT_LT(l.DistanceAt({0.5, 0.5}), 0);
  EXPECT_LT(l.DistanceAt({1.5, 1.5}), 0);
  EXPECT_NEAR(0.25, l.DistanceAt({1.5, 0.75}), 1e-12);
  EXPECT_NEAR(std::sqrt(1.25), l.DistanceAt({3, 2.5}), 1e-12);
}

TEST(Shape, CombinationsAndGrowing) {
  const CShape a = CShape::Circle({0, 0}, 1), b = CShape::Circle({3, 0}, 1);
  EXPECT_DOUBLE_EQ(-1, (a | b).DistanceAt({3, 0}));
  EXPECT_GT((a & b).DistanceAt({0, 0}), 0);
  EXPECT_GT((a - CShape::Circle({0, 0}, 0.5)).DistanceAt({0, 0}), 0);
  EXPECT_DOUBLE_EQ(-0.5, a.Grown(0.5).DistanceAt({0, 1}));
  EXPECT_GT(CShape::Union({}).DistanceAt({0, 0}), 1e6);
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
  const Point back = placement.Invert(placement.Apply(p));
  EXPECT_NEAR(p.x, back.x, 1e-12);
  EXPECT_NEAR(p.y, back.y, 1e-12);
  const Placement inner{{1, 0}, 3, std::numbers::pi / 2};
  const Point twice = placement.Apply(inner.Apply(p)), once = placement.Then(inner).Apply(p);
  EXPECT_NEAR(twice.x, once.x, 1e-12);
  EXPECT_NEAR(twice.y, once.y, 1e-12);
}

TEST(Shape, ArcRunsBetweenItsAngles) {
  const CShape arc = CShape::Arc({0, 0}, 4, 0, std::numbers::pi / 2, 0.25);
  EXPECT_NEAR(-0.25, arc.DistanceAt({0, 4}), 1e-12);
  EXPECT_NEAR(-0.25, arc.DistanceAt({4 * std::cos(0.7), 4 * std::sin(0.7)}), 1e-12);
  // Past its ends it is round: the distance is to the end point.
  EXPECT_NEAR(0.75, arc.DistanceAt({4, -1}), 1e-12);
  EXPECT_NEAR(std::sqrt(32.0) - 0.25, arc.DistanceAt({-4, 0}), 1e-12);
}

TEST(Font, SmallLettersDrawAsCapitalsAndUnknownCharactersAsSpaces) {
  const Point inside{0, 3};  // on the left stroke of both A and a
  EXPECT_DOUBLE_EQ(assets::GlyphShape('A', 0.5).DistanceAt(inside),
                   assets::GlyphShape('a', 0.5).DistanceAt(inside));
  EXPECT_LT(assets::GlyphShape('A', 0.5).DistanceAt(inside), 0);
  EXPECT_TRUE(assets::GlyphShape('#', 0.5).Bounds().Empty());
  EXPECT_DOUBLE_EQ(assets::GlyphWidth(' '), assets::GlyphWidth('#'));
  const assets::TextStyle style{.capHeight = 12, .weight = 0.5, .outlineWidth = 2};
  EXPECT_DOUBLE_EQ(4, assets::TextWidth("", style));
  EXPECT_LT(assets::TextWidth("11", style), assets::TextWidth("00", style));
}

}  // namespace
