// A 4 x 4 double matrix in Direct3D's row-vector convention: a point is a row
// vector to the left of the matrix (p' = p * M), so translation sits in the
// last row. Header-only, used by the game rules for their camera and by the
// renderer for Direct3D's transforms.
#pragma once

#include <cmath>

#include "math/Vector3.h"

struct Matrix4 {
  // m[row][column].
  double m[4][4];

  // All zero except m[3][3] = 1: deliberately not an identity, because the
  // game's projection is filled in on top of it and keeps that 1.
  Matrix4() : m{} { m[3][3] = 1; }

  static Matrix4 Identity() {
    Matrix4 identity;
    identity.m[0][0] = identity.m[1][1] = identity.m[2][2] = 1;
    return identity;
  }

  static Matrix4 Translation(const Vector3& offset) {
    Matrix4 translation = Identity();
    translation.m[3][0] = offset.x;
    translation.m[3][1] = offset.y;
    translation.m[3][2] = offset.z;
    return translation;
  }

  // Rotation by `angle` radians about the unit vector `axis`. c is recovered
  // from t = 1 - cos(angle), so the diagonal rounds exactly as the scene
  // transforms always have.
  static Matrix4 RotationAxis(const Vector3& axis, double angle) {
    const double t = 1 - std::cos(angle);
    const double c = 1 - t;
    const double s = std::sin(angle);
    const double x = axis.x, y = axis.y, z = axis.z;
    Matrix4 rotation;
    rotation.m[0][0] = t * x * x + c;
    rotation.m[0][1] = t * x * y - s * z;
    rotation.m[0][2] = t * x * z + s * y;
    rotation.m[1][0] = t * x * y + s * z;
    rotation.m[1][1] = t * y * y + c;
    rotation.m[1][2] = t * y * z - s * x;
    rotation.m[2][0] = t * x * z - s * y;
    rotation.m[2][1] = t * y * z + s * x;
    rotation.m[2][2] = t * z * z + c;
    return rotation;
  }

  Matrix4 operator*(const Matrix4& right) const {
    Matrix4 product;
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 4; ++column) {
        double sum = 0;
        for (int k = 0; k < 4; ++k) sum += m[row][k] * right.m[k][column];
        product.m[row][column] = sum;
      }
    }
    return product;
  }

  double* operator[](int row) { return m[row]; }
  const double* operator[](int row) const { return m[row]; }
};
