#include "render/RenderDevice.h"

#include <cstring>
#include <memory>

#include "platform/D3D9.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "tlib/Exception.h"

namespace {

void Check(HRESULT result) {
  if (FAILED(result)) throw tlib::TException(u"COM method call failed");
}

// Releases a texture that has not been handed to its owner yet.
struct TextureRelease {
  void operator()(IDirect3DTexture9* texture) const { texture->Release(); }
};
using TextureReference = std::unique_ptr<IDirect3DTexture9, TextureRelease>;

TextureReference NewTexture(IDirect3DDevice9* device, int width, int height, D3DPOOL pool) {
  IDirect3DTexture9* texture = nullptr;
  Check(device->CreateTexture(static_cast<UINT>(width), static_cast<UINT>(height), 1, 0,
                              D3DFMT_A8R8G8B8, pool, &texture, nullptr));
  return TextureReference(texture);
}

// Image rows are width x 4 bytes apart, surface rows the locked pitch.
void CopyPixels(IDirect3DTexture9* texture, int width, int height, const std::uint32_t* pixels) {
  D3DLOCKED_RECT locked;
  Check(texture->LockRect(0, &locked, nullptr, 0));
  const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint32_t);
  for (int row = 0; row < height; ++row) {
    std::memcpy(
        static_cast<unsigned char*>(locked.pBits) + static_cast<std::ptrdiff_t>(row) * locked.Pitch,
        pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(width), rowBytes);
  }
  Check(texture->UnlockRect(0));
}

}  // namespace

CRenderDevice::CRenderDevice(IDirect3DDevice9* device) : device_(device) {}

CRenderDevice::~CRenderDevice() {
  for (int i = 0; i < ownedSprites_.Count(); ++i) delete ownedSprites_.At(i);
  for (int i = 0; i < ownedTextures_.Count(); ++i) delete ownedTextures_.At(i);
  device_->Release();
}

void CRenderDevice::BeginFrame() {
  std::lock_guard guard(lock_);
  Check(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, clearColour_, 1.0f, 0));
  Check(device_->BeginScene());
}

void CRenderDevice::EndFrame() {
  std::lock_guard guard(lock_);
  Check(device_->EndScene());
  Check(device_->Present(nullptr, nullptr, nullptr, nullptr));
}

void CRenderDevice::SetClearColour(std::uint32_t colour) {
  std::lock_guard guard(lock_);
  clearColour_ = colour;
}

void CRenderDevice::SetTransform(TransformKind kind, const Matrix4& matrix) {
  D3DMATRIX converted;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      converted.m[row][column] = static_cast<float>(matrix.m[row][column]);
    }
  }
  std::lock_guard guard(lock_);
  Check(device_->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(kind), &converted));
}

void CRenderDevice::DrawTexturedTriangle(const TexturedVertex& a, const TexturedVertex& b,
                                         const TexturedVertex& c, CTexture* texture) {
  std::lock_guard guard(lock_);
  DrawTexturedTriangleLocked(a, b, c, texture);
}

void CRenderDevice::DrawTexturedTriangleLocked(const TexturedVertex& a, const TexturedVertex& b,
                                               const TexturedVertex& c, CTexture* texture) {
  texturedVertices_[0] = a;
  texturedVertices_[1] = b;
  texturedVertices_[2] = c;
  Check(device_->SetFVF(texturedVertexFormat_));
  Check(device_->SetTexture(0, texture->GetTexture()));
  Check(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, texturedVertices_, sizeof(TexturedVertex)));
  // Stage 0 stays empty between textured draws.
  Check(device_->SetTexture(0, nullptr));
}

void CRenderDevice::DrawColouredTriangle(const ColouredVertex& a, const ColouredVertex& b,
                                         const ColouredVertex& c) {
  std::lock_guard guard(lock_);
  colouredVertices_[0] = a;
  colouredVertices_[1] = b;
  colouredVertices_[2] = c;
  Check(device_->SetFVF(colouredVertexFormat_));
  Check(device_->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, colouredVertices_, sizeof(ColouredVertex)));
}

void CRenderDevice::DrawSprite(CSprite* sprite, int x, int y, double centreX, double centreY) {
  const double width = sprite->Width();
  const double height = sprite->Height();
  const double left = x - width * centreX;
  const double top = y - height * centreY;
  // Normalised device coordinates: x from -1 (left) to 1, y from 1 (top) to -1.
  const auto x0 = static_cast<float>(2 * left / screenWidth_ - 1);
  const auto x1 = static_cast<float>(2 * (left + width) / screenWidth_ - 1);
  const auto y0 = static_cast<float>(1 - 2 * top / screenHeight_);
  const auto y1 = static_cast<float>(1 - 2 * (top + height) / screenHeight_);
  const TexturedVertex topLeft{x0, y0, 0, 0, 0};
  const TexturedVertex topRight{x1, y0, 0, 1, 0};
  const TexturedVertex bottomLeft{x0, y1, 0, 0, 1};
  const TexturedVertex bottomRight{x1, y1, 0, 1, 1};
  std::lock_guard guard(lock_);
  DrawTexturedTriangleLocked(topLeft, topRight, bottomLeft, sprite->Texture());
  DrawTexturedTriangleLocked(topRight, bottomRight, bottomLeft, sprite->Texture());
}

CTexture* CRenderDevice::CreateTexture(int width, int height, const std::uint32_t* pixels) {
  std::lock_guard guard(lock_);
  return CreateTextureLocked(width, height, pixels);
}

CTexture* CRenderDevice::CreateTextureLocked(int width, int height, const std::uint32_t* pixels) {
  TextureReference staging = NewTexture(device_, width, height, D3DPOOL_SYSTEMMEM);
  CopyPixels(staging.get(), width, height, pixels);
  TextureReference texture = NewTexture(device_, width, height, D3DPOOL_DEFAULT);
  Check(device_->UpdateTexture(staging.get(), texture.get()));
  staging.reset();
  auto owned = std::make_unique<CTexture>(texture.get());
  texture.release();  // CTexture releases it from now on
  ownedTextures_.Append(owned.get());
  return owned.release();
}

CSprite* CRenderDevice::CreateSprite(int width, int height, const std::uint32_t* pixels) {
  std::lock_guard guard(lock_);
  CTexture* texture = CreateTextureLocked(width, height, pixels);
  auto sprite = std::make_unique<CSprite>(width, height, texture);
  ownedSprites_.Append(sprite.get());
  return sprite.release();
}
