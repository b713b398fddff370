#include <gtest/gtest.h>

#include <cmath>

#include "render/Matrix4.h"

namespace {

constexpr double pi = 3.141592653589793;

// A point as a row vector (x, y, z, w) times the matrix.
struct Point4 {
  double x, y, z, w;
};

Point4 Transform(const Point4& p, const Matrix4& m) {
  auto column = [&](int c) {
    return p.x * m[0][c] + p.y * m[1][c] + p.z * m[2][c] + p.w * m[3][c];
  };
  return {column(0), column(1), column(2), column(3)};
}

void ExpectPointNear(const Point4& expected, const Point4& actual) {
  EXPECT_NEAR(expected.x, actual.x, 1e-12);
  EXPECT_NEAR(expected.y, actual.y, 1e-12);
  EXPECT_NEAR(expected.z, actual.z, 1e-12);
  EXPECT_NEAR(expected.w, actual.w, 1e-12);
}

int CountDifferences(const Matrix4& a, const Matrix4& b) {
  int differences = 0;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) differences += a[row][column] != b[row][column];
  }
  return differences;
}

}  // namespace

TEST(Matrix4, DefaultHasOnlyTheLastDiagonalElement) {
  const Matrix4 matrix;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(row == 3 && column == 3 ? 1.0 : 0.0, matrix[row][column]) << row << column;
    }
  }
  const Matrix4 identity = Matrix4::Identity();
  EXPECT_EQ(3, CountDifferences(matrix, identity));
  EXPECT_EQ(1.0, identity[0][0]);
  EXPECT_EQ(1.0, identity[1][1]);
  EXPECT_EQ(1.0, identity[2][2]);
}

TEST(Matrix4, TranslationMovesPointsButNotDirections) {
  const Matrix4 translation = Matrix4::Translation({3, 4, 5});
  ExpectPointNear({4, 5, 6, 1}, Transform({1, 1, 1, 1}, translation));
  ExpectPointNear({1, 1, 1, 0}, Transform({1, 1, 1, 0}, translation));
}

TEST(Matrix4, RotationAboutTheDownAxisTurnsFromXTowardY) {
  const Matrix4 rotation = Matrix4::RotationAxis({0, 0, -1}, pi / 2);
  ExpectPointNear({0, 1, 0, 1}, Transform({1, 0, 0, 1}, rotation));
  ExpectPointNear({-1, 0, 0, 1}, Transform({0, 1, 0, 1}, rotation));
  ExpectPointNear({0, 0, 1, 1}, Transform({0, 0, 1, 1}, rotation));

  const double angle = 0.7;
  const Matrix4 turned = Matrix4::RotationAxis({0, 0, -1}, angle);
  EXPECT_DOUBLE_EQ(std::cos(angle), turned[0][0]);
  EXPECT_EQ(std::sin(angle), turned[0][1]);
  EXPECT_EQ(-std::sin(angle), turned[1][0]);
  EXPECT_DOUBLE_EQ(std::cos(angle), turned[1][1]);
  EXPECT_EQ(1.0, turned[2][2]);
  EXPECT_EQ(1.0, turned[3][3]);
}

TEST(Matrix4, RotationTakesTheCosineBackFromOneMinusCosine) {
  // At 2 radians 1 - cos(2) rounds, so c = 1 - t differs from cos(2) in the last bit.
  const double angle = 2.0;
  ASSERT_NE(std::cos(angle), 1 - (1 - std::cos(angle)));
  const Matrix4 rotation = Matrix4::RotationAxis({0, 0, -1}, angle);
  EXPECT_EQ(1 - (1 - std::cos(angle)), rotation[0][0]);
  EXPECT_EQ(1 - (1 - std::cos(angle)), rotation[1][1]);
}

TEST(Matrix4, RotationAboutAnyAxisLeavesTheAxisAndUndoesWithTheOppositeAngle) {
  const double length = std::sqrt(1.0 + 4.0 + 9.0);
  const Vector3 axis{1 / length, 2 / length, -3 / length};
  const Matrix4 forward = Matrix4::RotationAxis(axis, 1.1);
  ExpectPointNear({axis.x, axis.y, axis.z, 1}, Transform({axis.x, axis.y, axis.z, 1}, forward));
  const Matrix4 roundTrip = forward * Matrix4::RotationAxis(axis, -1.1);
  ExpectPointNear({1, 0, 0, 0}, Transform({1, 0, 0, 0}, roundTrip));
  ExpectPointNear({0, 1, 0, 0}, Transform({0, 1, 0, 0}, roundTrip));
  ExpectPointNear({0, 0, 1, 0}, Transform({0, 0, 1, 0}, roundTrip));
}

TEST(Matrix4, ProductAppliesTheLeftMatrixFirst) {
  // The scene turns an object about its own origin, then moves it.
  const Matrix4 world =
      Matrix4::RotationAxis({0, 0, -1}, pi / 2) * Matrix4::Translation({10, 20, 0});
  ExpectPointNear({10, 21, 0, 1}, Transform({1, 0, 0, 1}, world));

  Matrix4 a, b;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      a[row][column] = row * 4 + column;
      b[row][column] = column == row ? 2 : (column == 0 ? 1 : 0);
    }
  }
  const Matrix4 product = a * b;
  // Row 1 of a is (4, 5, 6, 7): column 0 of b is (2, 1, 1, 1), column 1 is (0, 2, 0, 0).
  EXPECT_EQ(4 * 2 + 5 + 6 + 7, product[1][0]);
  EXPECT_EQ(10, product[1][1]);
}

TEST(Vector3, NegationFlipsEveryComponent) {
  const Vector3 negated = -Vector3{1.5, -2, 0};
  EXPECT_EQ(-1.5, negated.x);
  EXPECT_EQ(2.0, negated.y);
  EXPECT_EQ(-0.0, negated.z);
  EXPECT_TRUE(std::signbit(negated.z));
}
