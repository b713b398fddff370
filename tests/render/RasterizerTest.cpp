// The software Direct3D device's drawing rules, checked pixel by pixel through
// the Direct3D calls: coverage and fill rule, culling, depth, blending, the
// texture stage and point sampling.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "TestDevice.h"
#include "tests/platform/HeadlessFixture.h"

using platform_test::PresentedFrame;
using render_test::PixelCorner;
using render_test::Position;
using render_test::TestDevice;

namespace {

constexpr D3DCOLOR black = 0xFF000000;
constexpr D3DCOLOR red = 0xFFFF0000;
constexpr D3DCOLOR blue = 0xFF0000FF;
constexpr D3DCOLOR white = 0xFFFFFFFF;

// With additive blending and no depth test, drawing in blue 1 makes the blue
// channel of a pixel count how often triangles covered it.
constexpr D3DCOLOR countOne = 0xFF000001;
void CountCoverage(TestDevice& device) {
  device.Device()->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
  device.Device()->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
  device.Device()->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
}

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

}  // namespace

class SoftRasterizer : public HeadlessFixture {};

TEST_F(SoftRasterizer, TrianglesSharingEdgesCoverEveryPixelExactlyOnce) {
  // A 14 x 14 grid of squares split into triangles fills [4, 60) x [4, 60):
  // pixel centres on the outer edges count inside on the left and top only.
  // The inner grid points lie on pixel centres, then are jittered off them.
  constexpr int cells = 14;
  for (double jitter : {0.0, 0.45}) {
    TestDevice device(64, 64);
    CountCoverage(device);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> offset(-jitter, jitter);
    PixelCorner grid[cells + 1][cells + 1];
    for (int row = 0; row <= cells; ++row) {
      for (int column = 0; column <= cells; ++column) {
        const bool border = row == 0 || column == 0 || row == cells || column == cells;
        grid[row][column] = {static_cast<float>(4 + 4 * column + (border ? 0 : offset(random))),
                             static_cast<float>(4 + 4 * row + (border ? 0 : offset(random))),
                             0.5f,
                             countOne,
                             0,
                             0};
      }
    }
    device.BeginFrame(black);
    for (int row = 0; row < cells; ++row) {
      for (int column = 0; column < cells; ++column) {
        const PixelCorner &topLeft = grid[row][column], &topRight = grid[row][column + 1];
        const PixelCorner& bottomLeft = grid[row + 1][column];
        const PixelCorner& bottomRight = grid[row + 1][column + 1];
        // Alternate the diagonal so that edges run both ways.
        if ((row + column) % 2 == 0) {
          device.Draw(topLeft, topRight, bottomLeft);
          device.Draw(topRight, bottomRight, bottomLeft);
        } else {
          device.Draw(topLeft, topRight, bottomRight);
          device.Draw(topLeft, bottomRight, bottomLeft);
        }
      }
    }
    EXPECT_EQ(0, CoverageMismatches(
                     device.EndFrame(),
                     [](int x, int y) { return x >= 4 && x < 60 && y >= 4 && y < 60 ? 1 : 0; }))
        << "jitter " << jitter;
  }
}

TEST_F(SoftRasterizer, CullsTrianglesWoundCounterClockwiseOnScreen) {
  TestDevice device(16, 16);
  const PixelCorner topLeft{1, 1, 0.5f, red, 0, 0}, topRight{14, 1, 0.5f, red, 0, 0};
  const PixelCorner bottomLeft{1, 14, 0.5f, red, 0, 0};
  device.BeginFrame(black);
  device.Draw(topLeft, bottomLeft, topRight);
  EXPECT_EQ(0x000000u, device.EndFrame().Colour(4, 4));
  device.BeginFrame(black);
  device.Draw(topLeft, topRight, bottomLeft);
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
  // Fully transparent texels still write depth: there is no alpha test.
  IDirect3DTexture9* clear = device.MakeTexture(1, 1, {0x00FFFFFF});
  device.BeginFrame(0xFF203040);
  device.Draw({0, 0, 0.25f, 0, 0, 0}, {8, 0, 0.25f, 0, 1, 0}, {0, 8, 0.25f, 0, 0, 1}, clear);
  device.DrawRectangle(0, 0, 8, 8, 0.5f, red);
  const PresentedFrame frame = device.EndFrame();
  EXPECT_EQ(0x203040u, frame.Colour(1, 1));  // under the invisible triangle
  EXPECT_EQ(0xFF0000u, frame.Colour(6, 6));  // beside it
  clear->Release();
}

TEST_F(SoftRasterizer, HonoursTheRenderStates) {
  struct Case {
    const char* name;
    D3DRENDERSTATETYPE state;
    DWORD value;
    D3DCOLOR first, second;  // drawn over white at depths 0.25 and then 0.75
    std::uint32_t shown;
  };
  const Case cases[] = {
      {"no depth writes", D3DRS_ZWRITEENABLE, FALSE, red, blue, 0x0000FF},
      {"no depth test", D3DRS_ZENABLE, D3DZB_FALSE, red, blue, 0x0000FF},
      // Half-transparent colours are written as they are.
      {"no blending", D3DRS_ALPHABLENDENABLE, FALSE, 0x80102030, 0x80102030, 0x102030},
      // Lighting without lights makes every vertex black.
      {"lighting", D3DRS_LIGHTING, TRUE, red, red, 0x000000},
  };
  for (const Case& c : cases) {
    TestDevice device(8, 8);
    device.Device()->SetRenderState(c.state, c.value);
    device.BeginFrame(white);
    device.DrawRectangle(0, 0, 8, 8, 0.25f, c.first);
    device.DrawRectangle(0, 0, 8, 8, 0.75f, c.second);
    EXPECT_EQ(c.shown, device.EndFrame().Colour(2, 2)) << c.name;
  }
}

TEST_F(SoftRasterizer, BlendsSourceTimesAlphaPlusDestinationTimesInverseAlpha) {
  const std::uint32_t sources[] = {0x7F7F7F7F, 0x00FF00FF, 0x01FFFFFF,
                                   0x80123456, 0xFE00FF80, 0xFFABCDEF};
  TestDevice device(4, 4);
  for (std::uint32_t background : {0xFFFFFEu, 0x3C8AF0u}) {
    for (std::uint32_t source : sources) {
      device.BeginFrame(0xFF000000 | background);
      device.DrawRectangle(0, 0, 4, 4, 0.5f, source);
      const std::uint32_t result = device.EndFrame().Colour(1, 1);
      const double alpha = (source >> 24) / 255.0;
      for (int shift : {0, 8, 16}) {
        const double s = (source >> shift) & 0xFF, d = (background >> shift) & 0xFF;
        EXPECT_EQ(std::lround(s * alpha + d * (1 - alpha)), (result >> shift) & 0xFF)
            << std::hex << source << " over " << background << ", channel at bit " << shift;
      }
    }
  }
}

TEST_F(SoftRasterizer, TextureStageMultipliesByTheDiffuseColourAndTakesTheTextureAlpha) {
  TestDevice device(8, 8);
  IDirect3DTexture9* grey = device.MakeTexture(1, 1, {0xFF808080});
  IDirect3DTexture9* halfGrey = device.MakeTexture(1, 1, {0x80808080});
  device.BeginFrame(black);
  device.Draw({0, 0, 0.5f, 0xFF8000FF, 0, 0}, {8, 0, 0.5f, 0xFF8000FF, 1, 0},
              {0, 8, 0.5f, 0xFF8000FF, 0, 1}, grey);
  device.Draw({8, 0, 0.5f, 0x00FFFFFF, 0, 0}, {8, 8, 0.5f, 0x00FFFFFF, 0, 1},
              {0, 8, 0.5f, 0x00FFFFFF, 1, 1}, halfGrey);
  const PresentedFrame frame = device.EndFrame();
  EXPECT_EQ(0x400080u, frame.Colour(1, 1));  // round(128 x 128 / 255) = 64, 0, 128
  EXPECT_EQ(0x404040u, frame.Colour(6, 6));  // alpha 128 of the texture, not 0 of the vertex
  grey->Release();
  halfGrey->Release();
}

TEST_F(SoftRasterizer, PointSamplesTexelsOfATextureThatIsNotAPowerOfTwo) {
  constexpr int width = 37, height = 21;
  TestDevice device(128, 64);
  IDirect3DTexture9* texture =
      device.MakeTexture(width, height, render_test::Positions(width, height));
  // The quad [left, right) x [0, bottom) showing u from u0 to u1, v from 0 to 1.
  auto frameOfQuad = [&](float left, float right, float bottom, float u0, float u1) {
    device.BeginFrame(black);
    device.Draw({left, 0, 0.5f, white, u0, 0}, {right, 0, 0.5f, white, u1, 0},
                {left, bottom, 0.5f, white, u0, 1}, texture);
    device.Draw({right, 0, 0.5f, white, u1, 0}, {right, bottom, 0.5f, white, u1, 1},
                {left, bottom, 0.5f, white, u0, 1}, texture);
    return device.EndFrame();
  };
  // One texel per pixel, then two: every texel covers n x n pixels, the first
  // of them exactly on the texel's border.
  for (int n : {1, 2}) {
    const PresentedFrame frame = frameOfQuad(5, 5.0f + n * width, n * height, 0, 1);
    for (int y = 0; y < n * height; ++y) {
      for (int x = 0; x < n * width; ++x) {
        ASSERT_EQ(Position(x / n, y / n), frame.Colour(5 + x, y)) << n << "x at " << x << ", " << y;
      }
    }
    EXPECT_EQ(0u, frame.Colour(4, 0));
    EXPECT_EQ(0u, frame.Colour(5 + n * width, 0));
    EXPECT_EQ(0u, frame.Colour(5, n * height));
  }
  // u from -1 to 2 over 111 pixels wraps around three times; the 21 rows of
  // texels squeezed onto 20 rows of pixels give row y texel row floor(y x 21 / 20).
  const PresentedFrame frame = frameOfQuad(0, 3 * width, 20, -1, 2);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 3 * width; ++x) {
      ASSERT_EQ(Position(x % width, y * height / 20), frame.Colour(x, y)) << x << ", " << y;
    }
  }
  texture->Release();
}
