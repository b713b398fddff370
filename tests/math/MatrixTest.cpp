#include <gtest/gtest.h>

#include <cmath>

#include "math/Matrix4.h"

namespace {

constexpr double pi = 3.141592653589793;

// Checks that the point (x, y, z, w), as a row vector times the matrix, lands near `expected`.
void ExpectTransform(const Matrix4& m, const Vector3& point, double w, const Vector3& expected,
                     double expectedW = 1) {
  const double p[4] = {point.x, point.y, point.z, w};
  const double want[4] = {expected.x, expected.y, expected.z, expectedW};
  for (int c = 0; c < 4; ++c) {
    EXPECT_NEAR(want[c], p[0] * m[0][c] + p[1] * m[1][c] + p[2] * m[2][c] + p[3] * m[3][c], 1e-12)
        << "component " << c;
  }
}

}  // namespace

TEST(Matrix4, DefaultHasOnlyTheLastDiagonalElementIdentityAllFour) {
  const Matrix4 matrix, identity = Matrix4::Identity();
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(row == 3 && column == 3 ? 1.0 : 0.0, matrix[row][column]) << row << column;
      EXPECT_EQ(row == column ? 1.0 : 0.0, identity[row][column]) << row << column;
    }
  }
}

TEST(Matrix4, TranslationMovesPointsButNotDirections) {
  const Matrix4 translation = Matrix4::Translation({3, 4, 5});
  ExpectTransform(translation, {1, 1, 1}, 1, {4, 5, 6});
  ExpectTransform(translation, {1, 1, 1}, 0, {1, 1, 1}, 0);
}

TEST(Matrix4, RotationAboutTheDownAxisTurnsFromXTowardY) {
  const Matrix4 rotation = Matrix4::RotationAxis({0, 0, -1}, pi / 2);
  ExpectTransform(rotation, {1, 0, 0}, 1, {0, 1, 0});
  ExpectTransform(rotation, {0, 1, 0}, 1, {-1, 0, 0});
  ExpectTransform(rotation, {0, 0, 1}, 1, {0, 0, 1});
  // The cosine comes back from 1 - cos, which at 2 radians differs from cos(2) in the last bit.
  const Matrix4 turned = Matrix4::RotationAxis({0, 0, -1}, 2.0);
  ASSERT_NE(std::cos(2.0), 1 - (1 - std::cos(2.0)));
  EXPECT_EQ(1 - (1 - std::cos(2.0)), turned[0][0]);
  EXPECT_EQ(1 - (1 - std::cos(2.0)), turned[1][1]);
  EXPECT_EQ(std::sin(2.0), turned[0][1]);
  EXPECT_EQ(-std::sin(2.0), turned[1][0]);
}

TEST(Matrix4, RotationAboutAnyAxisLeavesTheAxisAndUndoesWithTheOppositeAngle) {
  const double length = std::sqrt(1.0 + 4.0 + 9.0);
  const Vector3 axis{1 / length, 2 / length, -3 / length};
  const Matrix4 forward = Matrix4::RotationAxis(axis, 1.1);
  ExpectTransform(forward, axis, 1, axis);
  const Matrix4 roundTrip = forward * Matrix4::RotationAxis(axis, -1.1);
  ExpectTransform(roundTrip, {1, 0, 0}, 0, {1, 0, 0}, 0);
  ExpectTransform(roundTrip, {0, 1, 0}, 0, {0, 1, 0}, 0);
}

TEST(Matrix4, ProductAppliesTheLeftMatrixFirstAndNegationFlipsVectors) {
  // The scene turns an object about its own origin, then moves it.
  const Matrix4 world =
      Matrix4::RotationAxis({0, 0, -1}, pi / 2) * Matrix4::Translation({10, 20, 0});
  ExpectTransform(world, {1, 0, 0}, 1, {10, 21, 0});
  const Vector3 negated = -Vector3{1.5, -2, 0};
  EXPECT_EQ(-1.5, negated.x);
  EXPECT_EQ(2.0, negated.y);
  EXPECT_TRUE(std::signbit(negated.z));
}
