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
using render_test::Quad;
using render_test::TestDevice;

namespace {

constexpr D3DCOLOR black = 0xFF000000;
constexpr D3DCOLOR red = 0xFFFF0000;
constexpr D3DCOLOR blue = 0xFF0000FF;
constexpr D3DCOLOR white = 0xFFFFFFFF;

class SoftRasterizer : public HeadlessFixture {};

TEST_F(SoftRasterizer, TrianglesSharingEdgesCoverEveryPixelExactlyOnce) {
  // With additive blending and no depth test, drawing in blue 1 makes the blue
  // channel count how often triangles covered a pixel. A 14 x 14 grid of
  // squares fills [4, 60) x [4, 60): pixel centres on the outer edges count
  // inside on the left and top only. The inner grid points lie on pixel
  // centres, then are jittered off them.
  constexpr int cells = 14;
  for (double jitter : {0.0, 0.45}) {
    TestDevice device(64, 64);
    device.Device()->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    device.Device()->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    device.Device()->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> offset(-jitter, jitter);
    PixelCorner grid[cells + 1][cells + 1];
    for (int row = 0; row <= cells; ++row) {
      for (int column = 0; column <= cells; ++column) {
        const bool border = row == 0 || column == 0 || row == cells || column == cells;
        auto at = [&](int cell) { return float(4 + 4 * cell + (border ? 0 : offset(random))); };
        grid[row][column] = {at(column), at(row), 0.5f, 0xFF000001, 0, 0};
      }
    }
    device.BeginFrame(black);
    for (int row = 0; row < cells; ++row) {
      for (int column = 0; column < cells; ++column) {
        const PixelCorner &topLeft = grid[row][column], &topRight = grid[row][column + 1];
        const PixelCorner& bottomLeft = grid[row + 1][column];
        const PixelCorner& bottomRight = grid[row + 1][column + 1];
        // Alternate the diagonal so that edges run both ways.
        const bool down = (row + column) % 2 == 0;
        device.Draw(topLeft, topRight, down ? bottomLeft : bottomRight);
        device.Draw(down ? topRight : topLeft, bottomRight, bottomLeft);
      }
    }
    const PresentedFrame frame = device.EndFrame();
    for (int y = 0; y < 64; ++y) {
      for (int x = 0; x < 64; ++x) {
        ASSERT_EQ(x >= 4 && x < 60 && y >= 4 && y < 60 ? 1u : 0u, frame.Colour(x, y))
            << "pixel (" << x << ", " << y << "), jitter " << jitter;
      }
    }
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

TEST_F(SoftRasterizer, DepthTestKeepsTheNearerSurfaceToOneSixteenBitStep) {
  struct Case {
    float firstZ, secondZ;
    std::uint32_t shown;  // red drawn first, blue second
  };
  const Case cases[] = {
      {0.25f, 0.75f, 0xFF0000},     // nearer first: the farther one is hidden
      {0.75f, 0.25f, 0x0000FF},     // nearer second: it covers
      {0.5f, 0.500003f, 0x0000FF},  // within one 16-bit step: equal in the buffer
      {0.5f, 0.50003f, 0xFF0000},   // two 16-bit steps farther: hidden
  };
  TestDevice device(8, 8);
  for (const Case& c : cases) {
    device.BeginFrame(black);
    device.Draw(Quad{.z = c.firstZ, .colour = red});
    device.Draw(Quad{.z = c.secondZ, .colour = blue});
    EXPECT_EQ(c.shown, device.EndFrame().Colour(3, 3)) << c.firstZ << " then " << c.secondZ;
  }
  // Fully transparent texels still write depth: there is no alpha test.
  IDirect3DTexture9* clear = device.MakeTexture(1, 1, {0x00FFFFFF});
  device.BeginFrame(0xFF203040);
  device.Draw({0, 0, 0.25f, 0, 0, 0}, {8, 0, 0.25f, 0, 1, 0}, {0, 8, 0.25f, 0, 0, 1}, clear);
  device.Draw(Quad{.colour = red});
  const PresentedFrame frame = device.EndFrame();
  EXPECT_EQ(0x203040u, frame.Colour(1, 1));  // under the invisible triangle
  EXPECT_EQ(0xFF0000u, frame.Colour(6, 6));  // beside it
}

// Less-or-equal lets the later of two surfaces at one depth through, in each
// of the loops a run can take: over a freshly cleared depth, over drawn depths
// with nothing nearer in the row (the test is skipped) or with something
// nearer elsewhere in it (tested per pixel), flat or sloped, solid, blended,
// or textured affinely or in perspective (a diffuse colour other than white).
TEST_F(SoftRasterizer, EveryFillLoopLetsTheLaterOfTwoEqualDepthsThrough) {
  enum Under { ClearedAtTheSameDepth, DrawnAtTheSameDepth, DrawnWithANearerPixelInTheRow };
  enum TextureKind { None, Opaque, Translucent };
  struct Case {
    const char* path;
    Under under;  // red in each case
    bool depthWrites;
    float slope;
    D3DCOLOR colour;
    TextureKind texture;  // green, opaque or of alpha 128
    std::uint32_t shown;
  };
  const Case cases[] = {
      {"solid run over the clear", ClearedAtTheSameDepth, true, 0, blue, None, 0x0000FF},
      {"textured run over the clear", ClearedAtTheSameDepth, true, 0, white, Opaque, 0x00FF00},
      {"solid, test skipped", DrawnAtTheSameDepth, true, 0, blue, None, 0x0000FF},
      {"solid", DrawnWithANearerPixelInTheRow, true, 0, blue, None, 0x0000FF},
      {"solid, no depth writes", DrawnWithANearerPixelInTheRow, false, 0, blue, None, 0x0000FF},
      {"solid, sloped", DrawnAtTheSameDepth, true, 0.25f, blue, None, 0x0000FF},
      {"blended solid", DrawnWithANearerPixelInTheRow, true, 0, 0x800000FF, None, 0x7F0080},
      {"affine texture", DrawnWithANearerPixelInTheRow, true, 0, white, Opaque, 0x00FF00},
      {"affine blended texture", DrawnWithANearerPixelInTheRow, true, 0, white, Translucent,
       0x7F8000},
      {"affine texture, sloped", DrawnAtTheSameDepth, true, 0.25f, white, Opaque, 0x00FF00},
      {"perspective texture", DrawnWithANearerPixelInTheRow, true, 0, 0xFF00FFFF, Opaque, 0x00FF00},
      {"perspective blended texture, sloped", DrawnAtTheSameDepth, true, 0.25f, 0xFF00FFFF,
       Translucent, 0x7F8000},
  };
  TestDevice device(8, 8);
  IDirect3DTexture9* const textures[] = {nullptr, device.MakeTexture(1, 1, {0xFF00FF00}),
                                         device.MakeTexture(1, 1, {0x8000FF00})};
  IDirect3DDevice9* d = device.Device();
  for (const Case& c : cases) {
    device.BeginFrame(red);
    if (c.under == ClearedAtTheSameDepth) {
      d->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 0.5f, 0);
    } else {
      if (c.under == DrawnWithANearerPixelInTheRow) device.Draw(Quad{.right = 2, .z = 0.1f});
      device.Draw(Quad{.slope = c.slope, .colour = red});
    }
    d->SetRenderState(D3DRS_ZWRITEENABLE, c.depthWrites);
    device.Draw(Quad{.slope = c.slope, .colour = c.colour, .texture = textures[c.texture]});
    d->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    EXPECT_EQ(c.shown, device.EndFrame().Colour(5, 5)) << c.path;
  }
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
    device.Draw(Quad{.z = 0.25f, .colour = c.first});
    device.Draw(Quad{.z = 0.75f, .colour = c.second});
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
      device.Draw(Quad{.colour = source});
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
}

// Each quad spans whole texels: texel columns tu0 to tu1 over `columns`
// pixels, texel rows 0 to tv1 over `rows` pixels. Beyond the texture it
// wraps. A quad that maps the texture exactly reads its last texel with the
// last pixel (AddressSanitizer sees a read beyond it: the texels fill their
// buffer exactly); one that ends a texel further wraps there to the first.
TEST_F(SoftRasterizer, PointSamplesWholeTexelsAndWrapsBeyondTheTexture) {
  constexpr int width = 37, height = 21;
  struct Case {
    const char* what;
    int columns, rows, tu0, tu1, tv1;
  };
  const Case cases[] = {
      {"texel for pixel", width, height, 0, width, height},
      {"two pixels per texel", 2 * width, 2 * height, 0, width, height},
      {"a texel further", width + 1, height + 1, 0, width + 1, height + 1},
      {"u from -1 to 2, 21 texel rows on 20", 3 * width, 20, -width, 2 * width, height},
  };
  TestDevice device(128, 64);
  IDirect3DTexture9* texture =
      device.MakeTexture(width, height, render_test::Positions(width, height));
  auto texel = [](int pixel, int pixels, int from, int to, int size) {
    const int t = (from * pixels + pixel * (to - from) + 1000 * size * pixels) / pixels;
    return t % size;
  };
  // White diffuse takes the affine loops, any other colour the perspective one.
  for (D3DCOLOR diffuse : {white, D3DCOLOR{0xFF00FFFF}}) {
    for (const Case& c : cases) {
      device.BeginFrame(black);
      device.Draw(Quad{.left = 5,
                       .right = 5.0f + c.columns,
                       .bottom = float(c.rows),
                       .colour = diffuse,
                       .texture = texture,
                       .u0 = float(c.tu0) / width,
                       .u1 = float(c.tu1) / width,
                       .v1 = float(c.tv1) / height});
      const PresentedFrame frame = device.EndFrame();
      for (int y = 0; y < c.rows; ++y) {
        for (int x = 0; x < c.columns; ++x) {
          ASSERT_EQ(Position(texel(x, c.columns, c.tu0, c.tu1, width),
                             texel(y, c.rows, 0, c.tv1, height)),
                    frame.Colour(5 + x, y))
              << c.what << ", diffuse " << std::hex << diffuse << std::dec << " at " << x << ", "
              << y;
        }
      }
      EXPECT_EQ(0u, frame.Colour(4, 0)) << c.what;
      EXPECT_EQ(0u, frame.Colour(5 + c.columns, 0)) << c.what;
      EXPECT_EQ(0u, frame.Colour(5, c.rows)) << c.what;
    }
  }
}

}  // namespace
