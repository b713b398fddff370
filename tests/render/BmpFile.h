// Bitmap files written byte by byte for the bitmap tests.
#pragma once

#include <cstdint>
#include <vector>

namespace bmp_test {

// An uncompressed picture of 8, 16, 24 or 32 bits per pixel.
struct BmpPicture {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;
  bool topDown = false;
  // 32 bits only: BI_BITFIELDS with red in the low byte and blue in the third.
  bool swappedMasks = false;
  // width x height values, top row first: 0xXXRRGGBB for 24 and 32 bits, the
  // 16-bit value for 16 bits, the palette index for 8 bits (a grey ramp).
  std::vector<std::uint32_t> pixels;
};

// The whole file: headers, bit masks or palette, and the padded rows.
std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture);

// The picture written in the current folder and loaded by CBitmap: its pixels,
// top row first, after checking its size.
std::vector<std::uint32_t> LoadedPixels(const BmpPicture& picture);

// 3 x 2 pixels, every one different: rows of 24-bit pixels need padding.
inline const std::vector<std::uint32_t> sixColours = {0x102030, 0x405060, 0x708090,
                                                      0xA0B0C0, 0xD0E0F0, 0x0F1E2D};

}  // namespace bmp_test
