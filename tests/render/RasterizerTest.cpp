// The software Direct3D device's drawing rules, checked pixel by pixel through
// the Direct3D calls: coverage and fill rule, culling, depth, blending, the
// texture stage and point sampling.
#include <gtest/gtest.h>

#include <utility>
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

TEST_F(SoftRasterizer, TrianglesSharingEdgesCoverEveryPixelOnceAndCounterClockwiseOnesNone) {
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
    PixelCorner grid[cells + 1][cells + 1];
    for (int row = 0; row <= cells; ++row) {
      for (int column = 0; column <= cells; ++column) {
        const bool border = row == 0 || column == 0 || row == cells || column == cells;
        const double offset = border ? 0 : jitter * ((row * 7 + column * 3) % 9 - 4) / 4;
        grid[row][column] = {
            float(4 + 4 * column + offset), float(4 + 4 * row - offset), 0.5f, 0xFF000001, 0, 0};
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
        device.Draw(topLeft, bottomLeft, topRight);  // counter-clockwise on screen: culled
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

// Red lies at depth 0.5 (drawn, or cleared to, or drawn with something
// nearer elsewhere in its rows) when a second quad is drawn at `z`, under one
// render state changed. Each kind of run has a loop of its own: over a
// freshly cleared depth, over drawn depths with nothing nearer in the row (the
// test is skipped) or something nearer (tested per pixel), flat or sloped,
// solid, blended, or textured affinely or in perspective (a diffuse colour
// other than white); at equal depth, less-or-equal lets the later through in
// every one.
TEST_F(SoftRasterizer, DepthTestAndRenderStatesDecideWhichOfTwoQuadsShows) {
  enum Under { Cleared, Drawn, DrawnBesideNearer, DrawnUnderInvisible };
  // Green of alpha 255 or 128, grey of alpha 255 or 128, and white of alpha 0.
  enum Texture { None, Opaque, Translucent, Grey, HalfGrey, Invisible };
  struct Case {
    const char* what;
    D3DRENDERSTATETYPE state;
    DWORD value;
    Under under;
    float z, slope;
    D3DCOLOR colour;
    Texture texture;
    std::uint32_t shown;
  };
  constexpr D3DRENDERSTATETYPE lighting = D3DRS_LIGHTING;  // off: as the program has it
  constexpr D3DCOLOR cyan = 0xFF00FFFF;
  const Case cases[] = {
      {"farther", lighting, FALSE, Drawn, 0.75f, 0, blue, None, 0xFF0000},
      {"nearer", lighting, FALSE, Drawn, 0.25f, 0, blue, None, 0x0000FF},
      {"within one 16-bit step", lighting, FALSE, Drawn, 0.500003f, 0, blue, None, 0x0000FF},
      {"two 16-bit steps farther", lighting, FALSE, Drawn, 0.50003f, 0, blue, None, 0xFF0000},
      {"farther, no depth writes", D3DRS_ZWRITEENABLE, FALSE, Drawn, 0.75f, 0, blue, None,
       0x0000FF},
      {"farther, no depth test", D3DRS_ZENABLE, D3DZB_FALSE, Drawn, 0.75f, 0, blue, None, 0x0000FF},
      // Half-transparent colours are written as they are.
      {"no blending", D3DRS_ALPHABLENDENABLE, FALSE, Drawn, 0.25f, 0, 0x80102030, None, 0x102030},
      // Lighting without lights makes every vertex black.
      {"lighting", lighting, TRUE, Drawn, 0.25f, 0, blue, None, 0x000000},
      // The texture stage: texture x diffuse colour, alpha from the texture alone.
      {"texture x diffuse", lighting, FALSE, Drawn, 0.25f, 0, 0xFF8000FF, Grey, 0x400080},
      {"texture alpha", lighting, FALSE, Drawn, 0.25f, 0, 0x00FFFFFF, HalfGrey, 0xBF4040},
      // Fully transparent texels still write depth: there is no alpha test.
      {"behind the invisible", lighting, FALSE, DrawnUnderInvisible, 0.4f, 0, blue, None, 0xFF0000},
      // Clipped where depth falls below 0, at a quarter of the quad's width.
      {"cut at the near plane", lighting, FALSE, Cleared, -0.25f, 1, blue, None, 0x0000FF},
      // Blending: round(source x alpha + destination x (1 - alpha)), exact at 0 and 255.
      {"alpha 0", lighting, FALSE, Drawn, 0.25f, 0, 0x000000FF, None, 0xFF0000},
      {"alpha 1", lighting, FALSE, Drawn, 0.25f, 0, 0x0100FFFF, None, 0xFE0101},
      {"alpha 127", lighting, FALSE, Drawn, 0.25f, 0, 0x7F123456, None, 0x891A2B},
      {"alpha 254", lighting, FALSE, Drawn, 0.25f, 0, 0xFE00FF80, None, 0x01FE7F},
      {"tie, solid over the clear", lighting, FALSE, Cleared, 0.5f, 0, blue, None, 0x0000FF},
      {"tie, texture over the clear", lighting, FALSE, Cleared, 0.5f, 0, white, Opaque, 0x00FF00},
      {"tie, solid, test skipped", lighting, FALSE, Drawn, 0.5f, 0, blue, None, 0x0000FF},
      {"tie, solid", lighting, FALSE, DrawnBesideNearer, 0.5f, 0, blue, None, 0x0000FF},
      {"tie, solid, sloped", lighting, FALSE, Drawn, 0.5f, 0.25f, blue, None, 0x0000FF},
      {"tie, blended solid", lighting, FALSE, DrawnBesideNearer, 0.5f, 0, 0x800000FF, None,
       0x7F0080},
      {"tie, texture", lighting, FALSE, DrawnBesideNearer, 0.5f, 0, white, Opaque, 0x00FF00},
      {"tie, blended texture", lighting, FALSE, DrawnBesideNearer, 0.5f, 0, white, Translucent,
       0x7F8000},
      {"tie, texture, sloped", lighting, FALSE, Drawn, 0.5f, 0.25f, white, Opaque, 0x00FF00},
      {"tie, perspective texture", lighting, FALSE, DrawnBesideNearer, 0.5f, 0, cyan, Opaque,
       0x00FF00},
      {"tie, blended perspective texture, sloped", lighting, FALSE, Drawn, 0.5f, 0.25f, cyan,
       Translucent, 0x7F8000},
  };
  for (const Case& c : cases) {
    TestDevice device(8, 8);
    IDirect3DTexture9* textures[] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
    const std::uint32_t texels[] = {0, 0xFF00FF00, 0x8000FF00, 0xFF808080, 0x80808080, 0x00FFFFFF};
    for (int i = 1; i < 6; ++i) textures[i] = device.MakeTexture(1, 1, {texels[i]});
    device.Device()->SetRenderState(c.state, c.value);
    device.BeginFrame(red);
    if (c.under == Cleared) device.Device()->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 0.5f, 0);
    if (c.under == DrawnBesideNearer) device.Draw(Quad{.right = 2, .z = 0.1f});
    if (c.under != Cleared) device.Draw(Quad{.slope = c.slope, .colour = red});
    if (c.under == DrawnUnderInvisible)
      device.Draw(Quad{.z = 0.25f, .texture = textures[Invisible]});
    device.Draw(
        Quad{.z = c.z, .slope = c.slope, .colour = c.colour, .texture = textures[c.texture]});
    EXPECT_EQ(c.shown, device.EndFrame().Colour(5, 5)) << c.what;
  }
}

// Runs of one texel's colour at depths from far to near, some touching, some
// across the whole row, then a quad across the row nearer than some of them:
// every pixel shows what the depth test on its own depth leaves.
TEST_F(SoftRasterizer, EveryPixelKeepsTheDepthOfWhatWasDrawnLastOverIt) {
  constexpr int width = 40;
  auto next = [s = 7u](unsigned n) mutable { return ((s = s * 1103515245 + 12345) >> 16) % n; };
  for (int frame = 0; frame < 100; ++frame) {
    TestDevice device(width, 2);
    device.BeginFrame(black);
    std::vector<std::pair<float, D3DCOLOR>> pixels(width, {1.0f, black});  // depth, colour
    auto draw = [&](int left, int right, float z, D3DCOLOR colour) {
      device.Draw(
          Quad{float(left), 0, float(right), 2, z, 0, white, device.MakeTexture(1, 1, {colour})});
      for (int x = left; x < right; ++x)
        if (z <= pixels[x].first) pixels[x] = {z, colour};
    };
    float z = 0.9f;
    for (D3DCOLOR colour = black + 1; colour <= black + 8; ++colour, z -= next(3) == 0 ? 0 : 0.1f) {
      const int left = next(4) == 0 ? 0 : int(next(width));
      draw(left, next(4) == 0 ? width : left + 1 + int(next(width - left)), z, colour);
    }
    draw(0, width, 0.05f + 0.1f * next(9), white);
    const PresentedFrame shown = device.EndFrame();
    for (int x = 0; x < width; ++x)
      ASSERT_EQ(pixels[x].second & 0xFFFFFF, shown.Colour(x, 1))
          << "frame " << frame << ", x " << x;
  }
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
    return ((from * pixels + pixel * (to - from)) / pixels + 1000 * size) % size;
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
      for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) {
          const bool inside = x >= 5 && x < 5 + c.columns && y < c.rows;
          ASSERT_EQ(inside ? Position(texel(x - 5, c.columns, c.tu0, c.tu1, width),
                                      texel(y, c.rows, 0, c.tv1, height))
                           : 0u,
                    frame.Colour(x, y))
              << c.what << ", diffuse " << std::hex << diffuse << std::dec << " at " << x << ", "
              << y;
        }
      }
    }
  }
}

}  // namespace
