// A render device over a headless window, set up as the program sets up its
// own, for drawing shapes given in pixel coordinates under identity
// transforms and reading back the presented frame. Tests that use it reset the
// headless desktop (HeadlessFixture), which also takes its window away.
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

// Pixels whose colour says where they are: texel (x, y) shows as Position(x, y).
inline std::uint32_t Position(int x, int y) { return static_cast<std::uint32_t>(x << 10 | y); }
std::vector<std::uint32_t> Positions(int width, int height);

// A corner in back buffer pixels (x right, y down), depth 0 (near) to 1 (far).
struct PixelCorner {
  float x, y, z;
  D3DCOLOR colour;
  float u, v;
};

// The rectangle [left, right) x [top, bottom) as two clockwise triangles, at
// depth z on its left edge and z + slope on its right, showing the texture
// from (u0, v0) at the top left to (u1, v1) at the bottom right.
struct Quad {
  float left = 0, top = 0, right = 8, bottom = 8;
  float z = 0.5f, slope = 0;
  D3DCOLOR colour = 0xFFFFFFFF;
  IDirect3DTexture9* texture = nullptr;
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

class TestDevice {
 public:
  TestDevice(int width, int height);

  IDirect3DDevice9* Device() const { return render_->GetDevice(); }
  CRenderDevice& Render() const { return *render_; }
  HWND Window() const { return window_; }

  // Clears colour and depth, then begins a scene.
  void BeginFrame(D3DCOLOR clearColour);
  // Ends the scene, presents it and returns what was presented.
  platform_test::PresentedFrame EndFrame();

  // One triangle in the corners' colours, times the texture if there is one.
  void Draw(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c,
            IDirect3DTexture9* texture = nullptr);
  void Draw(const Quad& quad);

  // A drawable texture of `texels` (top row first), owned by the device.
  IDirect3DTexture9* MakeTexture(int width, int height, const std::vector<std::uint32_t>& texels);

 private:
  int width_;
  int height_;
  HWND window_;
  CDirect3D direct3D_;
  std::unique_ptr<CRenderDevice> render_;
};

}  // namespace render_test
