// CDirect3D and CRenderDevice over the software device, frames read back from
// the headless presenter.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "TestDevice.h"
#include "platform/D3D9.h"
#include "platform/HeadlessFrames.h"
#include "platform/TestControls.h"
#include "render/Bitmap.h"
#include "render/Direct3D.h"
#include "render/Matrix4.h"
#include "render/RenderDevice.h"
#include "render/Sprite.h"
#include "tests/platform/HeadlessFixture.h"
#include "tests/tlib/ThrowsMessage.h"

using platform_test::PresentedFrame;
using render_test::Position;
using render_test::Positions;
using render_test::SetProgramRenderStates;
using render_test::TestWindow;

namespace {

// A render device for a 1024 x 768 main window, with the program's render states.
class RenderDeviceFixture : public HeadlessFixture {
 protected:
  void SetUp() override {
    HeadlessFixture::SetUp();
    window_ = std::make_unique<TestWindow>(1024, 768);
    device_.reset(direct3D_.CreateDevice(false, Window(), 1024, 768));
    SetProgramRenderStates(device_->GetDevice());
  }
  void TearDown() override {
    device_.reset();
    window_.reset();
    HeadlessFixture::TearDown();
  }

  HWND Window() { return window_->Handle(); }

  template <typename Draw>
  PresentedFrame Frame(Draw draw) {
    device_->BeginFrame();
    draw();
    device_->EndFrame();
    return platform_test::LastPresentedFrame(Window());
  }

  void IdentityTransforms() {
    device_->SetTransform(TransformKind::Projection, Matrix4::Identity());
    device_->SetTransform(TransformKind::View, Matrix4::Identity());
    device_->SetTransform(TransformKind::World, Matrix4::Identity());
  }

  std::unique_ptr<TestWindow> window_;
  CDirect3D direct3D_;
  std::unique_ptr<CRenderDevice> device_;
};

using RenderDevice = RenderDeviceFixture;
using RenderDeviceThreads = RenderDeviceFixture;

}  // namespace

TEST_F(RenderDevice, ClearsToOpaqueBlackUntilTheClearColourIsSet) {
  PresentedFrame frame = Frame([] {});
  EXPECT_EQ(1024, frame.width);
  EXPECT_EQ(768, frame.height);
  EXPECT_EQ(0x000000u, frame.Colour(0, 0));
  EXPECT_EQ(0x000000u, frame.Colour(1023, 767));
  device_->SetClearColour(0xFFFFFFFE);
  frame = Frame([] {});
  EXPECT_EQ(0xFFFFFEu, frame.Colour(0, 0));
  EXPECT_EQ(0xFFFFFEu, frame.Colour(1023, 767));
}

TEST_F(RenderDevice, PresentedFramesAreCountedAndCanBeSavedAsPictures) {
  device_->SetClearColour(0xFF123456);
  CSprite* corner = device_->CreateSprite(3, 2, Positions(3, 2).data());
  IdentityTransforms();
  Frame([] {});
  const PresentedFrame frame = Frame([&] { device_->DrawSprite(corner, 0, 0, 0, 0); });
  EXPECT_EQ(2, platform_test::PresentedFrameCount(Window()));
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
  CSprite* small = device_->CreateSprite(37, 21, Positions(37, 21).data());
  IdentityTransforms();
  const PresentedFrame frame = Frame([&] {
    device_->DrawSprite(small, 0, 0, 0, 0);
    // Centred on (100, 200): the corner lands at (81.5, 189.5), so the first
    // pixel centre inside is (82, 190).
    device_->DrawSprite(small, 100, 200, 0.5, 0.5);
  });
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x < 37 && y < 21;
      ASSERT_EQ(inside ? Position(x, y) : 0u, frame.Colour(x, y)) << x << ", " << y;
    }
  }
  for (int y = 188; y < 213; ++y) {
    for (int x = 80; x < 121; ++x) {
      const bool inside = x >= 82 && x < 82 + 37 && y >= 190 && y < 190 + 21;
      ASSERT_EQ(inside ? Position(x - 82, y - 190) : 0u, frame.Colour(x, y)) << x << ", " << y;
    }
  }
}

TEST_F(RenderDevice, AWindowSizedSpriteInTheMiddleFillsTheWindowExactly) {
  CSprite* screen = device_->CreateSprite(1024, 768, Positions(1024, 768).data());
  IdentityTransforms();
  const PresentedFrame frame = Frame([&] { device_->DrawSprite(screen, 512, 384, 0.5, 0.5); });
  for (int y = 0; y < 768; ++y) {
    for (int x = 0; x < 1024; ++x) ASSERT_EQ(Position(x, y), frame.Colour(x, y)) << x << ", " << y;
  }
}

TEST_F(RenderDevice, DrawsTheGroundAndATileThroughTheGameCamera) {
  Matrix4 projection;
  projection.m[0][0] = 2;
  projection.m[1][1] = -8.0 / 3;
  projection.m[2][2] = 1.0019569471624266;
  projection.m[2][3] = 1;
  projection.m[3][2] = -2.003913894324853;
  const std::vector<std::uint32_t> grey(4, 0xFF808080);
  CTexture* tile = device_->CreateTexture(2, 2, grey.data());
  const PresentedFrame frame = Frame([&] {
    device_->SetTransform(TransformKind::Projection, projection);
    device_->SetTransform(TransformKind::View, Matrix4::Translation(-Vector3{0, 0, -200}));
    device_->SetTransform(TransformKind::World, Matrix4::Identity());
    const ColouredVertex v1{-2400, -2400, 0, 0xFF54A543}, v2{2400, -2400, 0, 0xFF54A543};
    const ColouredVertex v3{-2400, 2400, 0, 0xFF54A543}, v4{2400, 2400, 0, 0xFF54A543};
    device_->DrawColouredTriangle(v1, v2, v3);
    device_->DrawColouredTriangle(v2, v4, v3);
    // The tile of the cell east of the middle one: 8 units = 40.8 pixels to the right.
    device_->SetTransform(TransformKind::World, Matrix4::Translation(Vector3{8, 0, 0}));
    const TexturedVertex t1{-4, -4, 0, 0, 0}, t2{4, -4, 0, 1, 0};
    const TexturedVertex t3{-4, 4, 0, 0, 1}, t4{4, 4, 0, 1, 1};
    device_->DrawTexturedTriangle(t1, t2, t3, tile);
    device_->DrawTexturedTriangle(t2, t4, t3, tile);
  });
  // The tile spans 512 + (8 -+ 4) x 1024 / 201 = 532.4 to 573.1 across and
  // 384 -+ 20.4 = 363.6 to 404.4 down.
  EXPECT_EQ(0x54A543u, frame.Colour(0, 0));
  EXPECT_EQ(0x54A543u, frame.Colour(1023, 767));
  EXPECT_EQ(0x54A543u, frame.Colour(532, 384));
  EXPECT_EQ(0x808080u, frame.Colour(533, 384));
  EXPECT_EQ(0x808080u, frame.Colour(573, 384));
  EXPECT_EQ(0x54A543u, frame.Colour(574, 384));
  EXPECT_EQ(0x54A543u, frame.Colour(550, 363));
  EXPECT_EQ(0x808080u, frame.Colour(550, 364));
  EXPECT_EQ(0x808080u, frame.Colour(550, 404));
  EXPECT_EQ(0x54A543u, frame.Colour(550, 405));
}

TEST_F(RenderDevice, FailingDirect3DCallsThrow) {
  EXPECT_THROWS_MESSAGE(device_->CreateTexture(0, 5, nullptr), u"COM method call failed");
  EXPECT_THROWS_MESSAGE(device_->CreateSprite(5000, 5, nullptr), u"COM method call failed");
  device_->BeginFrame();
  EXPECT_THROWS_MESSAGE(device_->BeginFrame(), u"COM method call failed");
  platform_test::FailCall("IDirect3DDevice9::Present", 0);
  EXPECT_THROWS_MESSAGE(device_->EndFrame(), u"COM method call failed");
  platform_test::FailCall("IDirect3D9::CreateDevice", 0);
  EXPECT_THROWS_MESSAGE(delete direct3D_.CreateDevice(false, Window(), 1024, 768),
                        u"COM method call failed");
  platform_test::FailCall("Direct3DCreate9", 0);
  EXPECT_THROWS_MESSAGE(CDirect3D(), u"Direct3DCreate9() failed");
}

TEST_F(RenderDevice, PresentingIntoAWindowThatIsGoneFails) {
  device_->BeginFrame();
  window_.reset();
  EXPECT_THROWS_MESSAGE(device_->EndFrame(), u"COM method call failed");
}

TEST_F(RenderDeviceThreads, TexturesAreCreatedOnAnotherThreadWhileFramesAreDrawn) {
  // The preloader's pattern: sprites made on a worker thread while the main
  // thread keeps drawing.
  IdentityTransforms();
  constexpr int spriteCount = 40;
  std::vector<CSprite*> sprites(spriteCount);
  std::thread loader([&] {
    for (int i = 0; i < spriteCount; ++i) {
      const std::vector<std::uint32_t> pixels(16 * 16,
                                              0xFF000000u | static_cast<std::uint32_t>(i + 1));
      sprites[i] = device_->CreateSprite(16, 16, pixels.data());
    }
  });
  CSprite* marker = device_->CreateSprite(4, 4, Positions(4, 4).data());
  for (int frame = 0; frame < 10; ++frame) Frame([&] { device_->DrawSprite(marker, 0, 0, 0, 0); });
  loader.join();
  const PresentedFrame frame = Frame([&] {
    for (int i = 0; i < spriteCount; ++i) device_->DrawSprite(sprites[i], 16 * i, 100, 0, 0);
  });
  for (int i = 0; i < spriteCount; ++i)
    EXPECT_EQ(static_cast<std::uint32_t>(i + 1), frame.Colour(16 * i + 8, 108));
}
