// The frog, seen from above and facing right (+x): crouching, ready to hop,
// or run flat for the splatted-frogs counter.
#pragma once

#include "assets/Painter.h"

namespace assets {

inline constexpr double frogSize = 2;  // the frog quad is 2 x 2 world units

enum class FrogPose { Crouching, Flattened };

// Draws the frog centred on the painter's origin, in world units.
void DrawFrog(const CPainter& painter, FrogPose pose);

// The frog as it is seen in play, about ten pixels across: placed pixel by
// pixel on a 10 x 10 grid over the 2 x 2 units centred on the painter's
// origin, because smooth shapes blur into a blob at that size.
void DrawFrogInPlay(const CPainter& painter);

}  // namespace assets
