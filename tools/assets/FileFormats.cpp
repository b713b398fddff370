#include "assets/FileFormats.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace assets {

namespace {

void PutText(Bytes& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutBig32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// The CRC-32 of ISO 3309, which every PNG chunk ends with.
std::uint32_t Crc32(Bytes::const_iterator begin, Bytes::const_iterator end) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (auto byte = begin; byte != end; ++byte) {
    crc ^= *byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  return ~crc;
}

// The Adler-32 checksum that ends a zlib stream.
std::uint32_t Adler32(const Bytes& data) {
  constexpr std::uint32_t modulus = 65521;
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : data) {
    a = (a + byte) % modulus;
    b = (b + a) % modulus;
  }
  return b << 16 | a;
}

// A chunk: its length, its type, its data and the CRC of type and data.
void PutChunk(Bytes& out, std::string_view type, const Bytes& data) {
  PutBig32(out, static_cast<std::uint32_t>(data.size()));
  const auto typeStart = static_cast<std::ptrdiff_t>(out.size());
  PutText(out, type);
  out.insert(out.end(), data.begin(), data.end());
  PutBig32(out, Crc32(out.begin() + typeStart, out.end()));
}

// A zlib stream of stored blocks, each holding at most 65535 bytes.
Bytes StoredZlib(const Bytes& data) {
  constexpr std::size_t blockLimit = 0xFFFF;
  Bytes out{0x78, 0x01};  // deflate with a 32 KiB window, no dictionary; a multiple of 31
  std::size_t done = 0;
  do {
    const std::size_t length = std::min(blockLimit, data.size() - done);
    const bool last = done + length == data.size();
    out.push_back(last ? 1 : 0);  // stored block, and whether it is the final one
    Put16(out, static_cast<std::uint32_t>(length));
    Put16(out, static_cast<std::uint32_t>(~length & 0xFFFF));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(done),
               data.begin() + static_cast<std::ptrdiff_t>(done + length));
    done += length;
  } while (done < data.size());
  PutBig32(out, Adler32(data));
  return out;
}

// The rows as PNG stores them: each starts with its filter, here none.
Bytes UnfilteredRows(const TranslucentImage& image) {
  const auto width = static_cast<std::size_t>(image.width);
  Bytes rows;
  rows.reserve(image.pixels.size() * 4 + static_cast<std::size_t>(image.height));
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    if (i % width == 0) rows.push_back(0);
    const Rgba& p = image.pixels[i];
    rows.insert(rows.end(), {p.r, p.g, p.b, p.a});
  }
  return rows;
}

std::uint32_t Get32(const Bytes& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         std::uint32_t(bytes[offset + 3]) << 24;
}

std::uint32_t Get16(const Bytes& bytes, std::size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8;
}

constexpr std::uint32_t bitmapHeadersSize = 14 + 40;
constexpr std::uint32_t pixelsPerMetre = 2835;  // 72 dots per inch
// Larger than any picture of the game or frame of its window.
constexpr std::uint32_t maxBitmapSide = 8192;

}  // namespace

Bytes EncodeBitmap(const CImage& image) {
  const auto width = static_cast<std::uint32_t>(image.Width());
  const auto height = static_cast<std::uint32_t>(image.Height());
  const std::uint32_t rowSize = (width * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = rowSize * height;
  Bytes out;
  out.reserve(bitmapHeadersSize + pixelBytes);
  PutText(out, "BM");
  Put32(out, bitmapHeadersSize + pixelBytes);
  Put32(out, 0);  // reserved
  Put32(out, bitmapHeadersSize);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, width);
  Put32(out, height);  // positive: the bottom row comes first
  Put16(out, 1);       // planes
  Put16(out, 24);      // bits per pixel
  Put32(out, 0);       // BI_RGB, uncompressed
  Put32(out, pixelBytes);
  Put32(out, pixelsPerMetre);
  Put32(out, pixelsPerMetre);
  Put32(out, 0);  // colours used
  Put32(out, 0);  // important colours
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      Rgb p = image.At(x, y);
      out.insert(out.end(), {p.b, p.g, p.r});
    }
    out.resize(out.size() + (rowSize - width * 3), 0);
  }
  return out;
}

CImage DecodeBitmap(const Bytes& bytes) {
  if (bytes.size() < bitmapHeadersSize || bytes[0] != 'B' || bytes[1] != 'M' ||
      Get32(bytes, 10) != bitmapHeadersSize || Get32(bytes, 14) != 40 || Get16(bytes, 26) != 1 ||
      Get16(bytes, 28) != 24 || Get32(bytes, 30) != 0) {
    throw std::runtime_error("not a bottom-up 24-bit bitmap");
  }
  const std::uint32_t width = Get32(bytes, 18);
  const std::uint32_t height = Get32(bytes, 22);
  if (width == 0 || height == 0 || width > maxBitmapSide || height > maxBitmapSide) {
    throw std::runtime_error("bitmap of an unusable size");
  }
  const std::size_t rowSize = (width * 3 + 3) / 4 * 4;
  if (bytes.size() - bitmapHeadersSize < rowSize * height) {
    throw std::runtime_error("bitmap shorter than its pixels");
  }
  CImage image(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < image.Height(); ++y) {
    const std::uint8_t* row = bytes.data() + bitmapHeadersSize +
                              rowSize * static_cast<std::size_t>(image.Height() - 1 - y);
    for (int x = 0; x < image.Width(); ++x) {
      const std::uint8_t* pixel = row + 3 * x;
      image.Set(x, y, Rgb{pixel[2], pixel[1], pixel[0]});
    }
  }
  return image;
}

Bytes EncodeWave(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  Bytes out;
  out.reserve(44 + dataSize);
  PutText(out, "RIFF");
  Put32(out, 36 + dataSize);
  PutText(out, "WAVE");
  PutText(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, rate);
  Put32(out, rate * 2);  // bytes per second
  Put16(out, 2);         // bytes per sample frame
  Put16(out, 16);        // bits per sample
  PutText(out, "data");
  Put32(out, dataSize);
  for (std::int16_t sample : samples) Put16(out, static_cast<std::uint16_t>(sample));
  return out;
}

Bytes EncodePng(const TranslucentImage& image) {
  Bytes header;
  PutBig32(header, static_cast<std::uint32_t>(image.width));
  PutBig32(header, static_cast<std::uint32_t>(image.height));
  // 8 bits a sample, RGBA, deflate, the standard filters, not interlaced.
  header.insert(header.end(), {8, 6, 0, 0, 0});
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", StoredZlib(UnfilteredRows(image)));
  PutChunk(out, "IEND", {});
  return out;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file || !std::filesystem::is_regular_file(path)) {
    throw std::runtime_error("cannot read " + path.string());
  }
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace assets
