#include "TestDevice.h"

#include <gtest/gtest.h>

#include "app/Presentation.h"
#include "render/Texture.h"

namespace render_test {
namespace {

HWND CreateTestWindow(int width, int height) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = u"RenderTest";
  RegisterClassExW(&windowClass);  // or registered already
  return CreateWindowExW(0, u"RenderTest", u"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                         nullptr, nullptr);
}

}  // namespace

std::vector<std::uint32_t> Positions(int width, int height) {
  std::vector<std::uint32_t> pixels;
  for (int i = 0; i < width * height; ++i)
    pixels.push_back(0xFF000000u | Position(i % width, i / width));
  return pixels;
}

TestDevice::TestDevice(int width, int height)
    : width_(width),
      height_(height),
      window_(CreateTestWindow(width, height)),
      render_(direct3D_.CreateDevice(false, window_, width, height)) {
  SetUpRenderStates(render_.get());
}

void TestDevice::BeginFrame(D3DCOLOR clearColour) {
  render_->SetClearColour(clearColour);
  render_->BeginFrame();
}

platform_test::PresentedFrame TestDevice::EndFrame() {
  render_->EndFrame();
  return platform_test::LastPresentedFrame(window_);
}

void TestDevice::Draw(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c,
                      IDirect3DTexture9* texture) {
  PixelCorner vertices[3] = {a, b, c};
  for (PixelCorner& vertex : vertices) {
    vertex.x = 2 * vertex.x / width_ - 1;
    vertex.y = 1 - 2 * vertex.y / height_;
  }
  Device()->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1);
  Device()->SetTexture(0, texture);
  EXPECT_EQ(D3D_OK,
            Device()->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, sizeof(PixelCorner)));
  Device()->SetTexture(0, nullptr);
}

void TestDevice::Draw(const Quad& q) {
  const float rightZ = q.z + q.slope;
  const PixelCorner topLeft{q.left, q.top, q.z, q.colour, q.u0, q.v0};
  const PixelCorner topRight{q.right, q.top, rightZ, q.colour, q.u1, q.v0};
  const PixelCorner bottomLeft{q.left, q.bottom, q.z, q.colour, q.u0, q.v1};
  const PixelCorner bottomRight{q.right, q.bottom, rightZ, q.colour, q.u1, q.v1};
  Draw(topLeft, topRight, bottomLeft, q.texture);
  Draw(topRight, bottomRight, bottomLeft, q.texture);
}

IDirect3DTexture9* TestDevice::MakeTexture(int width, int height,
                                           const std::vector<std::uint32_t>& texels) {
  return render_->CreateTexture(width, height, texels.data())->GetTexture();
}

}  // namespace render_test
