// The Direct3D object of the software implementation: makes software devices.
#pragma once

#include <atomic>

#include "platform/D3D9.h"

namespace platform::d3d9 {

class SoftDirect3D final : public IDirect3D9 {
 public:
  // Devices are limited to back buffers of this size in each direction.
  static constexpr UINT maxBackBufferSize = 8192;

  SoftDirect3D() = default;
  SoftDirect3D(const SoftDirect3D&) = delete;
  SoftDirect3D& operator=(const SoftDirect3D&) = delete;

  ULONG AddRef() override;
  ULONG Release() override;
  // Adapter 0, a HAL device, hardware or software vertex processing, one
  // X8R8G8B8 back buffer (a windowed 0 x 0 one takes the window's client size,
  // written back into the parameters), no multisampling, and either no depth
  // buffer or a D16 one.
  HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD behaviorFlags,
                       D3DPRESENT_PARAMETERS* presentationParameters,
                       IDirect3DDevice9** returnedDeviceInterface) override;

 private:
  ~SoftDirect3D() = default;

  std::atomic<ULONG> references_{1};
};

}  // namespace platform::d3d9
