#include "platform/d3d9/SoftDevice.h"

#include <cmath>
#include <cstring>
#include <new>

#include "platform/d3d9/SoftBackBuffer.h"
#include "platform/d3d9/SoftTexture.h"
#include "platform/posix/CallFailures.h"
#include "platform/posix/Presenter.h"

namespace platform::d3d9 {
namespace {

constexpr DWORD positionSize = 3 * sizeof(float);
constexpr DWORD diffuseSize = sizeof(D3DCOLOR);
constexpr DWORD textureCoordinateSize = 2 * sizeof(float);
// Far more than one draw call of the program ever passes (it passes 1).
constexpr UINT maxPrimitiveCount = 1u << 20;

bool IsSupportedFvf(DWORD fvf) {
  return (fvf & D3DFVF_XYZ) != 0 && (fvf & ~(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_TEX1)) == 0;
}

DWORD VertexSize(DWORD fvf) {
  return positionSize + ((fvf & D3DFVF_DIFFUSE) != 0 ? diffuseSize : 0) +
         ((fvf & D3DFVF_TEX1) != 0 ? textureCoordinateSize : 0);
}

bool IsSupportedBlend(DWORD value) {
  return value >= D3DBLEND_ZERO && value <= D3DBLEND_INVSRCALPHA;
}

void SetIdentity(double (&matrix)[4][4]) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) matrix[row][column] = row == column ? 1 : 0;
  }
}

void Multiply(const double (&left)[4][4], const double (&right)[4][4], double (&product)[4][4]) {
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += left[row][k] * right[k][column];
      product[row][column] = sum;
    }
  }
}

// x - x is 0 for every finite x and NaN for infinities and NaN.
bool AllFinite(const float (&position)[3], const float (&coordinates)[2]) {
  const float probe = (position[0] - position[0]) + (position[1] - position[1]) +
                      (position[2] - position[2]) + (coordinates[0] - coordinates[0]) +
                      (coordinates[1] - coordinates[1]);
  return probe == 0;
}

// A world transform that only moves (the scene's road tiles) leaves rows 0 to 2
// of view x projection as they are.
bool IsTranslation(const double (&matrix)[4][4]) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (matrix[row][column] != (row == column ? 1 : 0)) return false;
    }
  }
  return matrix[3][3] == 1;
}

}  // namespace

SoftDevice::SoftDevice(HWND window, int width, int height, bool depthBuffer)
    : window_(window),
      target_(width, height),
      rasterizer_(target_),
      hasDepthBuffer_(depthBuffer),
      depthEnabled_(depthBuffer) {
  SetIdentity(world_);
  SetIdentity(view_);
  SetIdentity(projection_);
  SetIdentity(viewProjection_);
  SetIdentity(worldViewProjection_);
  UpdatePixelState();
}

SoftDevice::~SoftDevice() {
  if (texture_ != nullptr) texture_->Release();
}

ULONG SoftDevice::AddRef() { return ++references_; }

ULONG SoftDevice::Release() {
  const ULONG remaining = --references_;
  if (remaining == 0) delete this;
  return remaining;
}

HRESULT SoftDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
  switch (state) {
    case D3DRS_ZENABLE:
      if (value != D3DZB_FALSE && value != D3DZB_TRUE) return D3DERR_INVALIDCALL;
      depthEnabled_ = value == D3DZB_TRUE;
      break;
    case D3DRS_ZWRITEENABLE: depthWriteEnabled_ = value != FALSE; break;
    case D3DRS_ALPHABLENDENABLE: pixelState_.blendEnabled = value != FALSE; break;
    case D3DRS_LIGHTING: lighting_ = value != FALSE; break;
    case D3DRS_SRCBLEND:
      if (!IsSupportedBlend(value)) return D3DERR_INVALIDCALL;
      pixelState_.sourceBlend = static_cast<D3DBLEND>(value);
      break;
    case D3DRS_DESTBLEND:
      if (!IsSupportedBlend(value)) return D3DERR_INVALIDCALL;
      pixelState_.destinationBlend = static_cast<D3DBLEND>(value);
      break;
    default: return D3DERR_INVALIDCALL;
  }
  UpdatePixelState();
  return D3D_OK;
}

void SoftDevice::UpdatePixelState() {
  if (!depthEnabled_ || !hasDepthBuffer_) {
    pixelState_.depthMode = DepthMode::Off;
  } else {
    pixelState_.depthMode = depthWriteEnabled_ ? DepthMode::TestWrite : DepthMode::Test;
  }
}

HRESULT SoftDevice::Clear(DWORD count, const D3DRECT* /*rects: only with a count*/, DWORD flags,
                          D3DCOLOR colour, float z, DWORD /*stencil: there is none*/) {
  const DWORD known = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER;
  if (count != 0 || flags == 0 || (flags & ~known) != 0) return D3DERR_INVALIDCALL;
  const bool clearDepth = (flags & D3DCLEAR_ZBUFFER) != 0;
  if (clearDepth && (!hasDepthBuffer_ || !(z >= 0 && z <= 1))) return D3DERR_INVALIDCALL;
  if ((flags & D3DCLEAR_TARGET) != 0) target_.ClearColour(colour);
  if (clearDepth) target_.ClearDepth(z);
  return D3D_OK;
}

HRESULT SoftDevice::BeginScene() {
  if (inScene_) return D3DERR_INVALIDCALL;
  inScene_ = true;
  return D3D_OK;
}

HRESULT SoftDevice::EndScene() {
  if (!inScene_) return D3DERR_INVALIDCALL;
  inScene_ = false;
  return D3D_OK;
}

HRESULT SoftDevice::Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                            const RGNDATA* dirtyRegion) {
  if (sourceRect != nullptr || destRect != nullptr || dirtyRegion != nullptr || inScene_) {
    return D3DERR_INVALIDCALL;
  }
  if (TakeArrangedFailure("IDirect3DDevice9::Present")) return D3DERR_DEVICELOST;
  const HWND window = destWindowOverride != nullptr ? destWindowOverride : window_;
  if (!PresentFrame(window, target_.Colours(), target_.Width(), target_.Height())) {
    return D3DERR_DEVICELOST;
  }
  return D3D_OK;
}

HRESULT SoftDevice::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) {
  if (matrix == nullptr) return D3DERR_INVALIDCALL;
  Matrix* target;
  switch (state) {
    case D3DTS_WORLD: target = &world_; break;
    case D3DTS_VIEW: target = &view_; break;
    case D3DTS_PROJECTION: target = &projection_; break;
    default: return D3DERR_INVALIDCALL;
  }
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) (*target)[row][column] = matrix->m[row][column];
  }
  (state == D3DTS_WORLD ? worldChanged_ : viewProjectionChanged_) = true;
  return D3D_OK;
}

// The scene moves the world transform for every object and the camera once a
// frame, so view x projection is kept apart.
void SoftDevice::UpdateWorldViewProjection() {
  if (viewProjectionChanged_) {
    Multiply(view_, projection_, viewProjection_);
    viewProjectionChanged_ = false;
    worldChanged_ = true;
  }
  if (worldChanged_) {
    if (IsTranslation(world_)) {
      for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
          worldViewProjection_[row][column] = viewProjection_[row][column];
        }
      }
      for (int column = 0; column < 4; ++column) {
        worldViewProjection_[3][column] =
            world_[3][0] * viewProjection_[0][column] + world_[3][1] * viewProjection_[1][column] +
            world_[3][2] * viewProjection_[2][column] + viewProjection_[3][column];
      }
    } else {
      Multiply(world_, viewProjection_, worldViewProjection_);
    }
    worldChanged_ = false;
  }
}

HRESULT SoftDevice::SetFVF(DWORD fvf) {
  if (!IsSupportedFvf(fvf)) return D3DERR_INVALIDCALL;
  fvf_ = fvf;
  return D3D_OK;
}

SoftTexture* SoftDevice::OwnTexture(IDirect3DBaseTexture9* texture) const {
  // Every Direct3D texture of this platform is a SoftTexture.
  auto* soft = static_cast<SoftTexture*>(texture);
  return soft != nullptr && soft->Device() == this ? soft : nullptr;
}

HRESULT SoftDevice::SetTexture(DWORD stage, IDirect3DBaseTexture9* texture) {
  if (stage != 0) return D3DERR_INVALIDCALL;
  SoftTexture* soft = nullptr;
  if (texture != nullptr) {
    soft = OwnTexture(texture);
    if (soft == nullptr || soft->Pool() != D3DPOOL_DEFAULT) return D3DERR_INVALIDCALL;
    soft->AddRef();
  }
  if (texture_ != nullptr) texture_->Release();
  texture_ = soft;
  pixelState_.texture = texture_;
  return D3D_OK;
}

HRESULT SoftDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE primitiveType, UINT primitiveCount,
                                    const void* vertexStreamZeroData, UINT vertexStreamZeroStride) {
  if (!inScene_ || primitiveType != D3DPT_TRIANGLELIST || primitiveCount == 0 ||
      primitiveCount > maxPrimitiveCount || vertexStreamZeroData == nullptr || fvf_ == 0 ||
      vertexStreamZeroStride < VertexSize(fvf_)) {
    return D3DERR_INVALIDCALL;
  }
  UpdateWorldViewProjection();
  const auto* data = static_cast<const unsigned char*>(vertexStreamZeroData);
  const std::size_t triangleBytes = 3 * std::size_t{vertexStreamZeroStride};
  for (UINT primitive = 0; primitive < primitiveCount; ++primitive) {
    ClipVertex triangle[3];
    if (FetchTriangle(data + primitive * triangleBytes, vertexStreamZeroStride, triangle)) {
      rasterizer_.DrawTriangle(triangle, pixelState_);
    }
  }
  return D3D_OK;
}

bool SoftDevice::FetchTriangle(const unsigned char* data, UINT stride,
                               ClipVertex (&triangle)[3]) const {
  const bool hasDiffuse = (fvf_ & D3DFVF_DIFFUSE) != 0;
  const DWORD textureOffset = positionSize + (hasDiffuse ? diffuseSize : 0);
  const Matrix& m = worldViewProjection_;
  for (int i = 0; i < 3; ++i) {
    const unsigned char* vertex = data + std::size_t{stride} * i;
    float position[3];
    std::memcpy(position, vertex, sizeof position);
    D3DCOLOR diffuse = 0xFFFFFFFFu;
    if (hasDiffuse) std::memcpy(&diffuse, vertex + positionSize, sizeof diffuse);
    // Lit without lights, a vertex keeps only its alpha.
    if (lighting_) diffuse &= 0xFF000000u;
    float coordinates[2] = {0, 0};
    if ((fvf_ & D3DFVF_TEX1) != 0) {
      std::memcpy(coordinates, vertex + textureOffset, sizeof coordinates);
    }
    if (!AllFinite(position, coordinates)) return false;
    ClipVertex& out = triangle[i];
    double* clip[4] = {&out.x, &out.y, &out.z, &out.w};
    for (int column = 0; column < 4; ++column) {
      *clip[column] = position[0] * m[0][column] + position[1] * m[1][column] +
                      position[2] * m[2][column] + m[3][column];
    }
    out.u = coordinates[0];
    out.v = coordinates[1];
    for (int channel = 0; channel < 4; ++channel) {
      out.colour[channel] = (diffuse >> (24 - 8 * channel)) & 0xFF;
    }
  }
  return true;
}

HRESULT SoftDevice::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage,
                                  D3DFORMAT format, D3DPOOL pool, IDirect3DTexture9** texture,
                                  HANDLE* sharedHandle) {
  if (texture == nullptr) return D3DERR_INVALIDCALL;
  *texture = nullptr;
  if (sharedHandle != nullptr || width == 0 || height == 0 || width > maxTextureSize ||
      height > maxTextureSize || levels != 1 || usage != 0 || format != D3DFMT_A8R8G8B8 ||
      (pool != D3DPOOL_DEFAULT && pool != D3DPOOL_SYSTEMMEM)) {
    return D3DERR_INVALIDCALL;
  }
  try {
    *texture = new SoftTexture(this, static_cast<int>(width), static_cast<int>(height), pool);
  } catch (const std::bad_alloc&) {
    return D3DERR_OUTOFVIDEOMEMORY;
  }
  return D3D_OK;
}

HRESULT SoftDevice::UpdateTexture(IDirect3DBaseTexture9* sourceTexture,
                                  IDirect3DBaseTexture9* destinationTexture) {
  SoftTexture* source = OwnTexture(sourceTexture);
  SoftTexture* destination = OwnTexture(destinationTexture);
  if (source == nullptr || destination == nullptr || source->Pool() != D3DPOOL_SYSTEMMEM ||
      destination->Pool() != D3DPOOL_DEFAULT || source->IsLocked() ||
      source->Width() != destination->Width() || source->Height() != destination->Height()) {
    return D3DERR_INVALIDCALL;
  }
  destination->CopyTexels(*source);
  return D3D_OK;
}

HRESULT SoftDevice::GetBackBuffer(UINT swapChain, UINT backBuffer, D3DBACKBUFFER_TYPE type,
                                  IDirect3DSurface9** backBufferSurface) {
  if (swapChain != 0 || backBuffer != 0 || type != D3DBACKBUFFER_TYPE_MONO ||
      backBufferSurface == nullptr) {
    return D3DERR_INVALIDCALL;
  }
  *backBufferSurface = new SoftBackBuffer(this, target_);
  return D3D_OK;
}

}  // namespace platform::d3d9
