// Pictures for a person reviewing the art: a contact sheet of every picture,
// labelled, and a mock frame of the game at rest built from the textures and
// sprites the way the game draws them.
#pragma once

#include <vector>

#include "assets/Catalogue.h"

namespace assets {

// Every picture on a neutral background: sprites at their own size over the
// window's near-white and over the ground, textures at their size on screen
// and enlarged four times.
CImage DrawContactSheet(const std::vector<Picture>& pictures);

// A 1024 x 768 frame: ground, a few streets around a crossing, cars, frogs,
// road blocks, the counters and the cursor.
CImage DrawSceneMock(const std::vector<Picture>& pictures);

}  // namespace assets
