#include "FrameComparison.h"

#include <cstdlib>
#include <stdexcept>

namespace {

using assets::CImage;
using assets::Rgb;

bool Close(Rgb a, Rgb b) {
  constexpr int tolerance = CFrameComparison::channelTolerance;
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

bool IsTie(const CImage& reference, const CImage& other, int x, int y) {
  const Rgb shown = reference.At(x, y);
  return (x > 0 && Close(shown, other.At(x - 1, y))) ||
         (y > 0 && Close(shown, other.At(x, y - 1))) ||
         (x > 0 && y > 0 && Close(shown, other.At(x - 1, y - 1)));
}

// Whether `image` has a colour close to `colour` within two pixels of (x, y).
bool FoundNear(const CImage& image, int x, int y, Rgb colour) {
  constexpr int reach = 2;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (image.Contains(x + dx, y + dy) && Close(image.At(x + dx, y + dy), colour)) return true;
    }
  }
  return false;
}

// A quarter of the way from the colour to white.
Rgb Faded(Rgb colour) {
  auto fade = [](std::uint8_t channel) { return std::uint8_t(192 + channel / 4); };
  return Rgb{fade(colour.r), fade(colour.g), fade(colour.b)};
}

constexpr Rgb tieMark{220, 0, 0};
constexpr Rgb unexplainedMark{0, 0, 255};
constexpr Rgb edgeMark{255, 150, 0};

}  // namespace

CFrameComparison::CFrameComparison(const CImage& reference, const CImage& other)
    : picture_(reference.Width(), reference.Height()) {
  if (other.Width() != reference.Width() || other.Height() != reference.Height()) {
    throw std::runtime_error("the frames differ in size");
  }
  difference_.pixels = reference.Width() * reference.Height();
  for (int y = 0; y < reference.Height(); ++y) {
    for (int x = 0; x < reference.Width(); ++x) {
      Rgb mark = Faded(reference.At(x, y));
      if (!Close(reference.At(x, y), other.At(x, y))) {
        ++difference_.differing;
        mark = edgeMark;
        if (IsTie(reference, other, x, y)) {
          ++difference_.ties;
          mark = tieMark;
        } else if (!FoundNear(reference, x, y, other.At(x, y)) &&
                   !FoundNear(other, x, y, reference.At(x, y))) {
          ++difference_.unexplained;
          mark = unexplainedMark;
        }
      }
      picture_.Set(x, y, mark);
    }
  }
}
