#include "TestDevice.h"

#include <gtest/gtest.h>

#include <cstring>

namespace render_test {

TestWindow::TestWindow(int width, int height) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.lpszClassName = u"RenderTest";
  RegisterClassExW(&windowClass);  // or registered already
  handle_ = CreateWindowExW(0, u"RenderTest", u"", WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                            nullptr, nullptr);
  EXPECT_NE(nullptr, handle_);
}

std::vector<std::uint32_t> Positions(int width, int height) {
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(0xFF000000u | Position(x, y));
  }
  return pixels;
}

TestDevice::TestDevice(int width, int height)
    : width_(width),
      height_(height),
      window_(width, height),
      render_(direct3D_.CreateDevice(false, window_.Handle(), width, height)) {
  IDirect3DDevice9* device = Device();
  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
  device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
}

void TestDevice::BeginFrame(D3DCOLOR clearColour) {
  render_->SetClearColour(clearColour);
  render_->BeginFrame();
}

platform_test::PresentedFrame TestDevice::EndFrame() {
  render_->EndFrame();
  return platform_test::LastPresentedFrame(window_.Handle());
}

void TestDevice::Draw(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c,
                      IDirect3DTexture9* texture) {
  PixelCorner vertices[3] = {a, b, c};
  for (PixelCorner& vertex : vertices) {
    vertex.x = 2 * vertex.x / width_ - 1;
    vertex.y = 1 - 2 * vertex.y / height_;
  }
  EXPECT_EQ(D3D_OK, Device()->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1));
  EXPECT_EQ(D3D_OK, Device()->SetTexture(0, texture));
  EXPECT_EQ(D3D_OK,
            Device()->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, sizeof(PixelCorner)));
  EXPECT_EQ(D3D_OK, Device()->SetTexture(0, nullptr));
}

void TestDevice::DrawRectangle(float left, float top, float right, float bottom, float z,
                               D3DCOLOR colour) {
  const PixelCorner topLeft{left, top, z, colour, 0, 0}, topRight{right, top, z, colour, 1, 0};
  const PixelCorner bottomLeft{left, bottom, z, colour, 0, 1};
  const PixelCorner bottomRight{right, bottom, z, colour, 1, 1};
  Draw(topLeft, topRight, bottomLeft);
  Draw(topRight, bottomRight, bottomLeft);
}

IDirect3DTexture9* TestDevice::MakeTexture(int width, int height,
                                           const std::vector<std::uint32_t>& texels) {
  IDirect3DTexture9 *staging = nullptr, *texture = nullptr;
  const auto w = static_cast<UINT>(width), h = static_cast<UINT>(height);
  EXPECT_EQ(D3D_OK, Device()->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM,
                                            &staging, nullptr));
  D3DLOCKED_RECT locked;
  EXPECT_EQ(D3D_OK, staging->LockRect(0, &locked, nullptr, 0));
  for (int row = 0; row < height; ++row) {
    std::memcpy(static_cast<unsigned char*>(locked.pBits) + row * locked.Pitch,
                &texels[static_cast<std::size_t>(row * width)], w * sizeof(std::uint32_t));
  }
  EXPECT_EQ(D3D_OK, staging->UnlockRect(0));
  EXPECT_EQ(D3D_OK, Device()->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture,
                                            nullptr));
  EXPECT_EQ(D3D_OK, Device()->UpdateTexture(staging, texture));
  staging->Release();
  return texture;
}

}  // namespace render_test
