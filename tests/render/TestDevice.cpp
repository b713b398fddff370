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

TestWindow::~TestWindow() { DestroyWindow(handle_); }

void SetProgramRenderStates(IDirect3DDevice9* device) {
  device->SetRenderState(D3DRS_LIGHTING, FALSE);
  device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
  device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
  device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
  device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
  device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
}

D3DPRESENT_PARAMETERS WindowedParameters() {
  D3DPRESENT_PARAMETERS parameters{};
  parameters.BackBufferFormat = D3DFMT_X8R8G8B8;
  parameters.BackBufferCount = 1;
  parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
  parameters.Windowed = TRUE;
  parameters.EnableAutoDepthStencil = TRUE;
  parameters.AutoDepthStencilFormat = D3DFMT_D16;
  return parameters;
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
      direct3D_(Direct3DCreate9(D3D_SDK_VERSION)) {
  D3DPRESENT_PARAMETERS parameters = WindowedParameters();
  EXPECT_EQ(D3D_OK,
            direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_.Handle(),
                                    D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters, &device_));
  SetProgramRenderStates(device_);
}

TestDevice::~TestDevice() {
  device_->Release();
  direct3D_->Release();
}

void TestDevice::BeginFrame(D3DCOLOR clearColour) {
  EXPECT_EQ(D3D_OK,
            device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, clearColour, 1.0f, 0));
  EXPECT_EQ(D3D_OK, device_->BeginScene());
}

platform_test::PresentedFrame TestDevice::EndFrame() {
  EXPECT_EQ(D3D_OK, device_->EndScene());
  EXPECT_EQ(D3D_OK, device_->Present(nullptr, nullptr, nullptr, nullptr));
  return platform_test::LastPresentedFrame(window_.Handle());
}

void TestDevice::DrawColoured(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c) {
  struct Vertex {
    float x, y, z;
    D3DCOLOR colour;
  };
  const Vertex vertices[3] = {{ToNdcX(a.x), ToNdcY(a.y), a.z, a.colour},
                              {ToNdcX(b.x), ToNdcY(b.y), b.z, b.colour},
                              {ToNdcX(c.x), ToNdcY(c.y), c.z, c.colour}};
  EXPECT_EQ(D3D_OK, device_->SetFVF(D3DFVF_XYZ | D3DFVF_DIFFUSE));
  EXPECT_EQ(D3D_OK, device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, vertices, sizeof(Vertex)));
}

void TestDevice::DrawTextured(const PixelCorner& a, const PixelCorner& b, const PixelCorner& c,
                              IDirect3DTexture9* texture, bool withColour) {
  struct Vertex {
    float x, y, z;
    D3DCOLOR colour;
    float u, v;
  };
  const PixelCorner* corners[3] = {&a, &b, &c};
  unsigned char stream[3 * sizeof(Vertex)];
  const UINT stride = withColour ? sizeof(Vertex) : sizeof(Vertex) - sizeof(D3DCOLOR);
  for (int i = 0; i < 3; ++i) {
    const PixelCorner& corner = *corners[i];
    const float position[3] = {ToNdcX(corner.x), ToNdcY(corner.y), corner.z};
    const float coordinates[2] = {corner.u, corner.v};
    unsigned char* vertex = stream + i * stride;
    std::memcpy(vertex, position, sizeof position);
    if (withColour) std::memcpy(vertex + sizeof position, &corner.colour, sizeof corner.colour);
    std::memcpy(vertex + stride - sizeof coordinates, coordinates, sizeof coordinates);
  }
  const DWORD fvf = D3DFVF_XYZ | D3DFVF_TEX1 | (withColour ? D3DFVF_DIFFUSE : 0);
  EXPECT_EQ(D3D_OK, device_->SetFVF(fvf));
  EXPECT_EQ(D3D_OK, device_->SetTexture(0, texture));
  EXPECT_EQ(D3D_OK, device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, stream, stride));
  EXPECT_EQ(D3D_OK, device_->SetTexture(0, nullptr));
}

void TestDevice::DrawRectangle(float left, float top, float right, float bottom, float z,
                               D3DCOLOR colour) {
  const PixelCorner topLeft{left, top, z, colour, 0, 0};
  const PixelCorner topRight{right, top, z, colour, 1, 0};
  const PixelCorner bottomLeft{left, bottom, z, colour, 0, 1};
  const PixelCorner bottomRight{right, bottom, z, colour, 1, 1};
  DrawColoured(topLeft, topRight, bottomLeft);
  DrawColoured(topRight, bottomRight, bottomLeft);
}

IDirect3DTexture9* TestDevice::MakeTexture(int width, int height,
                                           const std::vector<std::uint32_t>& texels) {
  IDirect3DTexture9* staging = nullptr;
  IDirect3DTexture9* texture = nullptr;
  const auto w = static_cast<UINT>(width);
  const auto h = static_cast<UINT>(height);
  EXPECT_EQ(D3D_OK, device_->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM, &staging,
                                           nullptr));
  D3DLOCKED_RECT locked;
  EXPECT_EQ(D3D_OK, staging->LockRect(0, &locked, nullptr, 0));
  for (int row = 0; row < height; ++row) {
    std::memcpy(static_cast<unsigned char*>(locked.pBits) + row * locked.Pitch,
                texels.data() + static_cast<std::size_t>(row) * width,
                width * sizeof(std::uint32_t));
  }
  EXPECT_EQ(D3D_OK, staging->UnlockRect(0));
  EXPECT_EQ(D3D_OK, device_->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture,
                                           nullptr));
  EXPECT_EQ(D3D_OK, device_->UpdateTexture(staging, texture));
  staging->Release();
  return texture;
}

}  // namespace render_test
