#include "FrameChecks.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tlib/String.h"

namespace frame_checks {
namespace {

std::uint32_t Rgb(std::uint32_t argb) { return argb & 0xFFFFFF; }
bool IsOpaque(std::uint32_t argb) { return (argb >> 24) == 0xFF; }

bool Inside(const PresentedFrame& frame, int x, int y) {
  return x >= 0 && y >= 0 && x < frame.width && y < frame.height;
}

std::string Hex(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", colour);
  return text;
}

}  // namespace

std::unique_ptr<CBitmap> Picture(const tlib::TString& name) {
  return CBitmap::Load(tlib::TString(u"Data\\") + name + u".bmp");
}

testing::AssertionResult IsClear(const PresentedFrame& frame) {
  if (frame.width == 0) return testing::AssertionFailure() << "no frame was presented";
  return IsFilled(frame, 0, 0, frame.width, frame.height, clearColour);
}

testing::AssertionResult ShowsPicture(const PresentedFrame& frame, const CBitmap& picture, int left,
                                      int top) {
  int opaque = 0;
  int matching = 0;
  for (int row = 0; row < picture.Height(); ++row) {
    for (int column = 0; column < picture.Width(); ++column) {
      std::uint32_t texel = picture.Pixels()[row * picture.Width() + column];
      if (!IsOpaque(texel) || !Inside(frame, left + column, top + row)) continue;
      ++opaque;
      if (frame.Colour(left + column, top + row) == Rgb(texel)) ++matching;
    }
  }
  if (opaque > 0 && matching >= opaque * 97 / 100) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << matching << " of " << opaque << " opaque pixels of the picture are at (" << left << ", "
         << top << ")";
}

testing::AssertionResult ShowsSprite(const PresentedFrame& frame, const CBitmap& picture, int x,
                                     int y, double centreX, double centreY) {
  // The first pixel whose centre lies inside the rectangle DrawSprite covers.
  // When an edge falls on pixel centres, rounding may put it either side.
  double left = x - picture.Width() * centreX - 0.5;
  double top = y - picture.Height() * centreY - 0.5;
  testing::AssertionResult shown = testing::AssertionFailure();
  for (int column : {int(std::ceil(left)), int(std::floor(left)) + 1}) {
    for (int row : {int(std::ceil(top)), int(std::floor(top)) + 1}) {
      shown = ShowsPicture(frame, picture, column, row);
      if (shown) return shown;
    }
  }
  return shown;
}

testing::AssertionResult IsFilled(const PresentedFrame& frame, int left, int top, int width,
                                  int height, std::uint32_t colour) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      if (!Inside(frame, x, y))
        return testing::AssertionFailure() << "(" << x << ", " << y << ") is off the frame";
      if (frame.Colour(x, y) != colour) {
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                           << Hex(frame.Colour(x, y)) << ", not " << Hex(colour);
      }
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace frame_checks

namespace frame_checks {
namespace {

int Channel(std::uint32_t colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

// Source over destination with the source's alpha, as the scene blends.
std::uint32_t Blend(std::uint32_t argb, std::uint32_t below) {
  double alpha = (argb >> 24) / 255.0;
  std::uint32_t result = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    double mixed = Channel(argb, shift) * alpha + Channel(below, shift) * (1 - alpha);
    result |= static_cast<std::uint32_t>(mixed + 0.5) << shift;
  }
  return result;
}

bool Near(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift <= 16; shift += 8) {
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > 2) return false;
  }
  return true;
}

// The colour a texel shows: itself where opaque, else blended over `below`;
// nothing when it cannot be known.
std::optional<std::uint32_t> Shown(std::uint32_t texel, std::optional<std::uint32_t> below) {
  if (IsOpaque(texel)) return Rgb(texel);
  if (!below) return std::nullopt;
  return Blend(texel, *below);
}

}  // namespace

testing::AssertionResult ShowsQuad(const PresentedFrame& frame, const Camera& camera,
                                   const CBitmap& picture, const GroundQuad& quad,
                                   std::optional<std::uint32_t> below, const Hidden& hidden) {
  double reach = std::hypot(quad.halfWidth, quad.halfDepth) * camera.PixelsPerUnit();
  int checked = 0;
  int matching = 0;
  double c = std::cos(quad.angle);
  double s = std::sin(quad.angle);
  for (int y = int(camera.ScreenY(quad.y) - reach); y <= int(camera.ScreenY(quad.y) + reach); ++y) {
    for (int x = int(camera.ScreenX(quad.x) - reach); x <= int(camera.ScreenX(quad.x) + reach);
         ++x) {
      if (!Inside(frame, x, y) || hidden(x, y)) continue;
      // The pixel's centre on the ground, in the quad's own frame.
      double dx = camera.WorldX(x) - quad.x;
      double dy = camera.WorldY(y) - quad.y;
      double u = (dx * c + dy * s + quad.halfWidth) / (2 * quad.halfWidth) * picture.Width();
      double v = (-dx * s + dy * c + quad.halfDepth) / (2 * quad.halfDepth) * picture.Height();
      if (u < 1 || v < 1 || u > picture.Width() - 1 || v > picture.Height() - 1) continue;
      // Rounding may pick the neighbouring texel at a seam: any of the
      // texels around the point will do.
      bool known = false;
      bool match = false;
      for (int tv = int(v - 0.5); tv <= int(v + 0.5); ++tv) {
        for (int tu = int(u - 0.5); tu <= int(u + 0.5); ++tu) {
          auto colour = Shown(picture.Pixels()[tv * picture.Width() + tu], below);
          if (!colour) continue;
          known = true;
          match = match || Near(frame.Colour(x, y), *colour);
        }
      }
      if (!known) continue;
      ++checked;
      if (match) ++matching;
    }
  }
  if (checked > 0 && matching >= checked * 95 / 100) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << matching << " of " << checked << " pixels show the picture of the quad at (" << quad.x
         << ", " << quad.y << ")";
}

}  // namespace frame_checks
