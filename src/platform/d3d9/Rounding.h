// Rounding to the nearest integer, halves away from zero, as std::llround does
// but without a library call: the rasterizer rounds several values for every
// triangle and every run of pixels. The value must be finite and lie well
// inside the 64-bit range.
#pragma once

#include <cstdint>

namespace platform::d3d9 {

inline std::int64_t RoundToInt64(double value) {
  auto rounded = static_cast<std::int64_t>(value);  // toward zero
  const double fraction = value - static_cast<double>(rounded);
  if (fraction >= 0.5) ++rounded;
  if (fraction <= -0.5) --rounded;
  return rounded;
}

}  // namespace platform::d3d9
