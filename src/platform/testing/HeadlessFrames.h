// Test-only access to the frames that the headless backend's Direct3D device
// presented. Never included by the program's code.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Windows.h"

namespace platform_test {

struct PresentedFrame {
  int width = 0;
  int height = 0;
  // width x height values 0xXXRRGGBB, rows top first.
  std::vector<std::uint32_t> pixels;

  // The colour 0xRRGGBB of the pixel in column x, row y (0, 0 at the top left).
  std::uint32_t Colour(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)] &
           0xFFFFFFu;
  }
};

// The frame last presented into the window; 0 x 0 and no pixels before the first.
PresentedFrame LastPresentedFrame(HWND window);

// How many frames have been presented into the window.
int PresentedFrameCount(HWND window);

// Forgets the frames of every window.
void ForgetPresentedFrames();

// Writes the frame as a BMP file for a person to look at; false when it cannot.
bool SaveFrameAsBmp(const PresentedFrame& frame, const char* path);

}  // namespace platform_test
