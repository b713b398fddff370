// Reading back what the generator wrote, for the tests: little-endian fields
// of a file's bytes and the pixels of an uncompressed 24-bit bitmap.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "assets/Image.h"

namespace assets_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::uint32_t Field16(const Bytes& bytes, std::size_t at) {
  return bytes.at(at) | (bytes.at(at + 1) << 8);
}

inline std::uint32_t Field32(const Bytes& bytes, std::size_t at) {
  return Field16(bytes, at) | (Field16(bytes, at + 2) << 16);
}

// The pixels of a bottom-up 24-bit bitmap whose headers have been checked.
inline assets::CImage DecodeBitmap(const Bytes& bytes) {
  const int width = static_cast<int>(Field32(bytes, 18));
  const int height = static_cast<int>(Field32(bytes, 22));
  const std::size_t rowSize = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  assets::CImage image(width, height);
  for (int y = 0; y < height; ++y) {
    std::size_t row = Field32(bytes, 10) + rowSize * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      std::size_t at = row + 3 * static_cast<std::size_t>(x);
      image.Set(x, y, {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at)});
    }
  }
  return image;
}

}  // namespace assets_test
