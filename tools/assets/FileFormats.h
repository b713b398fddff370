// The two file formats of the game's data, uncompressed 24-bit Windows
// bitmaps and 16-bit PCM wave files, and the PNG of the desktop's icon; all
// written byte for byte the same for the same content. Bitmaps of that one
// kind are read back too, for comparing pictures.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "assets/Image.h"

namespace assets {

using Bytes = std::vector<std::uint8_t>;

// A bottom-up 24-bit BI_RGB bitmap with its 54 bytes of headers.
Bytes EncodeBitmap(const CImage& image);
// The picture of a bitmap as EncodeBitmap writes one; throws std::runtime_error
// for any other file, before reading past what the file holds.
CImage DecodeBitmap(const Bytes& bytes);

// A mono 16-bit PCM wave file.
Bytes EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate);

// An 8-bit RGBA PNG. Its pixels go into zlib's stored (uncompressed) blocks:
// an icon is small, and this way no compression library is needed.
Bytes EncodePng(const TranslucentImage& image);

// Writes the bytes as the whole file; throws std::runtime_error on failure.
void WriteFile(const std::filesystem::path& path, const Bytes& bytes);
// The whole file; throws std::runtime_error when it cannot be read.
Bytes ReadFile(const std::filesystem::path& path);

}  // namespace assets
