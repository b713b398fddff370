#include "BmpFile.h"

#include "ScratchFolder.h"
#include "render/Bitmap.h"

namespace bmp_test {
namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes = 4) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t Stored(const BmpPicture& picture, std::uint32_t pixel) {
  if (!picture.swappedMasks) return pixel;
  return (pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16;
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture) {
  const int bytesPerPixel = picture.bitsPerPixel / 8;
  const int rowBytes = (picture.width * bytesPerPixel + 3) / 4 * 4;
  const int paletteBytes = picture.bitsPerPixel == 8 ? 256 * 4 : 0;
  const auto pixelOffset = std::uint32_t(54 + (picture.swappedMasks ? 12 : 0) + paletteBytes);
  const auto pixelBytes = std::uint32_t(rowBytes * picture.height);
  std::vector<std::uint8_t> out = {'B', 'M'};
  for (std::uint32_t field :
       {pixelOffset + pixelBytes, 0u, pixelOffset, 40u, std::uint32_t(picture.width),
        std::uint32_t(picture.topDown ? -picture.height : picture.height)})
    Put(out, field);
  Put(out, 1 | std::uint32_t(picture.bitsPerPixel) << 16);  // planes, bits per pixel
  Put(out, picture.swappedMasks ? 3 : 0);                   // BI_BITFIELDS or BI_RGB
  Put(out, pixelBytes);
  for (int i = 0; i < 4; ++i) Put(out, 0);  // resolution, palette counts
  if (picture.swappedMasks) {
    for (std::uint32_t mask : {0x0000FFu, 0x00FF00u, 0xFF0000u}) Put(out, mask);
  }
  for (int i = 0; i < paletteBytes / 4; ++i) Put(out, std::uint32_t(i * 0x010101));
  for (int row = 0; row < picture.height; ++row) {
    const int sourceRow = picture.topDown ? row : picture.height - 1 - row;
    for (int x = 0; x < picture.width; ++x)
      Put(out, Stored(picture, picture.pixels[std::size_t(sourceRow * picture.width + x)]),
          bytesPerPixel);
    out.resize(out.size() + std::size_t(rowBytes - picture.width * bytesPerPixel));
  }
  return out;
}

std::vector<std::uint32_t> LoadedPixels(const BmpPicture& picture) {
  ScratchFolder::Write("picture.bmp", EncodeBmp(picture));
  const auto bitmap = CBitmap::Load(u"picture.bmp");
  EXPECT_EQ(picture.width, bitmap->Width());
  EXPECT_EQ(picture.height, bitmap->Height());
  return {bitmap->Pixels(), bitmap->Pixels() + bitmap->Width() * bitmap->Height()};
}

}  // namespace bmp_test
