#include "platform/d3d9/SoftDirect3D.h"

#include <new>

#include "platform/d3d9/SoftDevice.h"
#include "platform/posix/CallFailures.h"
#include "platform/posix/WinUser.h"

namespace platform::d3d9 {
namespace {

bool HasOneVertexProcessing(DWORD behaviorFlags) {
  const bool hardware = (behaviorFlags & D3DCREATE_HARDWARE_VERTEXPROCESSING) != 0;
  const bool software = (behaviorFlags & D3DCREATE_SOFTWARE_VERTEXPROCESSING) != 0;
  return hardware != software;
}

bool IsSupported(const D3DPRESENT_PARAMETERS& parameters) {
  const bool format = parameters.BackBufferFormat == D3DFMT_X8R8G8B8 ||
                      (parameters.Windowed && parameters.BackBufferFormat == D3DFMT_UNKNOWN);
  const bool depth =
      !parameters.EnableAutoDepthStencil || parameters.AutoDepthStencilFormat == D3DFMT_D16;
  return format && depth && parameters.BackBufferCount <= 1 &&
         parameters.MultiSampleType == D3DMULTISAMPLE_NONE && parameters.SwapEffect >= 1 &&
         parameters.SwapEffect <= 3;
}

// A windowed device's back buffer of 0 x 0 takes the window's client size.
bool ClientSize(HWND window, UINT& width, UINT& height) {
  RECT client;
  if (!GetClientRect(window, &client)) return false;
  width = static_cast<UINT>(client.right - client.left);
  height = static_cast<UINT>(client.bottom - client.top);
  return true;
}

}  // namespace

ULONG SoftDirect3D::AddRef() { return ++references_; }

ULONG SoftDirect3D::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT SoftDirect3D::CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                                   DWORD behaviorFlags,
                                   D3DPRESENT_PARAMETERS* presentationParameters,
                                   IDirect3DDevice9** returnedDeviceInterface) {
  if (returnedDeviceInterface == nullptr) return D3DERR_INVALIDCALL;
  *returnedDeviceInterface = nullptr;
  if (presentationParameters == nullptr || adapter != D3DADAPTER_DEFAULT ||
      deviceType != D3DDEVTYPE_HAL || !HasOneVertexProcessing(behaviorFlags)) {
    return D3DERR_INVALIDCALL;
  }
  D3DPRESENT_PARAMETERS& parameters = *presentationParameters;
  const HWND window = parameters.hDeviceWindow != nullptr ? parameters.hDeviceWindow : focusWindow;
  if (window == nullptr || !IsSupported(parameters)) return D3DERR_INVALIDCALL;
  if (TakeArrangedFailure("IDirect3D9::CreateDevice")) return D3DERR_NOTAVAILABLE;

  UINT width = parameters.BackBufferWidth;
  UINT height = parameters.BackBufferHeight;
  if (parameters.Windowed && width == 0 && height == 0 && !ClientSize(window, width, height)) {
    return D3DERR_INVALIDCALL;
  }
  if (width == 0 || height == 0 || width > maxBackBufferSize || height > maxBackBufferSize) {
    return D3DERR_INVALIDCALL;
  }
  try {
    *returnedDeviceInterface =
        new SoftDevice(window, static_cast<int>(width), static_cast<int>(height),
                       parameters.EnableAutoDepthStencil != FALSE);
  } catch (const std::bad_alloc&) {
    return D3DERR_OUTOFVIDEOMEMORY;
  }
  parameters.BackBufferWidth = width;
  parameters.BackBufferHeight = height;
  parameters.BackBufferFormat = D3DFMT_X8R8G8B8;
  parameters.BackBufferCount = 1;
  return D3D_OK;
}

}  // namespace platform::d3d9

IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
  if (sdkVersion != D3D_SDK_VERSION) return nullptr;
  if (platform::TakeArrangedFailure("Direct3DCreate9")) return nullptr;
  return new (std::nothrow) platform::d3d9::SoftDirect3D();
}
