// The title picture, filling the 1024 x 768 window: the game's name, a
// street scene, and how to play. The band from y 590 to 650 stays empty,
// because the best result is drawn there over the picture.
#pragma once

#include "assets/Painter.h"

namespace assets {

inline constexpr int titleWidth = 1024;
inline constexpr int titleHeight = 768;
// The rows kept free for the best result's icons and numbers.
inline constexpr int bestResultTop = 590;
inline constexpr int bestResultBottom = 650;

// Draws the title with its top-left corner at the painter's origin, in pixels.
void DrawTitle(const CPainter& painter);

}  // namespace assets
