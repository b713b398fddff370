#include "platform/posix/BitmapHeaders.h"

#include <algorithm>
#include <optional>

namespace platform {
namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t coreHeaderSize = 12;
constexpr std::size_t infoHeaderSize = 40;
constexpr std::size_t bitFieldMasksSize = 12;
// The headers Windows documents: core, info, V4 and V5.
constexpr std::uint32_t knownHeaderSizes[] = {coreHeaderSize, infoHeaderSize, 108, 124};

enum Compression : std::uint32_t { rgb = 0, rle8 = 1, rle4 = 2, bitFields = 3 };

// What the headers claim, in the terms the checks need.
struct Claims {
  std::uint32_t headerSize = 0;
  std::uint32_t pixelOffset = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative for a picture stored top row first
  std::uint32_t planes = 0;
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t compression = rgb;

  std::uint64_t HeaderEnd() const {
    // An info header's bit fields follow it; V4 and V5 headers hold them.
    const bool masksFollow = headerSize == infoHeaderSize && compression == bitFields;
    return fileHeaderSize + headerSize + (masksFollow ? bitFieldMasksSize : 0);
  }
  std::int64_t Rows() const { return height < 0 ? -height : height; }
  bool Compressed() const { return compression == rle8 || compression == rle4; }
};

std::uint32_t Little(std::span<const std::uint8_t> bytes, std::size_t offset, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[offset + i];
  return value;
}

std::int64_t SignedLittle32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int32_t>(Little(bytes, offset, 4));
}

bool IsKnownHeaderSize(std::uint32_t size) {
  return std::find(std::begin(knownHeaderSizes), std::end(knownHeaderSizes), size) !=
         std::end(knownHeaderSizes);
}

// The headers' claims; none when the start is no bitmap file or too short for its own header.
std::optional<Claims> ReadClaims(std::span<const std::uint8_t> start) {
  if (start.size() < fileHeaderSize + 4 || start[0] != 'B' || start[1] != 'M') return std::nullopt;
  Claims claims;
  claims.pixelOffset = Little(start, 10, 4);
  claims.headerSize = Little(start, 14, 4);
  if (!IsKnownHeaderSize(claims.headerSize) || start.size() < fileHeaderSize + claims.headerSize) {
    return std::nullopt;
  }
  if (claims.headerSize == coreHeaderSize) {
    claims.width = Little(start, 18, 2);
    claims.height = Little(start, 20, 2);
    claims.planes = Little(start, 22, 2);
    claims.bitsPerPixel = Little(start, 24, 2);
  } else {
    claims.width = SignedLittle32(start, 18);
    claims.height = SignedLittle32(start, 22);
    claims.planes = Little(start, 26, 2);
    claims.bitsPerPixel = Little(start, 28, 2);
    claims.compression = Little(start, 30, 4);
  }
  return claims;
}

bool IsKnownFormat(const Claims& claims) {
  const std::uint32_t bits = claims.bitsPerPixel;
  if (claims.headerSize == coreHeaderSize) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
  switch (claims.compression) {
    case rgb: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case rle8: return bits == 8;
    case rle4: return bits == 4;
    case bitFields: return bits == 16 || bits == 32;
    default: return false;
  }
}

// The decoded rows must fit maxDecodedBytes. Widths up to 2^31 pixels of up to 4 bytes keep
// a row's size far inside 64 bits.
bool FitsInMemory(const Claims& claims) {
  const auto width = static_cast<std::uint64_t>(claims.width);
  const std::uint64_t pixelBytes = std::max<std::uint32_t>(claims.bitsPerPixel, 8) / 8;
  const std::uint64_t rowBytes = (width * pixelBytes + 3) / 4 * 4;
  return static_cast<std::uint64_t>(claims.Rows()) <= BitmapHeaders::maxDecodedBytes / rowBytes;
}

bool HasAcceptableSize(const Claims& claims) {
  // Compressed pictures are stored bottom row first only.
  if (claims.height < 0 && claims.Compressed()) return false;
  return claims.width > 0 && claims.Rows() > 0 && FitsInMemory(claims);
}

// Uncompressed rows are padded to whole 32-bit words; all of them must be in the file.
bool HoldsItsRows(const Claims& claims, std::uint64_t fileSize) {
  if (claims.Compressed()) return true;
  const auto width = static_cast<std::uint64_t>(claims.width);
  const std::uint64_t rowBytes = (width * claims.bitsPerPixel + 31) / 32 * 4;
  return rowBytes * static_cast<std::uint64_t>(claims.Rows()) <= fileSize - claims.pixelOffset;
}

}  // namespace

bool BitmapHeaders::Acceptable(std::span<const std::uint8_t> start, std::uint64_t fileSize) {
  const std::optional<Claims> claims = ReadClaims(start);
  return claims && claims->HeaderEnd() <= claims->pixelOffset && claims->pixelOffset < fileSize &&
         claims->planes == 1 && IsKnownFormat(*claims) && HasAcceptableSize(*claims) &&
         HoldsItsRows(*claims, fileSize);
}

}  // namespace platform
