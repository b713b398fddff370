// The cars, seen from above and facing right (+x): a slow delivery truck, a
// saloon and a fast sports car, each with a soft shadow around it.
#pragma once

#include "assets/Painter.h"

namespace assets {

inline constexpr int carKinds = 3;
inline constexpr double carQuadSize = 5;  // the car quad is 5 x 5 world units

// Draws the car of the kind (0 slow, 1 middle, 2 fast) centred on the
// painter's origin, in world units.
void DrawCar(const CPainter& painter, int kind);

}  // namespace assets
