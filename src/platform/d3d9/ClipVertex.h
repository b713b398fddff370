// A vertex after the world, view and projection transforms: homogeneous clip
// space position with the attributes the pixels need. Everything the clipper
// interpolates is linear in clip space, so a cut vertex is a plain blend.
#pragma once

namespace platform::d3d9 {

struct ClipVertex {
  double x, y, z, w;
  // Texture coordinate; (0, 0) is the top-left corner of the texture.
  double u, v;
  // Diffuse colour channels, 0 to 255: alpha, red, green, blue.
  double colour[4];
};

}  // namespace platform::d3d9
