// The SDL2 backend with a real SDL window, on SDL's offscreen video driver so
// that it runs without a display: windows, keyboard, mouse, the close button,
// the cursor, posts that wake the message loop, and the frames the render
// device presents into the window. SmokeProgram.cpp runs a timer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "math/Matrix4.h"
#include "platform/D3D9.h"
#include "platform/sdl/SdlTestControls.h"
#include "platform/sdl/SdlWindows.h"
#include "render/Direct3D.h"
#include "render/RenderDevice.h"
#include "render/Sprite.h"
#include "tests/platform/RecordingWindow.h"

namespace sdl = platform_test::sdl;

namespace {

// A shown window with the game's style and a client area of 1024 x 768.
class SdlBackend : public RecordingTest {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);  // no display needed
    RecordingTest::SetUp();
    RECT outer{0, 0, 1024, 768};
    ASSERT_TRUE(AdjustWindowRect(&outer, 0x80CB0000, FALSE));
    window_ = recording::Create(0x80CB0000 | WS_VISIBLE, outer, u"Marrowick \u00e9");
    ASSERT_NE(window_, nullptr);
    recording::Received().clear();
  }

  HWND window_ = nullptr;
};

TEST_F(SdlBackend, TheWindowIsARealFixedSizeSdlWindowWithTheWindowText) {
  ASSERT_NE(platform::sdl::WindowFor(window_), nullptr);
  EXPECT_EQ(sdl::WindowTitle(window_), "Marrowick \xC3\xA9");
  EXPECT_FALSE(sdl::IsResizable(window_));
  EXPECT_TRUE(sdl::IsShown(window_));
  EXPECT_EQ((std::pair{sdl::ClientWidth(window_), sdl::ClientHeight(window_)}),
            (std::pair{1024, 768}));
  EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
  EXPECT_GT(GetSystemMetrics(SM_CYSCREEN), 0);
  ShowWindow(window_, SW_HIDE);
  EXPECT_FALSE(sdl::IsShown(window_));

  EXPECT_EQ(ShowCursor(FALSE), -1);
  EXPECT_FALSE(sdl::IsSystemCursorShown());
  EXPECT_EQ(ShowCursor(TRUE), 0);
  EXPECT_TRUE(sdl::IsSystemCursorShown());
}

// Which key is which, the characters of keys and of text, and mouse buttons;
// the bits the messages carry are the stand-ins' own (InputTest.cpp).
TEST_F(SdlBackend, KeysTextAndTheMouseBecomeWindowsMessages) {
  sdl::PushKey(window_, "Return", true);
  sdl::PushText(window_, "a\xC3\xA9");
  sdl::PushKey(window_, "F13", true);  // no virtual key: no message
  sdl::PushKey(window_, "Escape", false);
  sdl::PushKey(window_, "A", true);
  sdl::PushMouseMove(window_, 100, 700);
  sdl::PushMouseButton(window_, platform::MouseButton::Right, true, 5, 6);
  sdl::PushMouseButton(window_, platform::MouseButton::Left, false, 101, 701);

  std::vector<Seen> expected = {{WM_KEYDOWN, VK_RETURN, 0x1},
                                {WM_CHAR, 13, 0x1},
                                {WM_CHAR, 'a', 0x1},
                                {WM_CHAR, 0xE9, 0x1},
                                {WM_KEYUP, VK_ESCAPE, 0xC0000001},
                                {WM_KEYDOWN, 'A', 0x1},
                                {WM_MOUSEMOVE, 0, MAKELPARAM(100, 700)},
                                {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 6)},
                                {WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(101, 701)}};
  EXPECT_EQ(recording::RetrieveSeen(int(expected.size()), false), expected);
}

TEST_F(SdlBackend, TheCloseButtonClosesTheWindow) {
  sdl::PushCloseButton(window_);
  DispatchMessageW(&recording::Retrieve(1).at(0));
  EXPECT_EQ(recording::Received(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_EQ(platform::sdl::WindowFor(window_), nullptr);
}

TEST_F(SdlBackend, PostsFromAnotherThreadWakeTheLoop) {
  constexpr int count = 50;
  std::thread poster([this] {
    for (int i = 0; i < count; ++i) PostMessageW(window_, WM_USER, WPARAM(i), 0);
  });
  std::vector<Seen> received = recording::RetrieveSeen(count, false);
  poster.join();
  std::vector<Seen> expected;
  for (int i = 0; i < count; ++i) expected.push_back(Seen{WM_USER, WPARAM(i)});
  EXPECT_EQ(received, expected);
}

// Whether an OpenGL driver (Mesa's, with LLVM for software rendering) has been
// loaded into this process.
bool OpenGlLoaded() {
  std::ifstream maps("/proc/self/maps");
  for (std::string line; std::getline(maps, line);) {
    for (const char* library : {"libGL", "libEGL", "libLLVM", "_dri.so"}) {
      if (line.find(library) != std::string::npos) return true;
    }
  }
  return false;
}

TEST_F(SdlBackend, TheWindowShowsThePresentedFrameThroughACopy) {
  {
    CDirect3D direct3D;
    const std::unique_ptr<CRenderDevice> device(direct3D.CreateDevice(false, window_, 1024, 768));
    device->SetClearColour(0xFF336699);
    device->GetDevice()->SetRenderState(D3DRS_LIGHTING, FALSE);
    const std::vector<std::uint32_t> red(4 * 4, 0xFFFF0000);
    CSprite* sprite = device->CreateSprite(4, 4, red.data());
    device->BeginFrame();
    device->SetTransform(TransformKind::Projection, Matrix4::Identity());
    device->SetTransform(TransformKind::View, Matrix4::Identity());
    device->SetTransform(TransformKind::World, Matrix4::Identity());
    device->DrawSprite(sprite, 10, 20, 0, 0);
    device->EndFrame();
  }
  EXPECT_EQ((std::vector<long>{0x336699, 0xFF0000, 0xFF0000, 0x336699, 0x336699}),
            (std::vector<long>{sdl::ShownColour(window_, 0, 0), sdl::ShownColour(window_, 10, 20),
                               sdl::ShownColour(window_, 13, 23), sdl::ShownColour(window_, 14, 20),
                               sdl::ShownColour(window_, 1023, 767)}));
  EXPECT_FALSE(OpenGlLoaded()) << "showing a frame costs a copy, not a second renderer";
}

// Without any display SDL still offers its offscreen driver, where a window is
// never seen: making one fails instead, with a last error, as CreateWindowEx
// does on a Windows without a desktop. A fresh process, so that SDL's video
// starts there for the first time.
TEST(SdlWithoutADisplayDeathTest, CreatingAWindowFailsWithALastError) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto createWindow = [] {
    for (const char* variable : {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY"}) {
      unsetenv(variable);
    }
    recording::RegisterRecordingClass();
    SetLastError(0);
    HWND window = recording::Create();
    std::fprintf(stderr, "%s, last error %u\n", window == nullptr ? "no window" : "a window",
                 unsigned(GetLastError()));
    std::exit(0);
  };
  EXPECT_EXIT(createWindow(), testing::ExitedWithCode(0), "no window, last error [1-9]");
}

}  // namespace
