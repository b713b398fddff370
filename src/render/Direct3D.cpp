#include "render/Direct3D.h"

#include <memory>

#include "platform/D3D9.h"
#include "render/RenderDevice.h"
#include "tlib/Exception.h"

CDirect3D::CDirect3D() : direct3D_(Direct3DCreate9(D3D_SDK_VERSION)) {
  if (direct3D_ == nullptr) throw tlib::TException(u"Direct3DCreate9() failed");
}

CDirect3D::~CDirect3D() { direct3D_->Release(); }

CRenderDevice* CDirect3D::CreateDevice(bool fullScreen, HWND window, int width, int height) {
  D3DPRESENT_PARAMETERS parameters{};
  parameters.BackBufferFormat = D3DFMT_X8R8G8B8;
  parameters.BackBufferCount = 1;
  parameters.MultiSampleType = D3DMULTISAMPLE_NONE;
  parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
  parameters.hDeviceWindow = nullptr;
  parameters.EnableAutoDepthStencil = TRUE;
  parameters.AutoDepthStencilFormat = D3DFMT_D16;
  parameters.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER | D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL |
                     D3DPRESENTFLAG_VIDEO;
  parameters.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
  if (fullScreen) {
    parameters.Windowed = FALSE;
    parameters.BackBufferWidth = static_cast<UINT>(width);
    parameters.BackBufferHeight = static_cast<UINT>(height);
  } else {
    // A windowed back buffer of 0 x 0 takes the window's client size.
    parameters.Windowed = TRUE;
  }
  IDirect3DDevice9* device = nullptr;
  if (FAILED(direct3D_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                     D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters, &device))) {
    throw tlib::TException(u"COM method call failed");
  }
  try {
    return new CRenderDevice(device);
  } catch (...) {
    device->Release();
    throw;
  }
}
