#include "assets/Image.h"

namespace assets {

CImage::CImage(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

}  // namespace assets
