// Checks of presented frames at the pixels that matter: the pictures of Data
// where the game puts them, the clear colour, the ground.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/testing/HeadlessFrames.h"
#include "render/Bitmap.h"
#include "tlib/String.h"

using platform_test::PresentedFrame;

namespace frame_checks {

constexpr std::uint32_t clearColour = 0xFFFFFE;
constexpr std::uint32_t groundColour = 0x54A543;

// A picture of Data\ as the game loads it, colour key applied.
std::unique_ptr<CBitmap> Picture(const tlib::TString& name);

// Every pixel of the frame is the clear colour.
testing::AssertionResult IsClear(const PresentedFrame& frame);

// The picture's opaque pixels cover the frame from (left, top), as DrawSprite
// puts a sprite whose top-left corner lands there. Allows for a few pixels at
// the seams that the rasterizer may give to the neighbouring texel.
testing::AssertionResult ShowsPicture(const PresentedFrame& frame, const CBitmap& picture, int left,
                                      int top);

// The frame shows the sprite where DrawSprite puts it for (x, y) and the
// centre fractions.
testing::AssertionResult ShowsSprite(const PresentedFrame& frame, const CBitmap& picture, int x,
                                     int y, double centreX, double centreY);

// Every pixel of the rectangle is the colour.
testing::AssertionResult IsFilled(const PresentedFrame& frame, int left, int top, int width,
                                  int height, std::uint32_t colour);

}  // namespace frame_checks

namespace frame_checks {

// Where the game's camera looks from: the frame maps a ground point (x, y) to
// the pixel (512 + 1024 (x - cameraX) / (zoom + 1), 384 + ... (y - cameraY)).
struct Camera {
  double x;
  double y;
  double zoom;

  double PixelsPerUnit() const { return 1024 / (zoom + 1); }
  double ScreenX(double worldX) const { return 512 + (worldX - x) * PixelsPerUnit(); }
  double ScreenY(double worldY) const { return 384 + (worldY - y) * PixelsPerUnit(); }
  // The ground point seen at the centre of a pixel.
  double WorldX(int pixelX) const { return x + (pixelX + 0.5 - 512) / PixelsPerUnit(); }
  double WorldY(int pixelY) const { return y + (pixelY + 0.5 - 384) / PixelsPerUnit(); }
};

// A textured rectangle on the ground: centred on (x, y), turned by `angle`,
// with half-sizes along its own x and y.
struct GroundQuad {
  double x;
  double y;
  double angle;
  double halfWidth;
  double halfDepth;
};

// Pixels to leave out of a check: covered by something drawn on top.
using Hidden = std::function<bool(int x, int y)>;

// The frame shows the picture on the quad, point-sampled, blended over
// `below` where the picture is not opaque (such texels are skipped when
// `below` is not given). Pixels next to the quad's edges and hidden ones are
// not checked.
testing::AssertionResult ShowsQuad(const PresentedFrame& frame, const Camera& camera,
                                   const CBitmap& picture, const GroundQuad& quad,
                                   std::optional<std::uint32_t> below, const Hidden& hidden);

}  // namespace frame_checks
