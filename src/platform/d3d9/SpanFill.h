// The pixel loops of the software device: one horizontal run of covered pixels
// at a time, specialised at compile time for the depth mode, the blend and the
// way depth and colour vary along the run, so that the loops carry no per-pixel
// decisions about render states. The game draws only quads parallel to the
// screen, which take the flat-depth, affine-texture loops.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "platform/d3d9/Blending.h"
#include "platform/d3d9/PixelState.h"
#include "platform/d3d9/Plane.h"
#include "platform/d3d9/RenderTarget.h"
#include "platform/d3d9/Rounding.h"

namespace platform::d3d9 {

// Depth along a run: one value for a triangle parallel to the screen...
struct FlatDepth {
  std::uint16_t value;
  std::uint16_t Value() const { return value; }
  void Advance() {}
  std::uint16_t LowestOver(int /*count*/) const { return value; }
};

// ... or z/w stepped per pixel.
struct SlopedDepth {
  double value;
  double step;
  std::uint16_t Value() const { return RenderTarget::DepthValue(value); }
  void Advance() { value += step; }
  // The lowest depth of the next `count` pixels: z/w runs straight along a row.
  std::uint16_t LowestOver(int count) const {
    return std::min(Value(), RenderTarget::DepthValue(value + step * (count - 1)));
  }
};

// One colour for the whole run.
struct SolidSource {
  std::uint32_t colour;
  std::uint32_t Colour() const { return colour; }
  void Advance() {}
};

// Texture coordinates in texels with 32 fractional bits, stepped per pixel;
// the texel is the integer part. The run stays inside the texture.
struct TexelSource {
  const std::uint32_t* texels;
  std::int64_t width;
  std::int64_t u, v;
  std::int64_t du, dv;
  std::uint32_t Colour() const { return texels[(v >> 32) * width + (u >> 32)]; }
  void Advance() {
    u += du;
    v += dv;
  }
};

// The same along one row of texels, where the run keeps v (quads parallel to
// the screen and to its axes: the road tiles).
struct TexelRowSource {
  const std::uint32_t* row;
  std::int64_t u, du;
  std::uint32_t Colour() const { return row[u >> 32]; }
  void Advance() { u += du; }
  // A picture drawn at its own size (the title screen, the sprites): the run
  // takes consecutive texels.
  bool OneTexelPerPixel() const { return du == std::int64_t{1} << 32; }
};

// The same for a run that leaves the texture and wraps around.
struct WrappingTexelSource {
  TexelSource texel;
  std::int64_t height;
  std::uint32_t Colour() const {
    return texel
        .texels[Wrap(texel.v >> 32, height) * texel.width + Wrap(texel.u >> 32, texel.width)];
  }
  void Advance() { texel.Advance(); }
  static std::int64_t Wrap(std::int64_t coordinate, std::int64_t size) {
    const std::int64_t wrapped = coordinate % size;
    return wrapped < 0 ? wrapped + size : wrapped;
  }
};

// Where a texture coordinate lands on a texel border, float rounding must not
// tip it into the texel before: coordinates are resolved to 1/256 texel,
// rounded to nearest, as texture units do, and then cut to the texel.
constexpr double texelRounding = 1.0 / 512;

// Anything else, per pixel: perspective-correct texture coordinates and
// colours (interpolated over w, then divided by the interpolated 1/w).
struct PerspectiveSource {
  const std::uint32_t* texels;  // null for an untextured triangle
  int width, height;
  Plane reciprocalW, uOverW, vOverW;
  Plane colourOverW[4];  // alpha, red, green, blue
  bool flatColour;
  std::uint32_t colour;  // when flatColour
  double x, y;

  std::uint32_t Colour() const {
    const double w = 1 / reciprocalW.At(x, y);
    const std::uint32_t diffuse = flatColour ? colour : DiffuseAt(w);
    if (texels == nullptr) return diffuse;
    const int column = Texel(uOverW.At(x, y) * w, width);
    const int row = Texel(vOverW.At(x, y) * w, height);
    return Modulate(texels[static_cast<std::size_t>(row) * width + column], diffuse);
  }
  void Advance() { x += 1; }

  std::uint32_t DiffuseAt(double w) const {
    std::uint32_t packed = 0;
    for (int channel = 0; channel < 4; ++channel) {
      const double value = colourOverW[channel].At(x, y) * w;
      const double clamped = value > 0 ? std::min(value, 255.0) : 0.0;
      packed = packed << 8 | static_cast<std::uint32_t>(RoundToInt64(clamped));
    }
    return packed;
  }

  // floor(coordinate x size) wrapped into [0, size).
  static int Texel(double coordinate, int size) {
    const double texel = std::floor(coordinate * size + texelRounding);
    if (!std::isfinite(texel)) return 0;
    const double wrapped = texel - size * std::floor(texel / size);
    return wrapped >= 0 && wrapped < size ? static_cast<int>(wrapped) : 0;
  }
};

// One pixel of the source colour against the back buffer.
template <BlendMode blendMode>
inline void WritePixel(std::uint32_t& destination, std::uint32_t source, const PixelState& state) {
  if constexpr (blendMode == BlendMode::Replace) {
    destination = source | 0xFF000000u;
  } else if constexpr (blendMode == BlendMode::SourceAlpha) {
    // Cut-out pictures (frogs, cars) are mostly see-through or solid texels,
    // which need no arithmetic; the blend gives the same for them.
    const std::uint32_t alpha = source >> 24;
    if (alpha == 0xFF) {
      destination = source;
    } else if (alpha != 0) {
      destination = BlendSourceAlpha(source, destination);
    }
  } else {
    destination = BlendWithFactors(source, destination, state.sourceBlend, state.destinationBlend);
  }
}

// A solid run at one depth, written as selects so that the compiler can
// vectorise it: the ground and every untextured quad.
template <DepthMode depthMode>
inline void FillSolidRun(std::uint32_t* colours, std::uint16_t* depths, int count,
                         std::uint16_t depth, std::uint32_t colour) {
  colour |= 0xFF000000u;
  for (int i = 0; i < count; ++i) {
    const bool passes = depthMode == DepthMode::Off || depth <= depths[i];
    colours[i] = passes ? colour : colours[i];
    if constexpr (depthMode == DepthMode::TestWrite) depths[i] = passes ? depth : depths[i];
  }
}

// Consecutive texels copied without a depth test or a blend, a plain loop the
// compiler vectorises.
inline void CopyTexels(std::uint32_t* colours, const std::uint32_t* texels, int count) {
  for (int i = 0; i < count; ++i) colours[i] = texels[i] | 0xFF000000u;
}

// `count` pixels from colours[0] / depths[0] on: the depth test (less or equal),
// the depth write (also where the source is fully transparent: there is no
// alpha test) and the blend.
template <DepthMode depthMode, BlendMode blendMode, class Depth, class Source>
inline void FillSpan(std::uint32_t* colours, std::uint16_t* depths, int count, Depth depth,
                     Source source, const PixelState& state) {
  if constexpr (std::is_same_v<Depth, FlatDepth> && std::is_same_v<Source, SolidSource> &&
                blendMode == BlendMode::Replace) {
    FillSolidRun<depthMode>(colours, depths, count, depth.value, source.colour);
    return;
  }
  if constexpr (std::is_same_v<Source, TexelRowSource> && depthMode == DepthMode::Off &&
                blendMode == BlendMode::Replace) {
    if (source.OneTexelPerPixel()) {
      CopyTexels(colours, source.row + (source.u >> 32), count);
      return;
    }
  }
  for (int i = 0; i < count; ++i, depth.Advance(), source.Advance()) {
    if constexpr (depthMode != DepthMode::Off) {
      const std::uint16_t z = depth.Value();
      if (z > depths[i]) continue;
      if constexpr (depthMode == DepthMode::TestWrite) depths[i] = z;
    }
    WritePixel<blendMode>(colours[i], source.Colour(), state);
  }
}

}  // namespace platform::d3d9
