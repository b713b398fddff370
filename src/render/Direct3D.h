// The Direct3D object, which makes the one render device of the main window.
#pragma once

#include "platform/Windows.h"

struct IDirect3D9;
class CRenderDevice;

class CDirect3D {
 public:
  // Throws "Direct3DCreate9() failed".
  CDirect3D();
  CDirect3D(const CDirect3D&) = delete;
  CDirect3D& operator=(const CDirect3D&) = delete;
  ~CDirect3D();

  // A device for the window's client area (windowed: the back buffer takes the
  // client size). The caller owns it. Throws "COM method call failed".
  CRenderDevice* CreateDevice(bool fullScreen, HWND window, int width, int height);

 private:
  IDirect3D9* direct3D_;
};
