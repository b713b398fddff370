// The two headers at the start of a bitmap file, judged against the file's real size the way
// Windows' LoadImage judges them, before any decoder sees the file: a file that passes has
// headers Windows knows, a picture of a size we can hold, and, when it is uncompressed, every
// row it promises. What a decoder would allocate for a file that passes is bounded by
// maxDecodedBytes, whatever the file claims.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace platform {

class BitmapHeaders {
 public:
  // No decoded picture may take more memory (4096 x 2048 pixels of 32 bits, 8192 x 4096 of 8):
  // a compressed file of a few bytes can claim any size, and the decoder holds all of it, in
  // rows of whole 32-bit words with 1 and 4 bits a pixel widened to 8, and fills it row by row.
  static constexpr std::uint64_t maxDecodedBytes = std::uint64_t{32} << 20;
  // The file header and the largest info header with its colour masks: all that Acceptable
  // reads of the file.
  static constexpr std::size_t longestHeaders = 14 + 124 + 12;

  // Whether LoadImage would decode the file of `fileSize` bytes that begins with `start` (its
  // first longestHeaders bytes, or the whole file when it is shorter).
  static bool Acceptable(std::span<const std::uint8_t> start, std::uint64_t fileSize);
};

}  // namespace platform
