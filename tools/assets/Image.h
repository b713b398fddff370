// A finished picture: 8-bit red, green and blue per pixel, top row first. Two
// colours carry the game's colour key: pure white is transparent and pure
// magenta a half-transparent dark shade.
#pragma once

#include <cstdint>
#include <vector>

namespace assets {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb keyTransparent{255, 255, 255};
inline constexpr Rgb keyShadow{255, 0, 255};

class CImage {
 public:
  CImage(int width, int height, Rgb fill = keyTransparent);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Rgb colour) { pixels_[Index(x, y)] = colour; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

// A picture with gradual transparency, top row first, for showing over any
// background: the desktop's icon, which is not one of the game's colour-keyed
// pictures.
struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;
};

struct TranslucentImage {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;
};

}  // namespace assets
