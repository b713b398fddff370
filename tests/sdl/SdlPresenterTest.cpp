// The render device presenting into a real SDL window, on SDL's offscreen
// video driver: what the window's surface shows is the frame.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "math/Matrix4.h"
#include "platform/D3D9.h"
#include "platform/Windows.h"
#include "platform/sdl/SdlTestControls.h"
#include "render/Direct3D.h"
#include "render/RenderDevice.h"
#include "render/Sprite.h"

namespace sdl = platform_test::sdl;

namespace {

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

}  // namespace

TEST(SdlPresenter, TheWindowShowsThePresentedFrameThroughACopy) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);  // no display needed
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = u"PresenterTest";
  RegisterClassExW(&windowClass);  // or registered already
  HWND window = CreateWindowExW(0, u"PresenterTest", u"", WS_POPUP, 0, 0, 1024, 768, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  ShowWindow(window, SW_SHOW);
  {
    CDirect3D direct3D;
    const std::unique_ptr<CRenderDevice> device(direct3D.CreateDevice(false, window, 1024, 768));
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
  EXPECT_EQ(0x336699, sdl::ShownColour(window, 0, 0));
  EXPECT_EQ(0x336699, sdl::ShownColour(window, 1023, 767));
  EXPECT_EQ(0xFF0000, sdl::ShownColour(window, 10, 20));
  EXPECT_EQ(0xFF0000, sdl::ShownColour(window, 13, 23));
  EXPECT_EQ(0x336699, sdl::ShownColour(window, 14, 20));
  EXPECT_FALSE(OpenGlLoaded()) << "showing a frame costs a copy, not a second renderer";
  DestroyWindow(window);
}
