#include "platform/d3d9/TriangleSetup.h"

#include <algorithm>

namespace platform::d3d9 {
namespace {

std::int64_t FloorDivide(std::int64_t value, std::int64_t positiveDivisor) {
  std::int64_t quotient = value / positiveDivisor;
  if (value % positiveDivisor < 0) --quotient;
  return quotient;
}

// The first and last pixel centre within [low, high] (1/256 pixel), kept inside [0, size).
void PixelRange(std::int64_t low, std::int64_t high, int size, int& first, int& last) {
  first = static_cast<int>(std::max<std::int64_t>(0, -FloorDivide(-low, TriangleSetup::subpixels)));
  last = static_cast<int>(
      std::min<std::int64_t>(size - 1, FloorDivide(high, TriangleSetup::subpixels)));
}

}  // namespace

void TriangleSetup::FloorQuotient::Start(std::int64_t value, std::int64_t positiveDivisor,
                                         std::int64_t step) {
  divisor = positiveDivisor;
  quotient = FloorDivide(value, divisor);
  remainder = value - quotient * divisor;
  stepQuotient = FloorDivide(step, divisor);
  stepRemainder = step - stepQuotient * divisor;
}

bool TriangleSetup::Prepare(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                            int width, int height) {
  const std::int64_t area = (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
  if (area <= 0) return false;
  PixelRange(std::min({a.x, b.x, c.x}), std::max({a.x, b.x, c.x}), width, left_, right_);
  PixelRange(std::min({a.y, b.y, c.y}), std::max({a.y, b.y, c.y}), height, top_, bottom_);
  if (left_ > right_ || top_ > bottom_) return false;

  leftCount_ = rightCount_ = rowTestCount_ = 0;
  AddEdge(a, b);
  AddEdge(b, c);
  AddEdge(c, a);
  const ScreenVertex* corners[3] = {&a, &b, &c};
  for (int i = 0; i < 3; ++i) {
    x_[i] = static_cast<double>(corners[i]->x) / subpixels;
    y_[i] = static_cast<double>(corners[i]->y) / subpixels;
  }
  area_ = static_cast<double>(area) / (subpixels * subpixels);
  return true;
}

// The edge function of from -> to at the pixel centre (px, py), in 1/256 pixel:
//   E = dx * (256 py - from.y) - dy * (256 px - from.x),
// positive on the triangle's side. A centre exactly on the edge (E = 0) is
// taken only for top and left edges, so the others are biased by one unit.
void TriangleSetup::AddEdge(const ScreenVertex& from, const ScreenVertex& to) {
  const std::int64_t dx = to.x - from.x;
  const std::int64_t dy = to.y - from.y;
  const bool topOrLeft = dy < 0 || (dy == 0 && dx > 0);
  const std::int64_t atRowStart =
      dx * (subpixels * top_ - from.y) + dy * from.x - (topOrLeft ? 0 : 1);
  const std::int64_t rowStep = subpixels * dx;
  if (dy < 0) {
    // E = atRowStart + 256 |dy| px >= 0 from px = -floor(atRowStart / (256 |dy|)) on.
    leftBounds_[leftCount_++].Start(atRowStart, -subpixels * dy, rowStep);
  } else if (dy > 0) {
    // E = atRowStart - 256 dy px >= 0 up to px = floor(atRowStart / (256 dy)).
    rightBounds_[rightCount_++].Start(atRowStart, subpixels * dy, rowStep);
  } else {
    rowTests_[rowTestCount_++] = RowTest{atRowStart, rowStep};
  }
}

Plane TriangleSetup::PlaneThrough(double a, double b, double c) const {
  Plane plane;
  plane.dx = ((b - a) * (y_[2] - y_[0]) - (c - a) * (y_[1] - y_[0])) / area_;
  plane.dy = ((c - a) * (x_[1] - x_[0]) - (b - a) * (x_[2] - x_[0])) / area_;
  plane.origin = a - x_[0] * plane.dx - y_[0] * plane.dy;
  return plane;
}

}  // namespace platform::d3d9
