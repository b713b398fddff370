// Direct3D 9 stand-in declarations.
//
// Stands in for: Direct3DCreate9; IDirect3D9::CreateDevice; on the device
// SetRenderState, Clear, BeginScene, EndScene, Present, SetTransform, SetFVF,
// SetTexture, DrawPrimitiveUP, CreateTexture, UpdateTexture and GetBackBuffer
// (which the frame tool reads frames with); on textures and the back buffer
// LockRect and UnlockRect; AddRef and Release on all four.
// Leaves out: QueryInterface, every other method, mipmaps, vertex and index
// buffers, shaders, lights, texture stages beyond 0, clear, lock and present
// rectangles, and every render state but the six the program sets. The states
// it never sets keep Direct3D's defaults: counter-clockwise triangles culled,
// depth compared less-or-equal, no alpha test, stage 0 multiplying texture and
// diffuse colour with alpha from the texture, point sampling with wrapping.
// Misuse (null pointers, bad sizes, formats or pools, drawing outside a scene)
// gives D3DERR_INVALIDCALL, as the debug runtime reports it.
#pragma once

#include "platform/posix/WinTypes.h"
#include "platform/posix/WinUser.h"  // RECT

using D3DCOLOR = DWORD;

#define D3D_SDK_VERSION 32u
#define D3DADAPTER_DEFAULT 0u

#define D3D_OK (static_cast<HRESULT>(0))
#define D3DERR_INVALIDCALL (static_cast<HRESULT>(0x8876086Cu))
#define D3DERR_DEVICELOST (static_cast<HRESULT>(0x88760868u))
#define D3DERR_NOTAVAILABLE (static_cast<HRESULT>(0x8876086Au))
#define D3DERR_OUTOFVIDEOMEMORY (static_cast<HRESULT>(0x8876017Cu))
#ifndef SUCCEEDED
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#endif
#ifndef FAILED
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
#endif

#define D3DCREATE_SOFTWARE_VERTEXPROCESSING 0x00000020u
#define D3DCREATE_HARDWARE_VERTEXPROCESSING 0x00000040u

#define D3DPRESENTFLAG_LOCKABLE_BACKBUFFER 0x00000001u
#define D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL 0x00000002u
#define D3DPRESENTFLAG_VIDEO 0x00000010u
#define D3DPRESENT_INTERVAL_DEFAULT 0x00000000u

#define D3DCLEAR_TARGET 0x00000001u
#define D3DCLEAR_ZBUFFER 0x00000002u
#define D3DCLEAR_STENCIL 0x00000004u

#define D3DLOCK_READONLY 0x00000010u

#define D3DFVF_XYZ 0x002u
#define D3DFVF_DIFFUSE 0x040u
#define D3DFVF_TEX1 0x100u

// As in the SDK, every enumeration holds any 32-bit value (its _FORCE_DWORD member).
enum D3DDEVTYPE {
  D3DDEVTYPE_HAL = 1,
  D3DDEVTYPE_REF = 2,
  D3DDEVTYPE_SW = 3,
  D3DDEVTYPE_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DFORMAT {
  D3DFMT_UNKNOWN = 0,
  D3DFMT_A8R8G8B8 = 21,
  D3DFMT_X8R8G8B8 = 22,
  D3DFMT_D16 = 80,
  D3DFMT_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DPOOL {
  D3DPOOL_DEFAULT = 0,
  D3DPOOL_MANAGED = 1,
  D3DPOOL_SYSTEMMEM = 2,
  D3DPOOL_SCRATCH = 3,
  D3DPOOL_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DMULTISAMPLE_TYPE { D3DMULTISAMPLE_NONE = 0, D3DMULTISAMPLE_FORCE_DWORD = 0x7FFFFFFF };

enum D3DSWAPEFFECT {
  D3DSWAPEFFECT_DISCARD = 1,
  D3DSWAPEFFECT_FLIP = 2,
  D3DSWAPEFFECT_COPY = 3,
  D3DSWAPEFFECT_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DRENDERSTATETYPE {
  D3DRS_ZENABLE = 7,
  D3DRS_ZWRITEENABLE = 14,
  D3DRS_SRCBLEND = 19,
  D3DRS_DESTBLEND = 20,
  D3DRS_ALPHABLENDENABLE = 27,
  D3DRS_LIGHTING = 137,
  D3DRS_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DZBUFFERTYPE {
  D3DZB_FALSE = 0,
  D3DZB_TRUE = 1,
  D3DZB_USEW = 2,
  D3DZB_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DBLEND {
  D3DBLEND_ZERO = 1,
  D3DBLEND_ONE = 2,
  D3DBLEND_SRCCOLOR = 3,
  D3DBLEND_INVSRCCOLOR = 4,
  D3DBLEND_SRCALPHA = 5,
  D3DBLEND_INVSRCALPHA = 6,
  D3DBLEND_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DTRANSFORMSTATETYPE {
  D3DTS_VIEW = 2,
  D3DTS_PROJECTION = 3,
  D3DTS_WORLD = 256,
  D3DTS_FORCE_DWORD = 0x7FFFFFFF,
};

enum D3DPRIMITIVETYPE { D3DPT_TRIANGLELIST = 4, D3DPT_FORCE_DWORD = 0x7FFFFFFF };

enum D3DBACKBUFFER_TYPE {
  D3DBACKBUFFER_TYPE_MONO = 0,
  D3DBACKBUFFER_TYPE_FORCE_DWORD = 0x7FFFFFFF
};

struct D3DPRESENT_PARAMETERS {
  UINT BackBufferWidth;
  UINT BackBufferHeight;
  D3DFORMAT BackBufferFormat;
  UINT BackBufferCount;
  D3DMULTISAMPLE_TYPE MultiSampleType;
  DWORD MultiSampleQuality;
  D3DSWAPEFFECT SwapEffect;
  HWND hDeviceWindow;
  BOOL Windowed;
  BOOL EnableAutoDepthStencil;
  D3DFORMAT AutoDepthStencilFormat;
  DWORD Flags;
  UINT FullScreen_RefreshRateInHz;
  UINT PresentationInterval;
};

struct D3DLOCKED_RECT {
  INT Pitch;
  void* pBits;
};

// m[row][column]; a point is a row vector to the left of the matrix.
struct D3DMATRIX {
  float m[4][4];
};

struct D3DRECT {
  LONG x1, y1, x2, y2;
};

struct RGNDATA;

// COM reference counting: an object deletes itself when its last reference is released.
struct IUnknown {
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;

 protected:
  ~IUnknown() = default;
};

struct IDirect3DBaseTexture9 : IUnknown {
 protected:
  ~IDirect3DBaseTexture9() = default;
};

struct IDirect3DTexture9 : IDirect3DBaseTexture9 {
  virtual HRESULT LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect,
                           DWORD flags) = 0;
  virtual HRESULT UnlockRect(UINT level) = 0;

 protected:
  ~IDirect3DTexture9() = default;
};

struct IDirect3DSurface9 : IUnknown {
  virtual HRESULT LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) = 0;
  virtual HRESULT UnlockRect() = 0;

 protected:
  ~IDirect3DSurface9() = default;
};

struct IDirect3DDevice9 : IUnknown {
  virtual HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) = 0;
  virtual HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR colour, float z,
                        DWORD stencil) = 0;
  virtual HRESULT BeginScene() = 0;
  virtual HRESULT EndScene() = 0;
  virtual HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                          const RGNDATA* dirtyRegion) = 0;
  virtual HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) = 0;
  virtual HRESULT SetFVF(DWORD fvf) = 0;
  virtual HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) = 0;
  virtual HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE primitiveType, UINT primitiveCount,
                                  const void* vertexStreamZeroData,
                                  UINT vertexStreamZeroStride) = 0;
  virtual HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                                D3DPOOL pool, IDirect3DTexture9** texture,
                                HANDLE* sharedHandle) = 0;
  virtual HRESULT UpdateTexture(IDirect3DBaseTexture9* sourceTexture,
                                IDirect3DBaseTexture9* destinationTexture) = 0;
  virtual HRESULT GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                                IDirect3DSurface9** backBufferSurface) = 0;

 protected:
  ~IDirect3DDevice9() = default;
};

struct IDirect3D9 : IUnknown {
  virtual HRESULT CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow,
                               DWORD behaviorFlags, D3DPRESENT_PARAMETERS* presentationParameters,
                               IDirect3DDevice9** returnedDeviceInterface) = 0;

 protected:
  ~IDirect3D9() = default;
};

// Null for any SDK version but D3D_SDK_VERSION.
IDirect3D9* Direct3DCreate9(UINT sdkVersion);
