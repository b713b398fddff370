// A texture on the render device, which owns it.
#pragma once

struct IDirect3DTexture9;

class CTexture {
 public:
  explicit CTexture(IDirect3DTexture9* texture) : texture_(texture) {}
  CTexture(const CTexture&) = delete;
  CTexture& operator=(const CTexture&) = delete;
  // Releases the Direct3D texture.
  ~CTexture();

  IDirect3DTexture9* GetTexture() const { return texture_; }

 private:
  IDirect3DTexture9* texture_;
};
