#include "FrameChecks.h"

#include <optional>
#include <string>

#include "game/RoadMap.h"

namespace frame_checks {
namespace {

std::uint32_t Rgb(std::uint32_t argb) { return argb & 0xFFFFFF; }
bool IsOpaque(std::uint32_t argb) { return (argb >> 24) == 0xFF; }

bool Inside(const PresentedFrame& frame, int x, int y) {
  return x >= 0 && y >= 0 && x < frame.width && y < frame.height;
}

// Whether the pixel shows one of the opaque texels around (u, v): rounding
// may pick the neighbouring texel at a seam. Nothing when none is opaque.
std::optional<bool> ShowsTexelNear(std::uint32_t pixel, const CBitmap& picture, double u,
                                   double v) {
  std::optional<bool> shown;
  for (int tv = int(v - 0.5); tv <= int(v + 0.5); ++tv) {
    for (int tu = int(u - 0.5); tu <= int(u + 0.5); ++tu) {
      std::uint32_t texel = picture.Pixels()[tv * picture.Width() + tu];
      if (IsOpaque(texel)) shown = shown.value_or(false) || pixel == Rgb(texel);
    }
  }
  return shown;
}

}  // namespace

std::unique_ptr<CBitmap> Picture(const tlib::TString& name) {
  return CBitmap::Load(tlib::TString(u"Data\\") + name + u".bmp");
}

testing::AssertionResult IsFilled(const PresentedFrame& frame, int left, int top, int width,
                                  int height, std::uint32_t colour) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      if (!Inside(frame, x, y) || frame.Colour(x, y) != colour) {
        return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is not " << colour;
      }
    }
  }
  return testing::AssertionSuccess();
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

bool ShowsAGame(const PresentedFrame& frame) {
  return frame.width > 0 && frame.Colour(5, 5) != clearColour;
}

testing::AssertionResult ShowsCount(const PresentedFrame& frame, const tlib::TString& icon,
                                    int count, int x, int y) {
  testing::AssertionResult shown = ShowsPicture(frame, *Picture(icon), x, y);
  int left = x + 50;
  for (char digit : std::to_string(count)) {
    if (!shown) return shown << " (" << count << " beside the icon)";
    auto picture = Picture(tlib::TString::Format(u"Digit%d", digit - '0'));
    shown = ShowsPicture(frame, *picture, left, y + 4);
    left += picture->Width();
  }
  return shown;
}

testing::AssertionResult ShowsRoadBlock(const PresentedFrame& frame, const RoadBlock& block) {
  static const std::unique_ptr<CBitmap> picture = Picture(u"RoadBlock");
  const double halfWidth = 2.3;
  const double halfDepth = 0.75;
  const double x = CRoadMap::CentreOf(block.column);
  const double y = CRoadMap::CentreOf(block.row);
  const bool across = block.orientation == 1;  // turned a quarter, for a road from west to east
  int checked = 0;
  int matching = 0;
  for (int row = 0; row < frame.height; ++row) {
    for (int column = 0; column < frame.width; ++column) {
      // The pixel's centre on the ground, in the block's own frame.
      double dx = (column + 0.5 - 512) / pixelsPerUnit - x;
      double dy = (row + 0.5 - 384) / pixelsPerUnit - y;
      double u = ((across ? dy : dx) + halfWidth) / (2 * halfWidth) * picture->Width();
      double v = ((across ? -dx : dy) + halfDepth) / (2 * halfDepth) * picture->Height();
      if (u < 1 || v < 1 || u > picture->Width() - 1 || v > picture->Height() - 1) continue;
      std::optional<bool> shown = ShowsTexelNear(frame.Colour(column, row), *picture, u, v);
      checked += shown.has_value();
      matching += shown.value_or(false);
    }
  }
  if (checked > 0 && matching >= checked * 95 / 100) return testing::AssertionSuccess();
  return testing::AssertionFailure() << matching << " of " << checked << " pixels show the block";
}

}  // namespace frame_checks
