// A picture file decoded into 32-bit ARGB pixels, top row first, with the
// colour key applied: pure white becomes transparent, pure magenta a
// half-transparent dark shade.
#pragma once

#include <cstdint>
#include <memory>

#include "tlib/String.h"

class CBitmap {
 public:
  // Loads a 24- or 32-bit bitmap file. Throws "LoadImage() failed",
  // "GetObject() failed" or "Unsupported bit depth", naming the file.
  static std::unique_ptr<CBitmap> Load(tlib::TString path);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Width() x Height() values 0xAARRGGBB, row by row from the top.
  const std::uint32_t* Pixels() const { return pixels_.get(); }

 private:
  CBitmap(int width, int height);

  int width_;
  int height_;
  std::unique_ptr<std::uint32_t[]> pixels_;
};
