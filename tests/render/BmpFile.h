// Bitmap files written byte by byte for the bitmap tests, kept in the
// temporary folder while a test uses them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Windows.h"
#include "render/Bitmap.h"

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

// A file that is removed again when the object goes.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::vector<std::uint8_t>& bytes);
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile();

  // The path as the program passes it: UTF-16 with '\' between folders.
  std::u16string WindowsPath() const;

 private:
  std::filesystem::path path_;
};

// LoadImageW as CBitmap calls it, on the file.
HANDLE Load(const TemporaryFile& file);
// The colour at column x, row y from the top, read the way the program reads a section.
std::uint32_t SectionColour(const BITMAP& bitmap, int x, int y);
// The picture written to a file and loaded by CBitmap.
std::unique_ptr<CBitmap> LoadPicture(const BmpPicture& picture);

// 3 x 2 pixels, every one different: rows of 24-bit pixels need padding.
inline const std::vector<std::uint32_t> sixColours = {0x102030, 0x405060, 0x708090,
                                                      0xA0B0C0, 0xD0E0F0, 0x0F1E2D};

}  // namespace bmp_test
