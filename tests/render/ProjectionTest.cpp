// Triangles through the world, view and projection transforms: the game's own
// camera over a ground quad far larger than the screen, and a textured floor
// in perspective, compared with a picture ray-cast independently here.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "TestDevice.h"
#include "tests/platform/HeadlessFixture.h"

using platform_test::PresentedFrame;
using render_test::TestDevice;

namespace {

struct ColouredVertex {
  float x, y, z;
  D3DCOLOR colour;
};

struct TexturedVertex {
  float x, y, z, u, v;
};

D3DMATRIX Matrix(std::initializer_list<float> elements) {
  D3DMATRIX matrix{};
  int i = 0;
  for (float element : elements) {
    matrix.m[i / 4][i % 4] = element;
    ++i;
  }
  return matrix;
}

const D3DMATRIX identity = Matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});

// The game's projection: w is the view depth plus 1.
const D3DMATRIX gameProjection = Matrix({2, 0, 0, 0, 0, -8.0f / 3, 0, 0,  //
                                         0, 0, 1.0019569471624266f, 1,    //
                                         0, 0, -2.003913894324853f, 1});

void SetCamera(IDirect3DDevice9* device, const D3DMATRIX& projection, const D3DMATRIX& view) {
  EXPECT_EQ(D3D_OK, device->SetTransform(D3DTS_PROJECTION, &projection));
  EXPECT_EQ(D3D_OK, device->SetTransform(D3DTS_VIEW, &view));
  EXPECT_EQ(D3D_OK, device->SetTransform(D3DTS_WORLD, &identity));
}

struct Vector {
  double x, y, z;
};

Vector Minus(Vector a, Vector b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector Cross(Vector a, Vector b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Where the ray from the eye along `direction` meets the triangle (a, b, c):
// its distance along the ray (the view depth, as direction.z = 1) and the
// weights of b and c (Moller-Trumbore).
struct RayHit {
  bool hit;
  double depth, weightB, weightC;
};

RayHit CastRay(Vector direction, Vector a, Vector b, Vector c) {
  const Vector ab = Minus(b, a), ac = Minus(c, a);
  const Vector p = Cross(direction, ac);
  const double determinant = Dot(ab, p);
  if (std::abs(determinant) < 1e-12) return {false, 0, 0, 0};
  const Vector toOrigin = Minus({0, 0, 0}, a);
  const double weightB = Dot(toOrigin, p) / determinant;
  const Vector q = Cross(toOrigin, ab);
  const double weightC = Dot(direction, q) / determinant;
  const double depth = Dot(ac, q) / determinant;
  return {true, depth, weightB, weightC};
}

bool NearWhole(double value, double margin) { return std::abs(value - std::round(value)) < margin; }

}  // namespace

class SoftProjection : public HeadlessFixture {};

TEST_F(SoftProjection, GroundQuadFarLargerThanTheScreenCoversEachPixelOnce) {
  constexpr int width = 256, height = 192;
  struct Camera {
    double x, y, zoom;
  };
  const Camera cameras[] = {{0, 0, 200}, {2390, -2390, 200}, {-2400, 37.3, 731}, {0, 0, 2}};
  TestDevice device(width, height);
  IDirect3DDevice9* d = device.Device();
  d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
  d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
  for (const Camera& camera : cameras) {
    const auto zoom = static_cast<float>(camera.zoom);
    SetCamera(d, gameProjection,
              Matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, static_cast<float>(-camera.x),
                      static_cast<float>(-camera.y), zoom, 1}));
    const ColouredVertex v1{-2400, -2400, 0, 0xFF000001}, v2{2400, -2400, 0, 0xFF000001};
    const ColouredVertex v3{-2400, 2400, 0, 0xFF000001}, v4{2400, 2400, 0, 0xFF000001};
    const ColouredVertex triangles[] = {v1, v2, v3, v2, v4, v3};
    device.BeginFrame(0xFF000000);
    EXPECT_EQ(D3D_OK, d->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE));
    EXPECT_EQ(D3D_OK, d->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, triangles, sizeof(ColouredVertex)));
    const PresentedFrame frame = device.EndFrame();

    // A ground point lands (zoom + 1) / width world units per pixel from the centre.
    const double unitsPerPixel = (camera.zoom + 1) / width;
    auto edgePixel = [&](double world, double centre, double screenCentre) {
      return screenCentre + (world - centre) / unitsPerPixel;
    };
    const double left = edgePixel(-2400, camera.x, width / 2.0);
    const double right = edgePixel(2400, camera.x, width / 2.0);
    const double top = edgePixel(-2400, camera.y, height / 2.0);
    const double bottom = edgePixel(2400, camera.y, height / 2.0);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int expected = x >= left && x < right && y >= top && y < bottom ? 1 : 0;
        const bool onEdge = NearWhole(x - left, 1e-3) || NearWhole(x - right, 1e-3) ||
                            NearWhole(y - top, 1e-3) || NearWhole(y - bottom, 1e-3);
        const int count = static_cast<int>(frame.Colour(x, y) & 0xFF);
        if (count != expected && !(onEdge && count <= 1) && ++wrong <= 3) {
          ADD_FAILURE() << "camera (" << camera.x << ", " << camera.y << ", " << camera.zoom
                        << ") pixel (" << x << ", " << y << ") covered " << count << " times";
        }
      }
    }
    EXPECT_EQ(0, wrong);
  }
}

TEST_F(SoftProjection, TexturedFloorInPerspectiveMatchesARayCastPicture) {
  constexpr int size = 96, textureWidth = 37, textureHeight = 21;
  // View depth z lands at clip z = z - 0.5 and w = z: the near plane is at
  // depth 0.5 and a point (x, y, z) appears at (x / z, y / z).
  const D3DMATRIX projection = Matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0, -0.5f, 0});
  TestDevice device(size, size);
  IDirect3DDevice9* d = device.Device();
  IDirect3DTexture9* texture = device.MakeTexture(
      textureWidth, textureHeight, render_test::Positions(textureWidth, textureHeight));

  // A floor below the eye from depth 6 up to `nearDepth`; from -1 it reaches
  // behind the eye and is cut at the near plane.
  for (double nearDepth : {1.0, -1.0}) {
    const Vector farLeft{-1.2, -0.3, 6}, farRight{1.2, -0.3, 6};
    const Vector nearLeft{-1.2, -0.3, nearDepth}, nearRight{1.2, -0.3, nearDepth};
    auto vertex = [](Vector p, float u, float v) {
      return TexturedVertex{static_cast<float>(p.x), static_cast<float>(p.y),
                            static_cast<float>(p.z), u, v};
    };
    const TexturedVertex triangles[] = {vertex(farLeft, 0, 0),   vertex(farRight, 2, 0),
                                        vertex(nearLeft, 0, 1),  vertex(farRight, 2, 0),
                                        vertex(nearRight, 2, 1), vertex(nearLeft, 0, 1)};
    SetCamera(d, projection, identity);
    device.BeginFrame(0xFFFFFFFF);
    EXPECT_EQ(D3D_OK, d->SetFVF(D3DFVF_XYZ | D3DFVF_TEX1));
    EXPECT_EQ(D3D_OK, d->SetTexture(0, texture));
    EXPECT_EQ(D3D_OK, d->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, triangles, sizeof(TexturedVertex)));
    EXPECT_EQ(D3D_OK, d->SetTexture(0, nullptr));
    const PresentedFrame frame = device.EndFrame();

    struct Corner {
      Vector position;
      double u, v;
    };
    const Corner quad[2][3] = {{{farLeft, 0, 0}, {farRight, 2, 0}, {nearLeft, 0, 1}},
                               {{farRight, 2, 0}, {nearRight, 2, 1}, {nearLeft, 0, 1}}};
    int compared = 0, wrong = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const Vector direction{2.0 * x / size - 1, 1 - 2.0 * y / size, 1};
        std::uint32_t expected = 0xFFFFFF;
        bool ambiguous = false;
        for (const auto& corner : quad) {
          const RayHit hit =
              CastRay(direction, corner[0].position, corner[1].position, corner[2].position);
          const double weightA = 1 - hit.weightB - hit.weightC;
          if (!hit.hit || weightA < -1e-3 || hit.weightB < -1e-3 || hit.weightC < -1e-3 ||
              hit.depth < 0.5 - 1e-3) {
            continue;
          }
          const double u =
              weightA * corner[0].u + hit.weightB * corner[1].u + hit.weightC * corner[2].u;
          const double v =
              weightA * corner[0].v + hit.weightB * corner[1].v + hit.weightC * corner[2].v;
          ambiguous = ambiguous || weightA < 1e-3 || hit.weightB < 1e-3 || hit.weightC < 1e-3 ||
                      hit.depth < 0.5 + 1e-3 || NearWhole(u * textureWidth, 1e-3) ||
                      NearWhole(v * textureHeight, 1e-3);
          const int i = static_cast<int>(std::floor(u * textureWidth)) % textureWidth;
          const int j = static_cast<int>(std::floor(v * textureHeight));
          expected = render_test::Position(i, std::min(j, textureHeight - 1));
        }
        if (ambiguous) continue;
        ++compared;
        if (frame.Colour(x, y) != expected && ++wrong <= 3) {
          ADD_FAILURE() << "near depth " << nearDepth << ", pixel (" << x << ", " << y
                        << "): " << std::hex << frame.Colour(x, y) << " instead of " << expected;
        }
      }
    }
    EXPECT_EQ(0, wrong);
    EXPECT_GT(compared, size * size * 9 / 10);
  }
  texture->Release();
}
