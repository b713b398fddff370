// The software Direct3D objects refuse misuse with failing HRESULTs instead of
// reading or writing where they should not, and count their references.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "TestDevice.h"
#include "tests/platform/HeadlessFixture.h"

using render_test::TestDevice;

namespace {

class SoftDevice : public HeadlessFixture {};

// Only unlocked staging textures lock, and only into a drawable texture of
// their size; a texture set on the device stays alive until it is replaced.
TEST_F(SoftDevice, TexturesLockOnlyForStagingAndStayAliveWhileSet) {
  TestDevice test(4, 4);
  IDirect3DDevice9* device = test.Device();
  auto make = [&](UINT width, UINT height, D3DPOOL pool) {
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(D3D_OK,
              device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, pool, &texture, nullptr));
    return texture;
  };
  IDirect3DTexture9* staging = make(3, 4096, D3DPOOL_SYSTEMMEM);
  IDirect3DTexture9* drawn = make(3, 4096, D3DPOOL_DEFAULT);
  IDirect3DTexture9* other = make(5, 3, D3DPOOL_DEFAULT);
  D3DLOCKED_RECT locked{};
  EXPECT_EQ(D3DERR_INVALIDCALL, drawn->LockRect(0, &locked, nullptr, 0));
  EXPECT_EQ(D3DERR_INVALIDCALL, staging->UnlockRect(0));
  ASSERT_EQ(D3D_OK, staging->LockRect(0, &locked, nullptr, 0));
  EXPECT_EQ(12, locked.Pitch);
  std::fill_n(static_cast<DWORD*>(locked.pBits), 3 * 4096, 0xFF00FF00);
  EXPECT_EQ(D3DERR_INVALIDCALL, staging->LockRect(0, &locked, nullptr, 0));
  EXPECT_EQ(D3DERR_INVALIDCALL, device->UpdateTexture(staging, drawn));  // still locked
  EXPECT_EQ(D3D_OK, staging->UnlockRect(0));
  EXPECT_EQ(D3DERR_INVALIDCALL, device->UpdateTexture(staging, other));  // other size
  EXPECT_EQ(D3DERR_INVALIDCALL, device->UpdateTexture(drawn, staging));  // wrong way round
  EXPECT_EQ(D3D_OK, device->UpdateTexture(staging, drawn));
  EXPECT_EQ(D3DERR_INVALIDCALL, device->SetTexture(0, staging));
  EXPECT_EQ(D3DERR_INVALIDCALL, TestDevice(4, 4).Device()->SetTexture(0, drawn));
  staging->Release();
  other->Release();
  ASSERT_EQ(D3D_OK, device->SetTexture(0, drawn));
  EXPECT_EQ(1u, drawn->Release());
  const float triangle[] = {-1, 1, 0.5f, 0, 0, 3, 1, 0.5f, 1, 0, -1, -3, 0.5f, 0, 1};
  test.BeginFrame(0xFF000000);
  ASSERT_EQ(D3D_OK, device->SetFVF(D3DFVF_XYZ | D3DFVF_TEX1));
  ASSERT_EQ(D3D_OK, device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, 5 * sizeof(float)));
  EXPECT_EQ(0x00FF00u, test.EndFrame().Colour(2, 2));
  EXPECT_EQ(D3D_OK, device->SetTexture(0, nullptr));  // the last reference goes
}

TEST_F(SoftDevice, RefusesCallsOutOfOrderOrWithBadArguments) {
  TestDevice test(4, 4);
  IDirect3DDevice9* device = test.Device();
  const float triangle[9] = {-1, 1, 0, 1, 1, 0, -1, -1, 0};
  // Scenes: one at a time, drawing only inside, presenting only outside.
  EXPECT_EQ(D3DERR_INVALIDCALL, device->EndScene());
  EXPECT_EQ(D3D_OK, device->SetFVF(D3DFVF_XYZ));
  EXPECT_EQ(D3DERR_INVALIDCALL, device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, 12));
  test.BeginFrame(0xFF000000);
  EXPECT_EQ(D3DERR_INVALIDCALL, device->BeginScene());
  EXPECT_EQ(D3DERR_INVALIDCALL, device->Present(nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(D3DERR_INVALIDCALL, device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, 8));
  EXPECT_EQ(D3DERR_INVALIDCALL, device->SetFVF(0x004));  // XYZRHW
  // Corners that are not numbers draw nothing.
  constexpr float infinity = std::numeric_limits<float>::infinity();
  const float notNumbers[2][9] = {{-1, 1, 0, infinity, 1, 0, -1, -1, 0},
                                  {-1, 1, 0, 1, infinity - infinity, 0, -1, -1, 0}};
  EXPECT_EQ(D3D_OK, device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 2, notNumbers, 12));
  EXPECT_EQ(0u, test.EndFrame().Colour(0, 0));
  EXPECT_EQ(D3DERR_INVALIDCALL, device->SetRenderState(D3DRENDERSTATETYPE(22), 1));  // cull mode
  EXPECT_EQ(D3DERR_INVALIDCALL, device->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.5f, 0));
}

}  // namespace
