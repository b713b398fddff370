#include "platform/d3d9/Rasterizer.h"

#include <cmath>
#include <type_traits>

#include "platform/d3d9/Rounding.h"
#include "platform/d3d9/SoftTexture.h"
#include "platform/d3d9/SpanFill.h"

namespace platform::d3d9 {
namespace {

template <DepthMode depth, BlendMode blend>
struct PixelOps {
  static constexpr DepthMode depthMode = depth;
  static constexpr BlendMode blendMode = blend;
};

template <DepthMode depth, class Fn>
void WithBlend(BlendMode blend, Fn&& fn) {
  switch (blend) {
    case BlendMode::Replace: return fn(PixelOps<depth, BlendMode::Replace>{});
    case BlendMode::SourceAlpha: return fn(PixelOps<depth, BlendMode::SourceAlpha>{});
    case BlendMode::Factors: return fn(PixelOps<depth, BlendMode::Factors>{});
  }
}

// Turns the run-time depth mode and blend into compile-time ones.
template <class Fn>
void WithPixelOps(DepthMode depth, BlendMode blend, Fn&& fn) {
  switch (depth) {
    case DepthMode::Off: return WithBlend<DepthMode::Off>(blend, fn);
    case DepthMode::Test: return WithBlend<DepthMode::Test>(blend, fn);
    case DepthMode::TestWrite: return WithBlend<DepthMode::TestWrite>(blend, fn);
  }
}

bool SameColour(const ScreenVertex& a, const ScreenVertex& b) {
  for (int channel = 0; channel < 4; ++channel) {
    if (a.colour[channel] != b.colour[channel]) return false;
  }
  return true;
}

// The colour channels of a vertex as 0xAARRGGBB. Vertex colours come from
// packed values, so the channels are whole numbers unless clipping blended two
// different colours.
std::uint32_t Packed(const double (&colour)[4]) {
  std::uint32_t packed = 0;
  for (double channel : colour)
    packed = packed << 8 | static_cast<std::uint32_t>(RoundToInt64(channel));
  return packed;
}

// The affine loops step texture coordinates as 32.32 fixed point; they take
// triangles whose coordinates and per-pixel steps stay well inside that range.
constexpr double fixedLimit = 1 << 29;

bool FitsFixedPoint(double value) { return std::abs(value) < fixedLimit; }

std::int64_t ToFixed(double value) { return RoundToInt64(value * 4294967296.0); }

}  // namespace

void Rasterizer::DrawTriangle(const ClipVertex (&triangle)[3], const PixelState& state) {
  const unsigned codes[3] = {Clipper::Outcode(triangle[0]), Clipper::Outcode(triangle[1]),
                             Clipper::Outcode(triangle[2])};
  // All three corners beyond one side of the view: nothing of it shows.
  if ((codes[0] & codes[1] & codes[2] & (Clipper::outsideViewport | Clipper::outsideDepthRange)) !=
      0) {
    return;
  }
  if (((codes[0] | codes[1] | codes[2]) &
       (Clipper::outsideGuardBand | Clipper::outsideDepthRange)) == 0) {
    DrawPolygon(triangle, 3, state);
    return;
  }
  ClipVertex polygon[Clipper::maxCorners];
  DrawPolygon(polygon, clipper_.Clip(triangle, polygon), state);
}

void Rasterizer::DrawPolygon(const ClipVertex* corners, int count, const PixelState& state) {
  ScreenVertex screen[Clipper::maxCorners];
  for (int i = 0; i < count; ++i) {
    // w is at least z >= 0 after clipping; a corner at w = 0 sits in the eye.
    if (!(corners[i].w > 1e-30)) return;
    screen[i] = ToScreen(corners[i]);
  }
  for (int i = 1; i + 1 < count; ++i)
    DrawScreenTriangle(screen[0], screen[i], screen[i + 1], state);
}

ScreenVertex Rasterizer::ToScreen(const ClipVertex& vertex) const {
  const double halfWidth = target_.Width() / 2.0;
  const double halfHeight = target_.Height() / 2.0;
  ScreenVertex screen;
  screen.x = RoundToInt64((vertex.x / vertex.w + 1) * halfWidth * TriangleSetup::subpixels);
  screen.y = RoundToInt64((1 - vertex.y / vertex.w) * halfHeight * TriangleSetup::subpixels);
  screen.depth = vertex.z / vertex.w;
  screen.w = vertex.w;
  screen.u = vertex.u;
  screen.v = vertex.v;
  for (int channel = 0; channel < 4; ++channel) screen.colour[channel] = vertex.colour[channel];
  return screen;
}

void Rasterizer::DrawScreenTriangle(const ScreenVertex& a, const ScreenVertex& b,
                                    const ScreenVertex& c, const PixelState& state) {
  TriangleSetup setup;
  if (!setup.Prepare(a, b, c, target_.Width(), target_.Height())) return;
  const ScreenVertex corners[3] = {a, b, c};
  const bool flatColour = SameColour(a, b) && SameColour(b, c);
  const std::uint32_t colour = flatColour ? Packed(a.colour) : 0;
  if (state.texture == nullptr && flatColour) {
    DrawSolid(setup, corners, state, colour);
    return;
  }
  // Texels unchanged by a white diffuse colour, at one w (parallel to the
  // screen): texture coordinates are affine in screen space.
  const bool plainTexels =
      state.texture != nullptr && flatColour && (colour & 0xFFFFFF) == 0xFFFFFF;
  if (plainTexels && a.w == b.w && b.w == c.w) {
    DrawAffineTexture(setup, corners, state);
    return;
  }
  DrawPerspective(setup, corners, state, flatColour, colour);
}

template <class Ops, class Depth, class Source>
void Rasterizer::FillRun(int y, int first, int last, Depth depth, Source source,
                         const PixelState& state) {
  const int count = last - first + 1;
  if constexpr (Ops::depthMode != DepthMode::Off && std::is_same_v<Depth, FlatDepth>) {
    // Nothing in the row lies nearer: every pixel passes the test, and without
    // a blend the run overwrites what was there.
    if (depth.value <= target_.LowestDepth(y)) {
      std::uint32_t* colours = Ops::blendMode == BlendMode::Replace
                                   ? target_.ColourRowToOverwrite(y, first, last) + first
                                   : target_.ColourRow(y) + first;
      if constexpr (Ops::depthMode == DepthMode::TestWrite)
        target_.SetDepths(y, first, count, depth.value);
      FillSpan<DepthMode::Off, Ops::blendMode>(colours, nullptr, count, depth, source, state);
      return;
    }
  }
  std::uint32_t* colours = target_.ColourRow(y) + first;
  std::uint16_t* depths = target_.DepthRow(y) + first;
  if constexpr (Ops::depthMode == DepthMode::TestWrite)
    target_.NoteDepth(y, depth.LowestOver(count));
  FillSpan<Ops::depthMode, Ops::blendMode>(colours, depths, count, depth, source, state);
}

template <class Fill>
void Rasterizer::ForEachRun(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                            const PixelState& state, BlendMode blend, Fill&& fill) {
  const auto& [a, b, c] = corners;
  if (a.depth == b.depth && b.depth == c.depth) {
    const FlatDepth depth{RenderTarget::DepthValue(a.depth)};
    WithPixelOps(state.depthMode, blend, [&](auto ops) {
      setup.ForEachSpan([&](int y, int first, int last) { fill(ops, y, first, last, depth); });
    });
    return;
  }
  const Plane depthPlane = setup.PlaneThrough(a.depth, b.depth, c.depth);
  WithPixelOps(state.depthMode, blend, [&](auto ops) {
    setup.ForEachSpan([&](int y, int first, int last) {
      fill(ops, y, first, last, SlopedDepth{depthPlane.At(first, y), depthPlane.dx});
    });
  });
}

void Rasterizer::DrawSolid(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                           const PixelState& state, std::uint32_t colour) {
  const SolidSource source{colour};
  ForEachRun(setup, corners, state, state.Blend(colour >> 24 == 0xFF),
             [&](auto ops, int y, int first, int last, auto depth) {
               using Ops = decltype(ops);
               // On a freshly cleared row (the ground) the run takes the
               // place of the clear.
               if constexpr (std::is_same_v<decltype(depth), FlatDepth> &&
                             Ops::blendMode == BlendMode::Replace) {
                 if (target_.FillClearedRun(y, first, last, colour, depth.value, Ops::depthMode)) {
                   return;
                 }
               }
               FillRun<Ops>(y, first, last, depth, source, state);
             });
}

void Rasterizer::DrawAffineTexture(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                                   const PixelState& state) {
  const SoftTexture& texture = *state.texture;
  const int width = texture.Width();
  const int height = texture.Height();
  const auto& [a, b, c] = corners;
  const Plane u = setup.PlaneThrough(a.u * width + texelRounding, b.u * width + texelRounding,
                                     c.u * width + texelRounding);
  const Plane v = setup.PlaneThrough(a.v * height + texelRounding, b.v * height + texelRounding,
                                     c.v * height + texelRounding);
  // Every pixel of the triangle lies between its corners' values.
  const double extremes[] = {u.dx,        v.dx,         a.u * width,  b.u * width,
                             c.u * width, a.v * height, b.v * height, c.v * height};
  for (double value : extremes) {
    if (!FitsFixedPoint(value)) {
      DrawPerspective(setup, corners, state, true, Packed(a.colour));
      return;
    }
  }
  const std::int64_t du = ToFixed(u.dx);
  const std::int64_t dv = ToFixed(v.dx);
  ForEachRun(
      setup, corners, state, state.Blend(texture.IsOpaque()),
      [&](auto ops, int y, int first, int last, auto depth) {
        using Ops = decltype(ops);
        const TexelSource source{texture.Texels(),        width, ToFixed(u.At(first, y)),
                                 ToFixed(v.At(first, y)), du,    dv};
        const std::int64_t steps = last - first;
        const std::int64_t lastU = source.u + source.du * steps;
        const std::int64_t lastV = source.v + source.dv * steps;
        auto inside = [](std::int64_t from, std::int64_t to, std::int64_t size) {
          const auto limit = static_cast<std::uint64_t>(size);
          return static_cast<std::uint64_t>(from >> 32) < limit &&
                 static_cast<std::uint64_t>(to >> 32) < limit;
        };
        if (!inside(source.u, lastU, width) || !inside(source.v, lastV, height)) {
          FillRun<Ops>(y, first, last, depth, WrappingTexelSource{source, height}, state);
        } else if (source.dv == 0) {
          const TexelRowSource row{source.texels + (source.v >> 32) * width, source.u, source.du};
          FillRun<Ops>(y, first, last, depth, row, state);
        } else {
          FillRun<Ops>(y, first, last, depth, source, state);
        }
      });
}

void Rasterizer::DrawPerspective(const TriangleSetup& setup, const ScreenVertex (&corners)[3],
                                 const PixelState& state, bool flatColour, std::uint32_t colour) {
  // Named references rather than a structured binding, which a lambda may not capture before
  // C++20 compilers that implement P1091 (clang 16).
  const ScreenVertex& a = corners[0];
  const ScreenVertex& b = corners[1];
  const ScreenVertex& c = corners[2];
  auto overW = [&](auto attribute) {
    return setup.PlaneThrough(attribute(a) / a.w, attribute(b) / b.w, attribute(c) / c.w);
  };
  PerspectiveSource source{};
  source.reciprocalW = overW([](const ScreenVertex&) { return 1.0; });
  source.uOverW = overW([](const ScreenVertex& vertex) { return vertex.u; });
  source.vOverW = overW([](const ScreenVertex& vertex) { return vertex.v; });
  for (int channel = 0; channel < 4; ++channel) {
    source.colourOverW[channel] =
        overW([channel](const ScreenVertex& vertex) { return vertex.colour[channel]; });
  }
  source.flatColour = flatColour;
  source.colour = colour;
  bool opaque;
  if (state.texture != nullptr) {
    source.texels = state.texture->Texels();
    source.width = state.texture->Width();
    source.height = state.texture->Height();
    opaque = state.texture->IsOpaque();
  } else {
    opaque = a.colour[0] == 255 && b.colour[0] == 255 && c.colour[0] == 255;
  }
  ForEachRun(setup, corners, state, state.Blend(opaque),
             [&](auto ops, int y, int first, int last, auto depth) {
               PerspectiveSource run = source;
               run.x = first;
               run.y = y;
               FillRun<decltype(ops)>(y, first, last, depth, run, state);
             });
}

}  // namespace platform::d3d9
