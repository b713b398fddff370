#include "BmpFile.h"

#include <atomic>
#include <fstream>
#include <random>

namespace bmp_test {
namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t Stored(const BmpPicture& picture, std::uint32_t pixel) {
  if (!picture.swappedMasks) return pixel;
  const std::uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
  return red | green << 8 | blue << 16;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture) {
  const int bytesPerPixel = picture.bitsPerPixel / 8;
  const int rowBytes = (picture.width * bytesPerPixel + 3) / 4 * 4;
  const int masksBytes = picture.swappedMasks ? 12 : 0;
  const int paletteBytes = picture.bitsPerPixel == 8 ? 256 * 4 : 0;
  const int pixelOffset = 14 + 40 + masksBytes + paletteBytes;
  const int fileSize = pixelOffset + rowBytes * picture.height;

  std::vector<std::uint8_t> out = {'B', 'M'};
  PutLittleEndian(out, static_cast<std::uint32_t>(fileSize), 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(pixelOffset), 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(picture.width), 4);
  PutLittleEndian(
      out, static_cast<std::uint32_t>(picture.topDown ? -picture.height : picture.height), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, static_cast<std::uint32_t>(picture.bitsPerPixel), 2);
  PutLittleEndian(out, picture.swappedMasks ? 3 : 0, 4);  // BI_BITFIELDS or BI_RGB
  PutLittleEndian(out, static_cast<std::uint32_t>(rowBytes * picture.height), 4);
  for (int i = 0; i < 4; ++i) PutLittleEndian(out, 0, 4);  // resolution, palette counts
  if (picture.swappedMasks) {
    PutLittleEndian(out, 0x000000FF, 4);
    PutLittleEndian(out, 0x0000FF00, 4);
    PutLittleEndian(out, 0x00FF0000, 4);
  }
  for (int i = 0; i < paletteBytes / 4; ++i)
    PutLittleEndian(out, static_cast<std::uint32_t>(i * 0x010101), 4);
  for (int row = 0; row < picture.height; ++row) {
    const int sourceRow = picture.topDown ? row : picture.height - 1 - row;
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t pixel =
          picture.pixels[static_cast<std::size_t>(sourceRow * picture.width + x)];
      PutLittleEndian(out, Stored(picture, pixel), bytesPerPixel);
    }
    for (int pad = picture.width * bytesPerPixel; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

TemporaryFile::TemporaryFile(const std::vector<std::uint8_t>& bytes) {
  static const unsigned run = std::random_device()();
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("marrowick-render-" + std::to_string(run) + "-" + std::to_string(counter++) + ".bmp");
  std::ofstream(path_, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

TemporaryFile::~TemporaryFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

std::u16string TemporaryFile::WindowsPath() const {
  std::u16string windowsPath = path_.u16string();
  for (char16_t& c : windowsPath) {
    if (c == u'/') c = u'\\';
  }
  return windowsPath;
}

HANDLE Load(const TemporaryFile& file) {
  return LoadImageW(nullptr, WideText(file.WindowsPath().c_str()), IMAGE_BITMAP, 0, 0,
                    LR_LOADFROMFILE | LR_CREATEDIBSECTION);
}

std::uint32_t SectionColour(const BITMAP& bitmap, int x, int y) {
  const auto* row = static_cast<const std::uint8_t*>(bitmap.bmBits) +
                    (bitmap.bmHeight - 1 - y) * bitmap.bmWidthBytes;
  const std::uint8_t* pixel = row + x * (bitmap.bmBitsPixel / 8);
  return static_cast<std::uint32_t>(pixel[2] << 16 | pixel[1] << 8 | pixel[0]);
}

std::unique_ptr<CBitmap> LoadPicture(const BmpPicture& picture) {
  const TemporaryFile file(EncodeBmp(picture));
  const std::u16string path = file.WindowsPath();
  return CBitmap::Load(tlib::TString(static_cast<int>(path.size()), path.data()));
}

}  // namespace bmp_test
