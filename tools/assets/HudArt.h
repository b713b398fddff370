// The pictures drawn over the scene in screen pixels: the counters' digits,
// the two score icons and the mouse cursor. Each is drawn with its top-left
// corner at the painter's origin, in pixels.
#pragma once

#include "assets/Painter.h"

namespace assets {

enum class ScoreIcon { Saved, Splatted };

inline constexpr int digitHeight = 32;
inline constexpr int scoreIconSize = 40;
inline constexpr int cursorSize = 41;  // odd, so its middle pixel is the hot spot

// The width of the picture of a digit: digits are spaced by their own widths.
int DigitWidth(int digit);
void DrawDigit(const CPainter& painter, int digit);
void DrawScoreIcon(const CPainter& painter, ScoreIcon icon);
// A target: a ring with four ticks pointing out, see-through inside.
void DrawCursor(const CPainter& painter);

}  // namespace assets
