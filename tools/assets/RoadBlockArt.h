// The road block: a striped barrier on two feet, its long side horizontal,
// casting a soft shadow.
#pragma once

#include "assets/Painter.h"

namespace assets {

inline constexpr double roadBlockWidth = 4.6;
inline constexpr double roadBlockDepth = 1.5;

// Draws the barrier centred on the painter's origin, in world units.
void DrawRoadBlock(const CPainter& painter);

}  // namespace assets
