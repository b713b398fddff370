// A quantity that varies linearly over the screen, such as z/w or u/w across
// one triangle: value = origin + x * dx + y * dy at the pixel centre (x, y).
#pragma once

namespace platform::d3d9 {

struct Plane {
  double origin = 0;
  double dx = 0;
  double dy = 0;

  double At(double x, double y) const { return origin + x * dx + y * dy; }
};

}  // namespace platform::d3d9
