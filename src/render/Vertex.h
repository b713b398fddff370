// The two vertex layouts the render device hands to Direct3D.
#pragma once

#include <cstdint>

// Format 0x102 (XYZ | TEX1), 20 bytes: (u, v) = (0, 0) is the top-left texel.
struct TexturedVertex {
  float x, y, z;
  float u, v;
};

// Format 0x42 (XYZ | DIFFUSE), 16 bytes: colour is 0xAARRGGBB.
struct ColouredVertex {
  float x, y, z;
  std::uint32_t colour;
};

static_assert(sizeof(TexturedVertex) == 20);
static_assert(sizeof(ColouredVertex) == 16);
