// The road tiles: one 8-unit road cell each, north up. Every tile shows its
// roads with the same cross-section where they leave the cell (grass verge,
// pavement, kerb, asphalt), so neighbouring tiles join without a seam, and
// the verge is the ground's own green.
#pragma once

#include <array>

#include "assets/Painter.h"

namespace assets {

struct RoadLinks {
  bool west = false;
  bool east = false;
  bool north = false;
  bool south = false;
};

inline constexpr double cellSize = 8;

// The links shown by the textures "Road0" to "Road10", in that order.
const std::array<RoadLinks, 11>& RoadTextureLinks();

// Draws the cell with its top-left corner at the painter's origin.
void DrawRoadCell(const CPainter& painter, RoadLinks links);

}  // namespace assets
