// Triangles through the world, view and projection transforms: the game's own
// camera over a ground quad far larger than the screen, and a textured floor
// in perspective, compared with a picture computed independently here by
// casting a ray through each pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "TestDevice.h"
#include "math/Matrix4.h"
#include "render/Vertex.h"
#include "tests/platform/HeadlessFixture.h"

using platform_test::PresentedFrame;
using render_test::TestDevice;

namespace {

bool NearWhole(double value) { return std::abs(value - std::round(value)) < 1e-3; }

class SoftProjection : public HeadlessFixture {};

TEST_F(SoftProjection, GroundQuadFarLargerThanTheScreenCoversEachPixelOnce) {
  constexpr int width = 256, height = 192;
  // The game's projection: w is the view depth plus 1.
  Matrix4 projection;
  projection.m[0][0] = 2;
  projection.m[1][1] = -8.0 / 3;
  projection.m[2][2] = 1.0019569471624266;
  projection.m[2][3] = 1;
  projection.m[3][2] = -2.003913894324853;
  // Blue 1, added: a pixel's blue counts how often the ground covered it.
  const ColouredVertex v1{-2400, -2400, 0, 0xFF000001}, v2{2400, -2400, 0, 0xFF000001};
  const ColouredVertex v3{-2400, 2400, 0, 0xFF000001}, v4{2400, 2400, 0, 0xFF000001};
  TestDevice device(width, height);
  CRenderDevice& render = device.Render();
  device.Device()->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
  device.Device()->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
  render.SetTransform(TransformKind::Projection, projection);
  struct Camera {
    double x, y, zoom;
  };
  for (const Camera camera :
       {Camera{0, 0, 200}, {2390, -2390, 200}, {-2400, 37.3, 731}, {0, 0, 2}}) {
    // The world transform moves the ground across, the view up and away.
    render.SetTransform(TransformKind::World, Matrix4::Translation(Vector3{-camera.x, 0, 0}));
    render.SetTransform(TransformKind::View,
                        Matrix4::Translation(Vector3{0, -camera.y, camera.zoom}));
    device.BeginFrame(0xFF000000);
    render.DrawColouredTriangle(v1, v2, v3);
    render.DrawColouredTriangle(v2, v4, v3);
    const PresentedFrame frame = device.EndFrame();

    // A ground point lands (zoom + 1) / width world units per pixel from the centre.
    const double pixelsPerUnit = width / (camera.zoom + 1);
    const double left = width / 2.0 + (-2400 - camera.x) * pixelsPerUnit;
    const double right = width / 2.0 + (2400 - camera.x) * pixelsPerUnit;
    const double top = height / 2.0 + (-2400 - camera.y) * pixelsPerUnit;
    const double bottom = height / 2.0 + (2400 - camera.y) * pixelsPerUnit;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const unsigned expected = x >= left && x < right && y >= top && y < bottom ? 1 : 0;
        const bool onEdge = NearWhole(x - left) || NearWhole(x - right) || NearWhole(y - top) ||
                            NearWhole(y - bottom);
        const unsigned count = frame.Colour(x, y);
        if (!(onEdge && count <= 1)) {
          ASSERT_EQ(expected, count) << "camera (" << camera.x << ", " << camera.y << ", "
                                     << camera.zoom << ") pixel (" << x << ", " << y << ")";
        }
      }
    }
  }
}

TEST_F(SoftProjection, TexturedFloorCutAtTheNearPlaneMatchesARayCastPicture) {
  constexpr int size = 96, width = 37, height = 21;
  // View depth z lands at clip z = z - 0.5 and w = z: the near plane is at
  // depth 0.5 and a point (x, y, z) appears at (x / z, y / z).
  Matrix4 projection = Matrix4::Identity();
  projection.m[2][3] = 1;
  projection.m[3][2] = -0.5;
  projection.m[3][3] = 0;
  TestDevice device(size, size);
  CRenderDevice& render = device.Render();
  render.SetTransform(TransformKind::Projection, projection);
  CTexture* texture =
      render.CreateTexture(width, height, render_test::Positions(width, height).data());
  // A floor 0.3 below the eye, u from 0 to 2 across, v from 0 at depth 6 to 1
  // at depth -1, behind the eye.
  const TexturedVertex farLeft{-1.2f, -0.3f, 6, 0, 0}, farRight{1.2f, -0.3f, 6, 2, 0};
  const TexturedVertex nearLeft{-1.2f, -0.3f, -1, 0, 1}, nearRight{1.2f, -0.3f, -1, 2, 1};
  device.BeginFrame(0xFFFFFFFF);
  render.DrawTexturedTriangle(farLeft, farRight, nearLeft, texture);
  render.DrawTexturedTriangle(farRight, nearRight, nearLeft, texture);
  const PresentedFrame frame = device.EndFrame();
  int compared = 0;
  for (int y = 0; y < size; ++y) {
    // The ray through pixel (x, y) meets the floor's plane at depth 0.3 / dy.
    const double dy = 2.0 * y / size - 1, depth = dy > 0 ? 0.3 / dy : 1e9;
    for (int x = 0; x < size; ++x) {
      const double across = (2.0 * x / size - 1) * depth;
      const double u = (across + 1.2) / 1.2 * width, v = (6 - depth) / 7 * height;
      const bool onFloor = std::abs(across) < 1.2 && depth > 0.5 && depth < 6;
      // Pixels on an edge or a texel border could go either way.
      const bool nearAnEdge = std::abs(std::abs(across) - 1.2) < 1e-3 ||
                              std::abs(depth - 6) < 1e-3 || std::abs(depth - 0.5) < 1e-3;
      if (nearAnEdge || (onFloor && (NearWhole(u) || NearWhole(v)))) continue;
      ++compared;
      ASSERT_EQ(onFloor ? render_test::Position(int(u) % width, int(v)) : 0xFFFFFFu,
                frame.Colour(x, y))
          << "pixel (" << x << ", " << y << ")";
    }
  }
  EXPECT_GT(compared, size * size * 9 / 10);
}

}  // namespace
