#include "render/Bitmap.h"

#include <cstddef>
#include <new>

#include "platform/Windows.h"
#include "tlib/Exception.h"

namespace {

// White is transparent; magenta is a half-transparent dark shade; everything
// else is opaque.
std::uint32_t ColourKeyed(std::uint32_t colour) {
  if (colour == 0xFFFFFF) return 0x00000000u;
  if (colour == 0xFF00FF) return 0x7F7F7F7Fu;
  return 0xFF000000u | colour;
}

std::uint32_t ColourAt(const unsigned char* row, int x, int bitsPerPixel) {
  if (bitsPerPixel == 24) {
    const unsigned char* pixel = row + 3 * static_cast<std::size_t>(x);
    return pixel[2] * 65536u + pixel[1] * 256u + pixel[0];
  }
  const unsigned char* pixel = row + 4 * static_cast<std::size_t>(x);
  return (pixel[2] * 65536u + pixel[1] * 256u + pixel[0]) & 0x00FFFFFFu;
}

struct ImageDelete {
  void operator()(void* image) const { DeleteObject(image); }
};

}  // namespace

CBitmap::CBitmap(int width, int height) : width_(width), height_(height) {
  const auto count =
      static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height);
  // The pixel block's byte count is a 32-bit value.
  if (count * 4 > 0xFFFFFFFFull) throw std::bad_alloc();
  pixels_.reset(new std::uint32_t[count]);
}

std::unique_ptr<CBitmap> CBitmap::Load(tlib::TString path) {
  HANDLE image = LoadImageW(nullptr, WideText(path.CStr()), IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (image == nullptr) throw tlib::TException(u"LoadImage() failed").WithFile(path.CStr());
  // The image is deleted however this ends.
  const std::unique_ptr<void, ImageDelete> imageGuard(image);
  BITMAP info;
  if (GetObjectW(image, sizeof info, &info) == 0) {
    throw tlib::TException(u"GetObject() failed").WithFile(path.CStr());
  }
  if (info.bmBitsPixel != 24 && info.bmBitsPixel != 32) {
    throw tlib::TException(u"Unsupported bit depth").WithFile(path.CStr());
  }
  std::unique_ptr<CBitmap> bitmap(new CBitmap(info.bmWidth, info.bmHeight));
  const auto* bits = static_cast<const unsigned char*>(info.bmBits);
  for (int y = 0; y < bitmap->height_; ++y) {
    // The section's rows run from the bottom of the picture upwards.
    const unsigned char* row = bits + static_cast<std::size_t>(bitmap->height_ - 1 - y) *
                                          static_cast<std::size_t>(info.bmWidthBytes);
    std::uint32_t* out = bitmap->pixels_.get() + static_cast<std::size_t>(y) * bitmap->width_;
    for (int x = 0; x < bitmap->width_; ++x) {
      out[x] = ColourKeyed(ColourAt(row, x, info.bmBitsPixel));
    }
  }
  return bitmap;
}
