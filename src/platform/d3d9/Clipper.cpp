#include "platform/d3d9/Clipper.h"

#include <utility>

namespace platform::d3d9 {
namespace {

// The planes a polygon is cut by, as signed distances: inside where >= 0.
constexpr int planeCount = 6;

double Distance(int plane, const ClipVertex& v) {
  constexpr double g = Clipper::guardBand;
  switch (plane) {
    case 0: return v.z;
    case 1: return v.w - v.z;
    case 2: return v.x + g * v.w;
    case 3: return g * v.w - v.x;
    case 4: return v.y + g * v.w;
    default: return g * v.w - v.y;
  }
}

// The point where the edge leaves the inside. It is always computed from the
// inside end, so two triangles that share an edge cut it at the same point.
ClipVertex Cut(const ClipVertex& inside, double insideDistance, const ClipVertex& outside,
               double outsideDistance) {
  const double t = insideDistance / (insideDistance - outsideDistance);
  auto blend = [t](double a, double b) { return a + t * (b - a); };
  ClipVertex cut;
  cut.x = blend(inside.x, outside.x);
  cut.y = blend(inside.y, outside.y);
  cut.z = blend(inside.z, outside.z);
  cut.w = blend(inside.w, outside.w);
  cut.u = blend(inside.u, outside.u);
  cut.v = blend(inside.v, outside.v);
  for (int channel = 0; channel < 4; ++channel) {
    cut.colour[channel] = blend(inside.colour[channel], outside.colour[channel]);
  }
  return cut;
}

// One Sutherland-Hodgman pass; returns the new corner count.
int ClipAgainst(int plane, const ClipVertex* in, int count, ClipVertex* out) {
  int written = 0;
  for (int i = 0; i < count; ++i) {
    const ClipVertex& current = in[i];
    const ClipVertex& next = in[(i + 1) % count];
    const double currentDistance = Distance(plane, current);
    const double nextDistance = Distance(plane, next);
    const bool currentInside = currentDistance >= 0;
    if (currentInside) out[written++] = current;
    if (currentInside != (nextDistance >= 0)) {
      out[written++] = currentInside ? Cut(current, currentDistance, next, nextDistance)
                                     : Cut(next, nextDistance, current, currentDistance);
    }
  }
  return written;
}

}  // namespace

unsigned Clipper::Outcode(const ClipVertex& v) {
  const double g = guardBand * v.w;
  unsigned code = 0;
  if (v.x < -v.w) code |= 0x01;
  if (v.x > v.w) code |= 0x02;
  if (v.y < -v.w) code |= 0x04;
  if (v.y > v.w) code |= 0x08;
  if (v.x < -g) code |= 0x10;
  if (v.x > g) code |= 0x20;
  if (v.y < -g) code |= 0x40;
  if (v.y > g) code |= 0x80;
  if (v.z < 0) code |= 0x100;
  if (v.z > v.w) code |= 0x200;
  return code;
}

int Clipper::Clip(const ClipVertex (&triangle)[3], ClipVertex (&polygon)[maxCorners]) const {
  ClipVertex scratch[maxCorners];
  ClipVertex* in = polygon;
  ClipVertex* out = scratch;
  for (int i = 0; i < 3; ++i) in[i] = triangle[i];
  int count = 3;
  for (int plane = 0; plane < planeCount && count > 0; ++plane) {
    count = ClipAgainst(plane, in, count, out);
    std::swap(in, out);
  }
  if (in != polygon) {
    for (int i = 0; i < count; ++i) polygon[i] = in[i];
  }
  return count < 3 ? 0 : count;
}

}  // namespace platform::d3d9
