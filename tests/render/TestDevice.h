// A headless window with a render device for it, set up with the render
// states the program uses, for drawing triangles given in pixel coordinates
// under identity transforms and reading back the presented frame. Tests that
// use them reset the headless desktop (HeadlessFixture).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/D3D9.h"
#include "platform/Windows.h"
#include "platform/testing/HeadlessFrames.h"
#include "render/Direct3D.h"
#include "render/RenderDevice.h"

namespace render_test {

// A corner in back buffer pixels (x right, y down), depth 0 (near) to 1 (far).
struct PixelCorner {
  float x, y, z;
  D3DCOLOR colour;
  float u, v;
};

// A popup window whose client area is width x height; destroyed with the object.
class TestWindow {
 public:
  TestWindow(int width, int height);
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
  ~TestWindow() { DestroyWindow(handle_); }

  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};

// Pixels whose colour says where they are: (x, y) is 0xFF000000 | x << 10 | y,
// and Position(x, y) its colour as a frame shows it.
std::vector<std::uint32_t> Positions(int width, int height);
inline std::uint32_t Position(int x, int y) { return static_cast<std::uint32_t>(x << 10 | y); }

class TestDevice {
 public:
  TestDevice(int width, int height);

  IDirect3DDevice9* Device() const { return render_->GetDevice(); }
  CRenderDevice& Render() const { return *render_; }
  HWND Window() const { return window_.Handle(); }

  // Clears colour and depth, then begins a scene.
  void BeginFrame(D3DCOLOR clearColour);
  // Ends the scene, presents it and returns what was presented.
  platform_test::PresentedFrame EndFrame();

  // One triangle in the corners' colours, times the texture if there is one.
  void Draw(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c,
            IDirect3DTexture9* texture = nullptr);
  // The axis-aligned rectangle [left, right) x [top, bottom) as two clockwise triangles.
  void DrawRectangle(float left, float top, float right, float bottom, float z, D3DCOLOR colour);

  // A drawable texture holding `texels` (width x height, top row first); the
  // caller releases it.
  IDirect3DTexture9* MakeTexture(int width, int height, const std::vector<std::uint32_t>& texels);

 private:
  int width_;
  int height_;
  TestWindow window_;
  CDirect3D direct3D_;
  std::unique_ptr<CRenderDevice> render_;
};

}  // namespace render_test
