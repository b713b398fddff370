// The render device: frames, transforms, one triangle per draw call, screen
// sprites, and textures made from 32-bit pixels. It owns every texture and
// sprite it creates. Every call is serialised by the device's own lock, because
// the preloader creates textures while the main thread draws.
#pragma once

#include <cstdint>
#include <mutex>

#include "math/Matrix4.h"
#include "render/Vertex.h"
#include "tlib/Array.h"

struct IDirect3DDevice9;
class CTexture;
class CSprite;

// Direct3D's transform state numbers.
enum class TransformKind : int { World = 256, View = 2, Projection = 3 };

class CRenderDevice {
 public:
  // Made by CDirect3D::CreateDevice only; takes over the device interface.
  explicit CRenderDevice(IDirect3DDevice9* device);
  CRenderDevice(const CRenderDevice&) = delete;
  CRenderDevice& operator=(const CRenderDevice&) = delete;
  // Frees the sprites, releases the textures, then the device.
  ~CRenderDevice();

  // Clear to the clear colour and begin the scene / end the scene and present.
  void BeginFrame();
  void EndFrame();
  void SetClearColour(std::uint32_t colour);
  // For the application's render states, set once before any other thread runs.
  IDirect3DDevice9* GetDevice() const { return device_; }

  void SetTransform(TransformKind kind, const Matrix4& matrix);
  void DrawTexturedTriangle(const TexturedVertex& a, const TexturedVertex& b,
                            const TexturedVertex& c, CTexture* texture);
  void DrawColouredTriangle(const ColouredVertex& a, const ColouredVertex& b,
                            const ColouredVertex& c);
  // A width x height rectangle whose point (centreX, centreY) (fractions of the
  // size) lands on the client pixel (x, y). Needs identity transforms.
  void DrawSprite(CSprite* sprite, int x, int y, double centreX, double centreY);

  // pixels: width x height values 0xAARRGGBB, top row first.
  CTexture* CreateTexture(int width, int height, const std::uint32_t* pixels);
  CSprite* CreateSprite(int width, int height, const std::uint32_t* pixels);

 private:
  // The unlocked bodies of the calls that other calls make too.
  void DrawTexturedTriangleLocked(const TexturedVertex& a, const TexturedVertex& b,
                                  const TexturedVertex& c, CTexture* texture);
  CTexture* CreateTextureLocked(int width, int height, const std::uint32_t* pixels);

  IDirect3DDevice9* device_;
  std::uint32_t clearColour_ = 0xFF000000u;
  tlib::TArray<CTexture*> ownedTextures_;
  tlib::TArray<CSprite*> ownedSprites_;
  const int screenWidth_ = 1024;
  const int screenHeight_ = 768;
  const std::uint32_t colouredVertexFormat_ = 0x42;   // XYZ | DIFFUSE
  const std::uint32_t texturedVertexFormat_ = 0x102;  // XYZ | TEX1
  // Every draw copies its vertices here, so drawing allocates nothing.
  TexturedVertex texturedVertices_[3] = {};
  ColouredVertex colouredVertices_[3] = {};
  std::mutex lock_;
};
