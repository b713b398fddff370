// A point or direction in world space, in double precision.
#pragma once

struct Vector3 {
  double x = 0;
  double y = 0;
  double z = 0;

  Vector3 operator-() const { return {-x, -y, -z}; }
};
