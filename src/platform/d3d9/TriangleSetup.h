// Set-up of one screen triangle for the rasterizer: vertex positions snapped to
// 1/256 pixel, integer edge functions with the top-left fill rule as a bias,
// and for every row the exact run of pixel centres the triangle covers.
//
// Pixel centres lie at integer coordinates. A centre on an edge belongs to the
// triangle only when the edge is a top edge (horizontal, triangle below) or a
// left edge, so two triangles that share an edge cover every pixel along it
// exactly once. The edge values are 64-bit: the clipper keeps positions within
// the guard band, where products of two coordinates fit with room to spare.
#pragma once

#include <cstdint>

#include "platform/d3d9/Plane.h"

namespace platform::d3d9 {

// A vertex after the perspective divide and the viewport.
struct ScreenVertex {
  std::int64_t x, y;  // 1/256 pixel, origin at the centre of the top-left pixel
  double depth;       // z / w
  double w;
  double u, v;
  double colour[4];
};

class TriangleSetup {
 public:
  static constexpr int subpixelBits = 8;
  static constexpr std::int64_t subpixels = std::int64_t{1} << subpixelBits;

  // False when the triangle covers no pixel centre of the width x height
  // target: wound counter-clockwise on screen (culled), degenerate, or outside.
  bool Prepare(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c, int width,
               int height);

  // The plane through the three vertices' values of a quantity.
  Plane PlaneThrough(double a, double b, double c) const;

  // Calls span(y, firstX, lastX) for every row that has covered pixels, top down.
  template <class Span>
  void ForEachSpan(Span&& span) const;

 private:
  // floor(value / divisor) for a value that grows by a fixed step per row,
  // kept exact with a remainder instead of a division per row.
  struct FloorQuotient {
    std::int64_t quotient, remainder, divisor, stepQuotient, stepRemainder;
    void Start(std::int64_t value, std::int64_t positiveDivisor, std::int64_t step);
    void Advance() {
      quotient += stepQuotient;
      remainder += stepRemainder;
      if (remainder >= divisor) {
        remainder -= divisor;
        ++quotient;
      }
    }
  };

  // A horizontal edge: the whole row is inside or outside.
  struct RowTest {
    std::int64_t value, step;
  };

  void AddEdge(const ScreenVertex& from, const ScreenVertex& to);

  double x_[3], y_[3];               // vertex positions in pixels
  double area_;                      // twice the triangle's area, in square pixels
  int left_, right_, top_, bottom_;  // pixel bounds, inside the target
  // Edges that rise on screen (the triangle to their right) bound each row's
  // run from the left, falling ones from the right; a horizontal edge keeps or
  // drops whole rows. A triangle has at most two of the first two kinds and
  // one of the last.
  FloorQuotient leftBounds_[2] = {}, rightBounds_[2] = {};
  RowTest rowTests_[1] = {};
  int leftCount_ = 0, rightCount_ = 0, rowTestCount_ = 0;
};

template <class Span>
void TriangleSetup::ForEachSpan(Span&& span) const {
  FloorQuotient leftBounds[2] = {leftBounds_[0], leftBounds_[1]};
  FloorQuotient rightBounds[2] = {rightBounds_[0], rightBounds_[1]};
  RowTest rowTest = rowTests_[0];
  for (int y = top_; y <= bottom_; ++y) {
    std::int64_t first = left_;
    std::int64_t last = right_;
    for (int i = 0; i < leftCount_; ++i) {
      if (-leftBounds[i].quotient > first) first = -leftBounds[i].quotient;
      leftBounds[i].Advance();
    }
    for (int i = 0; i < rightCount_; ++i) {
      if (rightBounds[i].quotient < last) last = rightBounds[i].quotient;
      rightBounds[i].Advance();
    }
    bool inside = true;
    if (rowTestCount_ != 0) {
      inside = rowTest.value >= 0;
      rowTest.value += rowTest.step;
    }
    if (inside && first <= last) span(y, static_cast<int>(first), static_cast<int>(last));
  }
}

}  // namespace platform::d3d9
