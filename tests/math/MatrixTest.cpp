#include <gtest/gtest.h>

#include "math/Matrix4.h"

namespace {

// The point (x, y, z, w) as a row vector times the matrix, as Direct3D applies it.
void ExpectTransform(const Matrix4& m, const Vector3& p, double w, const Vector3& expected) {
  const double want[] = {expected.x, expected.y, expected.z};
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(want[c], p.x * m[0][c] + p.y * m[1][c] + p.z * m[2][c] + w * m[3][c], 1e-12)
        << "component " << c << " of (" << p.x << ", " << p.y << ", " << p.z << ", " << w << ")";
  }
}

// The scene turns an object about its own origin and the axis pointing down
// at the ground, from x toward y, then moves it; directions are only turned.
TEST(Matrix4, ProductTurnsAboutTheDownAxisFirstThenMovesPointsButNotDirections) {
  const Matrix4 world =
      Matrix4::RotationAxis({0, 0, -1}, 3.141592653589793 / 2) * Matrix4::Translation({10, 20, 30});
  ExpectTransform(world, {1, 0, 0}, 1, {10, 21, 30});
  ExpectTransform(world, {0, 1, 0}, 1, {9, 20, 30});
  ExpectTransform(world, {0, 0, 1}, 1, {10, 20, 31});
  ExpectTransform(world, {1, 0, 0}, 0, {0, 1, 0});
  // The camera moves the world by its negated position.
  ExpectTransform(Matrix4::Translation(-Vector3{1.5, -2, 3}), {0, 0, 0}, 1, {-1.5, 2, -3});
}

}  // namespace
