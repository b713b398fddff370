// The game's icon for the desktop's menus and task bars: on a rounded square
// of the town's ground, a car held back by a road block while a frog hops
// away over the road.
#pragma once

#include "assets/Image.h"

namespace assets {

// The icon as a size x size picture, transparent around its rounded corners.
TranslucentImage DrawIcon(int size);

}  // namespace assets
