// Colour arithmetic of the pixel pipeline on packed 0xAARRGGBB values: the
// texture stage (texture colour times diffuse colour) and the frame buffer
// blend (source x factor + destination x factor). Channels are 0 to 255 and
// stand for 0 to 1; every product is rounded to the nearest channel value, so
// a factor of 255 keeps a colour exactly and a factor of 0 removes it.
#pragma once

#include <cstdint>

#include "platform/D3D9.h"

namespace platform::d3d9 {

// Round(value / 255), exact up to 65535; larger values give at least 255.
constexpr std::uint32_t DivideBy255(std::uint32_t value) {
  value += 128;
  return (value + (value >> 8)) >> 8;
}

// The same for two channels at once, 16 bits apart (bits 0-15 and 16-31), each
// at most 255 * 255.
constexpr std::uint32_t DivideBy255Pair(std::uint32_t pair) {
  pair += 0x00800080u;
  return ((pair + ((pair >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// Texture stage 0: colour = texture x diffuse per channel, alpha = texture alpha.
constexpr std::uint32_t Modulate(std::uint32_t texel, std::uint32_t diffuse) {
  std::uint32_t result = texel & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t product = ((texel >> shift) & 0xFF) * ((diffuse >> shift) & 0xFF);
    result |= DivideBy255(product) << shift;
  }
  return result;
}

// source x alpha + destination x (1 - alpha), alpha from the source.
constexpr std::uint32_t BlendSourceAlpha(std::uint32_t source, std::uint32_t destination) {
  const std::uint32_t alpha = source >> 24;
  const std::uint32_t inverse = 255 - alpha;
  const std::uint32_t redBlue =
      DivideBy255Pair((source & 0x00FF00FFu) * alpha + (destination & 0x00FF00FFu) * inverse);
  const std::uint32_t green =
      DivideBy255Pair(((source >> 8) & 0xFFu) * alpha + ((destination >> 8) & 0xFFu) * inverse);
  return 0xFF000000u | redBlue | (green << 8);
}

// One blend factor per channel, 0 to 255, for the D3DBLEND values the device
// accepts. The back buffer has no alpha of its own.
constexpr std::uint32_t BlendFactor(D3DBLEND factor, std::uint32_t sourceChannel,
                                    std::uint32_t sourceAlpha) {
  switch (factor) {
    case D3DBLEND_ZERO: return 0;
    case D3DBLEND_ONE: return 255;
    case D3DBLEND_SRCCOLOR: return sourceChannel;
    case D3DBLEND_INVSRCCOLOR: return 255 - sourceChannel;
    case D3DBLEND_SRCALPHA: return sourceAlpha;
    case D3DBLEND_INVSRCALPHA: return 255 - sourceAlpha;
    default: return 0;  // the device accepts no other factor
  }
}

// source x sourceFactor + destination x destinationFactor, saturated.
constexpr std::uint32_t BlendWithFactors(std::uint32_t source, std::uint32_t destination,
                                         D3DBLEND sourceFactor, D3DBLEND destinationFactor) {
  const std::uint32_t alpha = source >> 24;
  std::uint32_t result = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t s = (source >> shift) & 0xFF;
    const std::uint32_t d = (destination >> shift) & 0xFF;
    const std::uint32_t sum =
        s * BlendFactor(sourceFactor, s, alpha) + d * BlendFactor(destinationFactor, s, alpha);
    const std::uint32_t channel = DivideBy255(sum);
    result |= (channel > 255 ? 255 : channel) << shift;
  }
  return result;
}

}  // namespace platform::d3d9
