// A texture of the software Direct3D device: one level of A8R8G8B8 texels in
// memory, in one of two pools. SYSTEMMEM textures are the lockable staging
// copies; DEFAULT textures are the ones drawn with, filled by UpdateTexture.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/D3D9.h"

namespace platform::d3d9 {

class SoftTexture final : public IDirect3DTexture9 {
 public:
  // `device` identifies the creating device; it is compared, never dereferenced.
  SoftTexture(const void* device, int width, int height, D3DPOOL pool);
  SoftTexture(const SoftTexture&) = delete;
  SoftTexture& operator=(const SoftTexture&) = delete;

  ULONG AddRef() override;
  ULONG Release() override;
  // Level 0, the whole surface, of a SYSTEMMEM texture that is not locked yet.
  HRESULT LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override;
  HRESULT UnlockRect(UINT level) override;

  const void* Device() const { return device_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  D3DPOOL Pool() const { return pool_; }
  bool IsLocked() const { return locked_; }
  // Width() x Height() values 0xAARRGGBB, top row first.
  const std::uint32_t* Texels() const { return texels_.data(); }
  // True when every texel has alpha 255, so blending can be skipped.
  bool IsOpaque() const { return opaque_; }

  // UpdateTexture: takes over the texels of a texture of the same size.
  void CopyTexels(const SoftTexture& source);

 private:
  ~SoftTexture() = default;
  void NoteOpacity();

  std::atomic<ULONG> references_{1};
  const void* device_;
  int width_;
  int height_;
  D3DPOOL pool_;
  bool locked_ = false;
  bool opaque_ = false;
  std::vector<std::uint32_t> texels_;
};

}  // namespace platform::d3d9
