// Draws triangles given in clip space into a render target, with Direct3D 9's
// rules: near and far clipping before the divide, the viewport over the whole
// target, counter-clockwise triangles culled, pixel centres at integer
// coordinates with the top-left fill rule, and the pixel pipeline of
// PixelState (16-bit depth, less-or-equal, blending, point-sampled wrapping
// textures).
#pragma once

#include <cstdint>

#include "platform/d3d9/ClipVertex.h"
#include "platform/d3d9/Clipper.h"
#include "platform/d3d9/PixelState.h"
#include "platform/d3d9/RenderTarget.h"
#include "platform/d3d9/TriangleSetup.h"

namespace platform::d3d9 {

class Rasterizer {
 public:
  explicit Rasterizer(RenderTarget& target) : target_(target) {}

  void DrawTriangle(const ClipVertex (&triangle)[3], const PixelState& state);

 private:
  void DrawPolygon(const ClipVertex* corners, int count, const PixelState& state);
  ScreenVertex ToScreen(const ClipVertex& vertex) const;
  void DrawScreenTriangle(const ScreenVertex& a, const ScreenVertex& b, const ScreenVertex& c,
                          const PixelState& state);

  // The three ways of colouring a triangle, fastest first.
  void DrawSolid(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                 const PixelState& state, std::uint32_t colour);
  void DrawAffineTexture(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                         const PixelState& state);
  void DrawPerspective(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                       const PixelState& state, bool flatColour, std::uint32_t colour);

  // Calls fill(ops, y, first, last, depth) for every run of covered pixels,
  // with ops naming the depth mode and blend at compile time and depth the
  // depth at the run's first pixel.
  template <class Fill>
  void ForEachRun(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                  const PixelState& state, BlendMode blend, Fill&& fill);

  template <class Ops, class Depth, class Source>
  void FillRun(int y, int first, int last, Depth depth, Source source, const PixelState& state);

  RenderTarget& target_;
  Clipper clipper_;
};

}  // namespace platform::d3d9
