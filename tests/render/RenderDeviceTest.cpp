// CDirect3D and CRenderDevice over the software device, frames read back from
// the headless presenter.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "TestDevice.h"
#include "math/Matrix4.h"
#include "platform/testing/TestControls.h"
#include "render/Bitmap.h"
#include "render/ScreenSpace.h"
#include "render/Sprite.h"
#include "tests/platform/HeadlessFixture.h"
#include "tests/tlib/ThrowsMessage.h"

using platform_test::PresentedFrame;
using render_test::Position;
using render_test::Positions;

namespace {

// A render device for a 1024 x 768 main window, with the program's render
// states, drawing in screen space.
class RenderDeviceFixture : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    test_.emplace(1024, 768);
    device_ = &test_->Render();
    UseScreenSpace(device_);
  }
  void TearDown() override {
    test_.reset();
    HeadlessFixture::TearDown();
  }

  template <typename Draw>
  PresentedFrame Frame(Draw draw) {
    device_->BeginFrame();
    draw();
    return test_->EndFrame();
  }

  std::optional<render_test::TestDevice> test_;
  CRenderDevice* device_ = nullptr;
};

using RenderDevice = RenderDeviceFixture;
using RenderDeviceThreads = RenderDeviceFixture;

TEST_F(RenderDevice, ClearsToOpaqueBlackUntilTheClearColourIsSetAndSavesFramesAsPictures) {
  EXPECT_EQ(0x000000u, Frame([] {}).Colour(1023, 767));
  device_->SetClearColour(0xFF123456);
  CSprite* corner = device_->CreateSprite(3, 2, Positions(3, 2).data());
  const PresentedFrame frame = Frame([&] { device_->DrawSprite(corner, 0, 0, 0, 0); });
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("marrowick-frame-" + std::to_string(getpid()) + ".bmp"))
                               .string();
  ASSERT_TRUE(platform_test::SaveFrameAsBmp(frame, path.c_str()));
  const std::unique_ptr<CBitmap> saved = CBitmap::Load(tlib::TString(
      static_cast<int>(path.size()), std::u16string(path.begin(), path.end()).data()));
  std::filesystem::remove(path);
  ASSERT_EQ(1024, saved->Width());
  ASSERT_EQ(768, saved->Height());
  EXPECT_EQ(0xFF000000 | Position(2, 1), saved->Pixels()[1 * 1024 + 2]);
  EXPECT_EQ(0xFF123456u, saved->Pixels()[767 * 1024 + 1023]);
}

TEST_F(RenderDevice, SpritesCoverExactlyTheirPixelsTexelForTexel) {
  CSprite* sprite = device_->CreateSprite(37, 21, Positions(37, 21).data());
  struct Case {
    int x, y;
    double centreX, centreY;
    int left, top;  // of the first pixel the sprite covers
  };
  // Centred across on x = 100, the corner lands at 81.5: the first pixel centre inside is 82.
  for (const Case& c : {Case{0, 0, 0, 0, 0, 0}, Case{100, 200, 0.5, 1, 82, 179}}) {
    const PresentedFrame frame =
        Frame([&] { device_->DrawSprite(sprite, c.x, c.y, c.centreX, c.centreY); });
    // The sprite, and nothing in a margin of two pixels around it.
    for (int y = std::max(0, c.top - 2); y < c.top + 23; ++y) {
      for (int x = std::max(0, c.left - 2); x < c.left + 39; ++x) {
        const bool inside = x >= c.left && x < c.left + 37 && y >= c.top && y < c.top + 21;
        ASSERT_EQ(inside ? Position(x - c.left, y - c.top) : 0u, frame.Colour(x, y))
            << x << ", " << y;
      }
    }
  }
}

TEST_F(RenderDevice, FailingDirect3DCallsThrow) {
  EXPECT_THROWS_MESSAGE(device_->CreateTexture(0, 5, nullptr), u"COM method call failed");
  EXPECT_THROWS_MESSAGE(device_->CreateSprite(5000, 5, nullptr), u"COM method call failed");
  device_->BeginFrame();
  EXPECT_THROWS_MESSAGE(device_->BeginFrame(), u"COM method call failed");
  platform_test::FailCall("IDirect3DDevice9::Present", 0);
  EXPECT_THROWS_MESSAGE(device_->EndFrame(), u"COM method call failed");
  CDirect3D direct3D;
  platform_test::FailCall("IDirect3D9::CreateDevice", 0);
  EXPECT_THROWS_MESSAGE(delete direct3D.CreateDevice(false, test_->Window(), 1024, 768),
                        u"COM method call failed");
  platform_test::FailCall("Direct3DCreate9", 0);
  EXPECT_THROWS_MESSAGE(CDirect3D(), u"Direct3DCreate9() failed");
  // Presenting into a window that is gone.
  device_->BeginFrame();
  DestroyWindow(test_->Window());
  EXPECT_THROWS_MESSAGE(device_->EndFrame(), u"COM method call failed");
}

// The preloader's pattern: sprites made on a worker thread while the main
// thread keeps drawing.
TEST_F(RenderDeviceThreads, TexturesAreCreatedOnAnotherThreadWhileFramesAreDrawn) {
  constexpr int spriteCount = 40;
  std::vector<CSprite*> sprites(spriteCount);
  std::thread loader([&] {
    for (int i = 0; i < spriteCount; ++i) {
      const std::vector<std::uint32_t> pixels(16 * 16, 0xFF000000u | (i + 1));
      sprites[i] = device_->CreateSprite(16, 16, pixels.data());
    }
  });
  CSprite* marker = device_->CreateSprite(4, 4, Positions(4, 4).data());
  for (int frame = 0; frame < 10; ++frame) Frame([&] { device_->DrawSprite(marker, 0, 0, 0, 0); });
  loader.join();
  const PresentedFrame frame = Frame([&] {
    for (int i = 0; i < spriteCount; ++i) device_->DrawSprite(sprites[i], 16 * i, 100, 0, 0);
  });
  for (int i = 0; i < spriteCount; ++i) EXPECT_EQ(i + 1u, frame.Colour(16 * i + 8, 108));
}

}  // namespace
