#include "platform/d3d9/SoftTexture.h"

#include <algorithm>

namespace platform::d3d9 {

SoftTexture::SoftTexture(const void* device, int width, int height, D3DPOOL pool)
    : device_(device),
      width_(width),
      height_(height),
      pool_(pool),
      texels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

ULONG SoftTexture::AddRef() { return ++references_; }

ULONG SoftTexture::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT SoftTexture::LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect,
                              DWORD /*flags: hints only*/) {
  if (level != 0 || lockedRect == nullptr || rect != nullptr) return D3DERR_INVALIDCALL;
  if (pool_ != D3DPOOL_SYSTEMMEM || locked_) return D3DERR_INVALIDCALL;
  locked_ = true;
  lockedRect->Pitch = width_ * static_cast<INT>(sizeof(std::uint32_t));
  lockedRect->pBits = texels_.data();
  return D3D_OK;
}

HRESULT SoftTexture::UnlockRect(UINT level) {
  if (level != 0 || !locked_) return D3DERR_INVALIDCALL;
  locked_ = false;
  NoteOpacity();
  return D3D_OK;
}

void SoftTexture::CopyTexels(const SoftTexture& source) {
  texels_ = source.texels_;
  opaque_ = source.opaque_;
}

void SoftTexture::NoteOpacity() {
  opaque_ = std::all_of(texels_.begin(), texels_.end(),
                        [](std::uint32_t texel) { return texel >> 24 == 0xFF; });
}

}  // namespace platform::d3d9
