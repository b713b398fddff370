// Windows bitmap files written byte by byte into a temporary folder, for the
// loading tests: uncompressed 8, 16, 24 and 32 bits per pixel, bottom-up or
// top-down, and 32 bits with colour masks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace render_test {

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

}  // namespace render_test
