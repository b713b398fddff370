// The software Direct3D 9 device: render states, transforms, the vertex
// formats XYZ with optional DIFFUSE and TEX1, one texture stage, and
// triangle lists drawn from memory into a back buffer that Present hands to
// the backend's presenter.
#pragma once

#include <atomic>

#include "platform/D3D9.h"
#include "platform/d3d9/ClipVertex.h"
#include "platform/d3d9/PixelState.h"
#include "platform/d3d9/Rasterizer.h"
#include "platform/d3d9/RenderTarget.h"

namespace platform::d3d9 {

class SoftTexture;

class SoftDevice final : public IDirect3DDevice9 {
 public:
  // Textures are limited to this size in each direction.
  static constexpr UINT maxTextureSize = 4096;

  // A back buffer of width x height for `window`, with a 16-bit depth buffer
  // when `depthBuffer` is set.
  SoftDevice(HWND window, int width, int height, bool depthBuffer);
  SoftDevice(const SoftDevice&) = delete;
  SoftDevice& operator=(const SoftDevice&) = delete;

  ULONG AddRef() override;
  ULONG Release() override;
  HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
  HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR colour, float z,
                DWORD stencil) override;
  HRESULT BeginScene() override;
  HRESULT EndScene() override;
  HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                  const RGNDATA* dirtyRegion) override;
  HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
  HRESULT SetFVF(DWORD fvf) override;
  HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) override;
  HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE primitiveType, UINT primitiveCount,
                          const void* vertexStreamZeroData, UINT vertexStreamZeroStride) override;
  HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                        D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* sharedHandle) override;
  HRESULT UpdateTexture(IDirect3DBaseTexture9* sourceTexture,
                        IDirect3DBaseTexture9* destinationTexture) override;
  // The one back buffer, to be read before Present.
  HRESULT GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                        IDirect3DSurface9** backBufferSurface) override;

 private:
  using Matrix = double[4][4];

  ~SoftDevice();
  // A texture this device made, or null.
  SoftTexture* OwnTexture(IDirect3DBaseTexture9* texture) const;
  void UpdatePixelState();
  void UpdateWorldViewProjection();
  // The three vertices from `data`, transformed; false when one is not a finite number.
  bool FetchTriangle(const unsigned char* data, UINT stride, ClipVertex (&triangle)[3]) const;

  std::atomic<ULONG> references_{1};
  HWND window_;
  RenderTarget target_;
  Rasterizer rasterizer_;
  bool hasDepthBuffer_;
  bool inScene_ = false;

  // Render states, with Direct3D's defaults.
  bool depthEnabled_;
  bool depthWriteEnabled_ = true;
  bool lighting_ = true;
  PixelState pixelState_;

  SoftTexture* texture_ = nullptr;  // stage 0, referenced while set
  DWORD fvf_ = 0;
  Matrix world_, view_, projection_, viewProjection_, worldViewProjection_;
  bool worldChanged_ = false;
  bool viewProjectionChanged_ = false;
};

}  // namespace platform::d3d9
