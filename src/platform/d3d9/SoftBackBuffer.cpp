#include "platform/d3d9/SoftBackBuffer.h"

#include <cstdint>

namespace platform::d3d9 {

SoftBackBuffer::SoftBackBuffer(IDirect3DDevice9* device, RenderTarget& target)
    : device_(device), target_(target) {
  device_->AddRef();
}

SoftBackBuffer::~SoftBackBuffer() { device_->Release(); }

ULONG SoftBackBuffer::AddRef() { return ++references_; }

ULONG SoftBackBuffer::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT SoftBackBuffer::LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect,
                                 DWORD /*flags: hints only*/) {
  if (lockedRect == nullptr || rect != nullptr || locked_) return D3DERR_INVALIDCALL;
  locked_ = true;
  // Every clear still pending is done first, so the pixels are the frame's.
  lockedRect->pBits = const_cast<std::uint32_t*>(target_.Colours());
  lockedRect->Pitch = target_.Width() * static_cast<INT>(sizeof(std::uint32_t));
  return D3D_OK;
}

HRESULT SoftBackBuffer::UnlockRect() {
  if (!locked_) return D3DERR_INVALIDCALL;
  locked_ = false;
  return D3D_OK;
}

}  // namespace platform::d3d9
