#include "platform/d3d9/RenderTarget.h"

#include <algorithm>
#include <cmath>

namespace platform::d3d9 {

RenderTarget::RenderTarget(int width, int height)
    : width_(width),
      height_(height),
      colours_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
      depths_(colours_.size()) {}

void RenderTarget::FillColour(std::uint32_t colour) {
  std::fill(colours_.begin(), colours_.end(), colour | 0xFF000000u);
}

void RenderTarget::FillDepth(double depth) {
  std::fill(depths_.begin(), depths_.end(), DepthValue(depth));
}

std::uint16_t RenderTarget::DepthValue(double depth) {
  // Also maps NaN to 0 instead of converting it.
  const double clamped = depth > 0 ? std::min(depth, 1.0) : 0.0;
  return static_cast<std::uint16_t>(std::lround(clamped * 65535.0));
}

}  // namespace platform::d3d9
