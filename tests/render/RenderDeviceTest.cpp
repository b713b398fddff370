// CDirect3D and CRenderDevice over the software device, frames read back from
// the headless presenter.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "TestDevice.h"
#include "platform/testing/TestControls.h"
#include "render/ScreenSpace.h"
#include "render/Sprite.h"
#include "tests/platform/HeadlessFixture.h"
#include "tests/tlib/ThrowsMessage.h"

using platform_test::PresentedFrame;
using render_test::Position;
using render_test::Positions;
using render_test::TestDevice;

namespace {

class RenderDevice : public HeadlessFixture {};
using RenderDeviceThreads = RenderDevice;

TEST_F(RenderDevice, FailingDirect3DCallsThrow) {
  TestDevice test(1024, 768);
  CRenderDevice& device = test.Render();
  EXPECT_THROWS_MESSAGE(device.CreateTexture(0, 5, nullptr), u"COM method call failed");
  EXPECT_THROWS_MESSAGE(device.CreateSprite(5000, 5, nullptr), u"COM method call failed");
  device.BeginFrame();
  EXPECT_THROWS_MESSAGE(device.BeginFrame(), u"COM method call failed");
  platform_test::FailCall("IDirect3DDevice9::Present", 0);
  EXPECT_THROWS_MESSAGE(device.EndFrame(), u"COM method call failed");
  CDirect3D direct3D;
  platform_test::FailCall("IDirect3D9::CreateDevice", 0);
  EXPECT_THROWS_MESSAGE(delete direct3D.CreateDevice(false, test.Window(), 1024, 768),
                        u"COM method call failed");
  platform_test::FailCall("Direct3DCreate9", 0);
  EXPECT_THROWS_MESSAGE(CDirect3D(), u"Direct3DCreate9() failed");
  // Presenting into a window that is gone.
  device.BeginFrame();
  DestroyWindow(test.Window());
  EXPECT_THROWS_MESSAGE(device.EndFrame(), u"COM method call failed");
}

// The preloader's pattern: sprites made on a worker thread while the main
// thread keeps drawing. Each covers exactly its pixels, texel for texel.
TEST_F(RenderDeviceThreads, SpritesMadeOnAnotherThreadWhileFramesAreDrawnShowTexelForTexel) {
  TestDevice test(1024, 768);
  CRenderDevice& device = test.Render();
  UseScreenSpace(&device);
  constexpr int spriteCount = 40;
  std::vector<CSprite*> sprites(spriteCount);
  std::thread loader([&] {
    for (int i = 0; i < spriteCount; ++i) {
      const std::vector<std::uint32_t> pixels(16 * 16, 0xFF000000u | (i + 1));
      sprites[i] = device.CreateSprite(16, 16, pixels.data());
    }
  });
  CSprite* sprite = device.CreateSprite(37, 21, Positions(37, 21).data());
  for (int frame = 0; frame < 10; ++frame) {
    test.BeginFrame(0xFF000000);
    device.DrawSprite(sprite, 0, 0, 0, 0);
    test.EndFrame();
  }
  loader.join();
  test.BeginFrame(0xFF000000);
  for (int i = 0; i < spriteCount; ++i) device.DrawSprite(sprites[i], 16 * i, 300, 0, 0);
  // Centred across on x = 100, the corner lands at 81.5: the first pixel centre inside is 82.
  device.DrawSprite(sprite, 100, 200, 0.5, 1);
  const PresentedFrame frame = test.EndFrame();
  for (int i = 0; i < spriteCount; ++i) EXPECT_EQ(i + 1u, frame.Colour(16 * i + 8, 308));
  // The sprite, and nothing in a margin of two pixels around it.
  for (int y = 177; y < 202; ++y) {
    for (int x = 80; x < 121; ++x) {
      const bool inside = x >= 82 && x < 82 + 37 && y >= 179 && y < 179 + 21;
      ASSERT_EQ(inside ? Position(x - 82, y - 179) : 0u, frame.Colour(x, y)) << x << ", " << y;
    }
  }
}

}  // namespace
