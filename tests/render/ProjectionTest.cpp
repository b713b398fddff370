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

TEST_F(SoftProjection, TexturedFloorInPerspectiveMatchesARayCastPicture) {
  constexpr int size = 96, textureWidth = 37, textureHeight = 21;
  // View depth z lands at clip z = z - 0.5 and w = z: the near plane is at
  // depth 0.5 and a point (x, y, z) appears at (x / z, y / z).
  Matrix4 projection = Matrix4::Identity();
  projection.m[2][3] = 1;
  projection.m[3][2] = -0.5;
  projection.m[3][3] = 0;
  TestDevice device(size, size);
  IDirect3DDevice9* d = device.Device();
  device.Render().SetTransform(TransformKind::Projection, projection);
  IDirect3DTexture9* texture = device.MakeTexture(
      textureWidth, textureHeight, render_test::Positions(textureWidth, textureHeight));
  constexpr float floorY = -0.3f, halfWidth = 1.2f, farDepth = 6;

  // A floor below the eye, u from 0 to 2 across and v from 0 far to 1 near,
  // ending at `nearDepth`; from -1 it reaches behind the eye and is cut at
  // the near plane.
  for (float nearDepth : {1.0f, -1.0f}) {
    const TexturedVertex farLeft{-halfWidth, floorY, farDepth, 0, 0};
    const TexturedVertex farRight{halfWidth, floorY, farDepth, 2, 0};
    const TexturedVertex nearLeft{-halfWidth, floorY, nearDepth, 0, 1};
    const TexturedVertex nearRight{halfWidth, floorY, nearDepth, 2, 1};
    const TexturedVertex floor[] = {farLeft, farRight, nearLeft, farRight, nearRight, nearLeft};
    device.BeginFrame(0xFFFFFFFF);
    EXPECT_EQ(D3D_OK, d->SetTexture(0, texture));
    EXPECT_EQ(D3D_OK, d->SetFVF(D3DFVF_XYZ | D3DFVF_TEX1));
    EXPECT_EQ(D3D_OK, d->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, floor, sizeof(TexturedVertex)));
    EXPECT_EQ(D3D_OK, d->SetTexture(0, nullptr));
    const PresentedFrame frame = device.EndFrame();

    // The ray through pixel (x, y) meets the floor's plane at depth floorY / dy.
    const double nearest = std::max(0.5, double(nearDepth));
    int compared = 0;
    for (int y = 0; y < size; ++y) {
      const double dy = 1 - 2.0 * y / size, depth = dy < 0 ? floorY / dy : 1e9;
      for (int x = 0; x < size; ++x) {
        const double across = (2.0 * x / size - 1) * depth;
        const double u = (across + halfWidth) / halfWidth,
                     v = (farDepth - depth) / (farDepth - nearDepth);
        const bool onFloor = std::abs(across) < halfWidth && depth > nearest && depth < farDepth;
        const bool nearAnEdge = std::abs(std::abs(across) - halfWidth) < 1e-3 ||
                                std::abs(depth - farDepth) < 1e-3 ||
                                std::abs(depth - nearest) < 1e-3;
        const bool nearATexelBorder = NearWhole(u * textureWidth) || NearWhole(v * textureHeight);
        if (nearAnEdge || (onFloor && nearATexelBorder)) continue;
        const std::uint32_t expected =
            onFloor ? render_test::Position(int(u * textureWidth) % textureWidth,
                                            int(v * textureHeight))
                    : 0xFFFFFF;
        ++compared;
        ASSERT_EQ(expected, frame.Colour(x, y))
            << "near depth " << nearDepth << ", pixel (" << x << ", " << y << ")";
      }
    }
    EXPECT_GT(compared, size * size * 9 / 10);
  }
}

}  // namespace
