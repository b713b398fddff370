// The software Direct3D device's drawing rules, checked pixel by pixel through
// the Direct3D calls: coverage and fill rule, culling, depth, blending, the
// texture stage, point sampling, clipping and perspective.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "TestDevice.h"
#include "tests/platform/HeadlessFixture.h"

using platform_test::PresentedFrame;
using render_test::PixelCorner;
using render_test::Position;
using render_test::Positions;
using render_test::TestDevice;

namespace {

constexpr D3DCOLOR black = 0xFF000000;
constexpr D3DCOLOR red = 0xFFFF0000;
constexpr D3DCOLOR blue = 0xFF0000FF;

// With additive blending (ONE, ONE), no depth test and a colour of blue 1,
// the blue channel of a pixel counts how often triangles covered it.
void CountCoverage(TestDevice& device) {
  IDirect3DDevice9* d = device.Device();
  d->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
  d->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
  d->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
}
constexpr D3DCOLOR countOne = 0xFF000001;

// Pixels whose coverage differs from `expected(x, y)`; reports the first few.
template <typename Expected>
int CoverageMismatches(const PresentedFrame& frame, Expected expected) {
  int mismatches = 0;
  for (int y = 0; y < frame.height; ++y) {
    for (int x = 0; x < frame.width; ++x) {
      const int count = static_cast<int>(frame.Colour(x, y) & 0xFF);
      if (count != expected(x, y) && ++mismatches <= 5) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") covered " << count << " times";
      }
    }
  }
  return mismatches;
}

int Wrap(int value, int size) { return ((value % size) + size) % size; }

}  // namespace

class SoftRasterizer : public HeadlessFixture {};

TEST_F(SoftRasterizer, RectanglesCoverThePixelCentresInsideByTheTopLeftRule) {
  TestDevice device(32, 32);
  CountCoverage(device);
  device.BeginFrame(black);
  device.DrawRectangle(2, 3, 10, 9, 0.5f, countOne);  // centres exactly on all four edges
  device.DrawRectangle(12.5f, 3.5f, 19.5f, 9.5f, 0.5f, countOne);  // edges halfway between centres
  const PresentedFrame frame = device.EndFrame();
  EXPECT_EQ(0, CoverageMismatches(frame, [](int x, int y) {
              const bool first = x >= 2 && x < 10 && y >= 3 && y < 9;
              const bool second = x >= 13 && x <= 19 && y >= 4 && y <= 9;
              return first || second ? 1 : 0;
            }));
}

TEST_F(SoftRasterizer, TrianglesSharingEdgesCoverEveryPixelExactlyOnce) {
  // A 14 x 14 grid of squares split into triangles fills [4, 60) x [4, 60):
  // the inner grid points lie on pixel centres, then are jittered off them.
  for (double jitter : {0.0, 0.45}) {
    TestDevice device(64, 64);
    CountCoverage(device);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> offset(-jitter, jitter);
    constexpr int cells = 14;
    float gridX[cells + 1][cells + 1], gridY[cells + 1][cells + 1];
    for (int row = 0; row <= cells; ++row) {
      for (int column = 0; column <= cells; ++column) {
        const bool border = row == 0 || column == 0 || row == cells || column == cells;
        gridX[row][column] = static_cast<float>(4 + 4 * column + (border ? 0 : offset(random)));
        gridY[row][column] = static_cast<float>(4 + 4 * row + (border ? 0 : offset(random)));
      }
    }
    device.BeginFrame(black);
    for (int row = 0; row < cells; ++row) {
      for (int column = 0; column < cells; ++column) {
        auto corner = [&](int r, int c) {
          return PixelCorner{gridX[r][c], gridY[r][c], 0.5f, countOne, 0, 0};
        };
        const PixelCorner topLeft = corner(row, column), topRight = corner(row, column + 1);
        const PixelCorner bottomLeft = corner(row + 1, column);
        const PixelCorner bottomRight = corner(row + 1, column + 1);
        // Alternate the diagonal so that edges run both ways.
        if ((row + column) % 2 == 0) {
          device.DrawColoured(topLeft, topRight, bottomLeft);
          device.DrawColoured(topRight, bottomRight, bottomLeft);
        } else {
          device.DrawColoured(topLeft, topRight, bottomRight);
          device.DrawColoured(topLeft, bottomRight, bottomLeft);
        }
      }
    }
    const PresentedFrame frame = device.EndFrame();
    EXPECT_EQ(0,
              CoverageMismatches(
                  frame, [](int x, int y) { return x >= 4 && x < 60 && y >= 4 && y < 60 ? 1 : 0; }))
        << "jitter " << jitter;
  }
}

TEST_F(SoftRasterizer, CullsTrianglesWoundCounterClockwiseOnScreen) {
  TestDevice device(16, 16);
  const PixelCorner topLeft{1, 1, 0.5f, red, 0, 0};
  const PixelCorner topRight{14, 1, 0.5f, red, 0, 0};
  const PixelCorner bottomLeft{1, 14, 0.5f, red, 0, 0};
  device.BeginFrame(black);
  device.DrawColoured(topLeft, bottomLeft, topRight);
  EXPECT_EQ(0x000000u, device.EndFrame().Colour(4, 4));
  device.BeginFrame(black);
  device.DrawColoured(topLeft, topRight, bottomLeft);
  EXPECT_EQ(0xFF0000u, device.EndFrame().Colour(4, 4));
}

TEST_F(SoftRasterizer, DepthTestKeepsTheNearerSurfaceAndPassesTies) {
  struct Case {
    float firstZ, secondZ;
    std::uint32_t expected;  // red drawn first, blue second
  };
  const Case cases[] = {
      {0.25f, 0.75f, 0xFF0000},     // nearer first: the farther one is hidden
      {0.75f, 0.25f, 0x0000FF},     // nearer second: it covers
      {0.5f, 0.5f, 0x0000FF},       // equal depth: less-or-equal passes
      {0.5f, 0.500003f, 0x0000FF},  // within one 16-bit step: equal in the buffer
      {0.5f, 0.50003f, 0xFF0000},   // two 16-bit steps farther: hidden
  };
  TestDevice device(8, 8);
  for (const Case& c : cases) {
    device.BeginFrame(black);
    device.DrawRectangle(0, 0, 8, 8, c.firstZ, red);
    device.DrawRectangle(0, 0, 8, 8, c.secondZ, blue);
    EXPECT_EQ(c.expected, device.EndFrame().Colour(3, 3)) << c.firstZ << " then " << c.secondZ;
  }
}

TEST_F(SoftRasterizer, FullyTransparentTexelsStillWriteDepth) {
  TestDevice device(8, 8);
  IDirect3DTexture9* clear = device.MakeTexture(1, 1, {0x00FFFFFF});
  device.BeginFrame(0xFF203040);
  device.DrawTextured({0, 0, 0.25f, 0, 0, 0}, {8, 0, 0.25f, 0, 1, 0}, {0, 8, 0.25f, 0, 0, 1},
                      clear);
  device.DrawRectangle(0, 0, 8, 8, 0.5f, red);
  const PresentedFrame frame = device.EndFrame();
  EXPECT_EQ(0x203040u, frame.Colour(1, 1));  // under the invisible triangle
  EXPECT_EQ(0xFF0000u, frame.Colour(6, 6));  // beside it
  clear->Release();
}

TEST_F(SoftRasterizer, HonoursTheDepthAndBlendStates) {
  TestDevice device(8, 8);
  IDirect3DDevice9* d = device.Device();
  // Depth writes off: a later, farther surface is not hidden.
  d->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
  device.BeginFrame(black);
  device.DrawRectangle(0, 0, 8, 8, 0.25f, red);
  device.DrawRectangle(0, 0, 8, 8, 0.75f, blue);
  EXPECT_EQ(0x0000FFu, device.EndFrame().Colour(2, 2));
  // Depth test off: nothing is hidden.
  d->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
  d->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
  device.BeginFrame(black);
  device.DrawRectangle(0, 0, 8, 8, 0.25f, red);
  device.DrawRectangle(0, 0, 8, 8, 0.75f, blue);
  EXPECT_EQ(0x0000FFu, device.EndFrame().Colour(2, 2));
  // Blending off: a half-transparent colour is written as it is.
  d->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
  device.BeginFrame(0xFFFFFFFF);
  device.DrawRectangle(0, 0, 8, 8, 0.5f, 0x80102030);
  EXPECT_EQ(0x102030u, device.EndFrame().Colour(2, 2));
}

TEST_F(SoftRasterizer, BlendsSourceTimesAlphaPlusDestinationTimesInverseAlpha) {
  const std::uint32_t backgrounds[] = {0xFFFFFE, 0x000000, 0x3C8AF0};
  const std::uint32_t sources[] = {0x7F7F7F7F, 0x00FF00FF, 0x01FFFFFF, 0x80123456,
                                   0xFE00FF80, 0xFFABCDEF, 0x40FFFFFF};
  TestDevice device(4, 4);
  for (std::uint32_t background : backgrounds) {
    for (std::uint32_t source : sources) {
      device.BeginFrame(0xFF000000 | background);
      device.DrawRectangle(0, 0, 4, 4, 0.5f, source);
      const std::uint32_t result = device.EndFrame().Colour(1, 1);
      const double alpha = (source >> 24) / 255.0;
      for (int shift : {0, 8, 16}) {
        const double s = (source >> shift) & 0xFF;
        const double d = (background >> shift) & 0xFF;
        EXPECT_EQ(std::lround(s * alpha + d * (1 - alpha)), (result >> shift) & 0xFF)
            << std::hex << source << " over " << background << ", channel at bit " << shift;
      }
    }
  }
  // The colour key's half-transparent shade over the program's clear colour.
  device.BeginFrame(0xFFFFFFFE);
  device.DrawRectangle(0, 0, 4, 4, 0.5f, 0x7F7F7F7F);
  EXPECT_EQ(0xBFBFBFu, device.EndFrame().Colour(1, 1));
}

TEST_F(SoftRasterizer, TextureStageMultipliesByTheDiffuseColourAndTakesTheTextureAlpha) {
  TestDevice device(8, 8);
  IDirect3DTexture9* grey = device.MakeTexture(1, 1, {0xFF808080});
  IDirect3DTexture9* halfGrey = device.MakeTexture(1, 1, {0x80808080});
  device.BeginFrame(black);
  device.DrawTextured({0, 0, 0.5f, 0xFF8000FF, 0, 0}, {8, 0, 0.5f, 0xFF8000FF, 1, 0},
                      {0, 8, 0.5f, 0xFF8000FF, 0, 1}, grey, true);
  device.DrawTextured({8, 0, 0.5f, 0x00FFFFFF, 0, 0}, {8, 8, 0.5f, 0x00FFFFFF, 0, 1},
                      {0, 8, 0.5f, 0x00FFFFFF, 1, 1}, halfGrey, true);
  const PresentedFrame frame = device.EndFrame();
  EXPECT_EQ(0x400080u, frame.Colour(1, 1));  // round(128 x 128 / 255) = 64, 0, 128
  EXPECT_EQ(0x404040u, frame.Colour(6, 6));  // alpha 128 of the texture, not 0 of the vertex
  grey->Release();
  halfGrey->Release();
}

TEST_F(SoftRasterizer, LightingWithoutLightsLeavesVerticesBlack) {
  TestDevice device(4, 4);
  device.Device()->SetRenderState(D3DRS_LIGHTING, TRUE);
  device.BeginFrame(0xFFFFFFFF);
  device.DrawRectangle(0, 0, 4, 4, 0.5f, 0xFF00FF00);
  EXPECT_EQ(0x000000u, device.EndFrame().Colour(1, 1));
}

TEST_F(SoftRasterizer, PointSamplesTexelsOfATextureThatIsNotAPowerOfTwo) {
  constexpr int width = 37, height = 21;
  TestDevice device(128, 64);
  IDirect3DTexture9* texture = device.MakeTexture(width, height, Positions(width, height));
  auto drawQuad = [&](float left, float top, float right, float bottom, float u0, float u1) {
    device.DrawTextured({left, top, 0.5f, 0, u0, 0}, {right, top, 0.5f, 0, u1, 0},
                        {left, bottom, 0.5f, 0, u0, 1}, texture);
    device.DrawTextured({right, top, 0.5f, 0, u1, 0}, {right, bottom, 0.5f, 0, u1, 1},
                        {left, bottom, 0.5f, 0, u0, 1}, texture);
  };
  // One texel per pixel: pixel (5 + i, 7 + j) shows texel (i, j).
  device.BeginFrame(black);
  drawQuad(5, 7, 5 + width, 7 + height, 0, 1);
  PresentedFrame frame = device.EndFrame();
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) ASSERT_EQ(Position(i, j), frame.Colour(5 + i, 7 + j));
  }
  EXPECT_EQ(0u, frame.Colour(4, 7));
  EXPECT_EQ(0u, frame.Colour(5 + width, 7));
  EXPECT_EQ(0u, frame.Colour(5, 7 + height));

  // Two and three times the size: every texel covers n x n pixels, and the
  // first of them lies exactly on the texel's border.
  for (int n : {2, 3}) {
    device.BeginFrame(black);
    drawQuad(0, 0, static_cast<float>(n * width), static_cast<float>(n * height), 0, 1);
    frame = device.EndFrame();
    for (int y = 0; y < n * height && y < frame.height; ++y) {
      for (int x = 0; x < n * width && x < frame.width; ++x) {
        ASSERT_EQ(Position(x / n, y / n), frame.Colour(x, y))
            << n << " times at " << x << ", " << y;
      }
    }
  }

  // u from -1 to 2 over 111 pixels wraps around three times; the 21 rows of
  // texels squeezed onto 20 rows of pixels give row y texel row floor(y x 21 / 20).
  device.BeginFrame(black);
  drawQuad(0, 0, 3 * width, 20, -1, 2);
  frame = device.EndFrame();
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 3 * width; ++x) {
      ASSERT_EQ(Position(Wrap(x - width, width), y * height / 20), frame.Colour(x, y));
    }
  }
  texture->Release();
}
