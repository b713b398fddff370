// A screen picture: a texture with its size in pixels. The render device owns
// both the sprite and its texture.
#pragma once

class CTexture;

class CSprite {
 public:
  CSprite(int width, int height, CTexture* texture)
      : width_(width), height_(height), texture_(texture) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  CTexture* Texture() const { return texture_; }

 private:
  int width_;
  int height_;
  CTexture* texture_;
};
