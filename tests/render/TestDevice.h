// A headless window, and a software Direct3D device for a small one, set up
// with the render states the program uses, for drawing triangles given in
// pixel coordinates under identity transforms and reading back the presented
// frame. Tests that use them reset the headless desktop (HeadlessFixture).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/D3D9.h"
#include "platform/HeadlessFrames.h"
#include "platform/Windows.h"

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
  ~TestWindow();

  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};

// The render states the program sets on its device.
void SetProgramRenderStates(IDirect3DDevice9* device);

// Windowed with a 0 x 0 back buffer (the window's client size), X8R8G8B8, and
// a 16-bit depth buffer.
D3DPRESENT_PARAMETERS WindowedParameters();

// Pixels whose colour says where they are: (x, y) is 0xFF000000 | x << 10 | y,
// and Position(x, y) its colour as a frame shows it.
std::vector<std::uint32_t> Positions(int width, int height);
inline std::uint32_t Position(int x, int y) { return static_cast<std::uint32_t>(x << 10 | y); }

class TestDevice {
 public:
  TestDevice(int width, int height);
  TestDevice(const TestDevice&) = delete;
  TestDevice& operator=(const TestDevice&) = delete;
  ~TestDevice();

  IDirect3DDevice9* Device() const { return device_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Clears colour and depth, then begins a scene.
  void BeginFrame(D3DCOLOR clearColour);
  // Ends the scene, presents it and returns what was presented.
  platform_test::PresentedFrame EndFrame();

  // One triangle, untextured with the corners' colours, or textured
  // (format XYZ | TEX1, or XYZ | DIFFUSE | TEX1 when `withColour` is set).
  void DrawColoured(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c);
  void DrawTextured(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c,
                    IDirect3DTexture9* texture, bool withColour = false);
  // The axis-aligned rectangle [left, right) x [top, bottom) as two clockwise triangles.
  void DrawRectangle(float left, float top, float right, float bottom, float z, D3DCOLOR colour);

  // A drawable texture holding `texels` (width x height, top row first); the
  // caller releases it.
  IDirect3DTexture9* MakeTexture(int width, int height, const std::vector<std::uint32_t>& texels);

 private:
  float ToNdcX(float x) const { return 2 * x / width_ - 1; }
  float ToNdcY(float y) const { return 1 - 2 * y / height_; }

  int width_;
  int height_;
  TestWindow window_;
  IDirect3D9* direct3D_;
  IDirect3DDevice9* device_ = nullptr;
};

}  // namespace render_test
