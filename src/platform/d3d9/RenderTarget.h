// The software device's back buffer (X8R8G8B8, stored as 0xFFRRGGBB) and its
// 16-bit depth buffer, both top row first with a pitch of one row.
#pragma once

#include <cstdint>
#include <vector>

namespace platform::d3d9 {

class RenderTarget {
 public:
  RenderTarget(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::uint32_t* Colours() const { return colours_.data(); }
  std::uint32_t* ColourRow(int y) { return colours_.data() + RowStart(y); }
  std::uint16_t* DepthRow(int y) { return depths_.data() + RowStart(y); }

  void FillColour(std::uint32_t colour);
  // depth 0 to 1 (clamped), stored as a 16-bit fraction of 65535.
  void FillDepth(double depth);

  // The 16-bit depth value of a depth from 0 (near) to 1 (far), rounded.
  static std::uint16_t DepthValue(double depth);

 private:
  std::size_t RowStart(int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
  }

  int width_;
  int height_;
  std::vector<std::uint32_t> colours_;
  std::vector<std::uint16_t> depths_;
};

}  // namespace platform::d3d9
