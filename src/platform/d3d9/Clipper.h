// Clips a triangle in homogeneous clip space against the near and far planes
// (0 <= z <= w) and against a guard band around the viewport, before the
// perspective divide. What is left of the triangle is a convex polygon whose
// screen coordinates stay small enough for the rasterizer's fixed point.
#pragma once

#include "platform/d3d9/ClipVertex.h"

namespace platform::d3d9 {

class Clipper {
 public:
  // The guard band reaches this many viewport half-widths (and half-heights)
  // beyond the centre in each direction: |x| <= guardBand * w, |y| <= guardBand * w.
  static constexpr double guardBand = 64;
  // A triangle cut by all six planes has at most 3 + 6 corners.
  static constexpr int maxCorners = 9;

  // Bits of Outcode: which planes a vertex lies outside of.
  enum : unsigned {
    outsideViewport = 0x0F,  // one bit per side; a triangle outside one side is invisible
    outsideGuardBand = 0xF0,
    outsideDepthRange = 0x300,
  };
  static unsigned Outcode(const ClipVertex& vertex);

  // Clips the triangle; returns the number of corners written to `polygon`
  // (0 when nothing is left), in the triangle's winding order.
  int Clip(const ClipVertex (&triangle)[3], ClipVertex (&polygon)[maxCorners]) const;
};

}  // namespace platform::d3d9
