// The software device's back buffer as a surface, which GetBackBuffer hands
// out so that a program can read a frame before presenting it: the program
// asks for a lockable back buffer (D3DPRESENTFLAG_LOCKABLE_BACKBUFFER), and
// this one always is.
#pragma once

#include <atomic>

#include "platform/D3D9.h"
#include "platform/d3d9/RenderTarget.h"

namespace platform::d3d9 {

class SoftBackBuffer final : public IDirect3DSurface9 {
 public:
  // Holds a reference to the device, so that its target outlives the surface.
  SoftBackBuffer(IDirect3DDevice9* device, RenderTarget& target);
  SoftBackBuffer(const SoftBackBuffer&) = delete;
  SoftBackBuffer& operator=(const SoftBackBuffer&) = delete;

  ULONG AddRef() override;
  ULONG Release() override;
  // The whole surface, X8R8G8B8 (0xFFRRGGBB), top row first; once at a time.
  HRESULT LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override;
  HRESULT UnlockRect() override;

 private:
  ~SoftBackBuffer();

  std::atomic<ULONG> references_{1};
  IDirect3DDevice9* device_;
  RenderTarget& target_;
  bool locked_ = false;
};

}  // namespace platform::d3d9
