#include <gtest/gtest.h>

#include "SeededStuff.h"
#include "SimulationHost.h"
#include "game/Game.h"
#include "tlib/ThrowsMessage.h"

namespace {

// Every combination of links (west, east, north, south) with the tile "Road%d"
// that serves it: the crossing, the junctions named by the missing link, the
// bends, and the straights, which also serve the dead ends pointing their way.
TEST(RoadTexture, EveryLinkPatternGetsItsTile) {
  const std::pair<CellExits, int> roads[] = {
      {{1, 1, 1, 1}, 10}, {{0, 1, 1, 1}, 6}, {{1, 1, 1, 0}, 7}, {{1, 0, 1, 1}, 8},
      {{1, 1, 0, 1}, 9},  {{0, 1, 1, 0}, 2}, {{1, 0, 1, 0}, 3}, {{0, 1, 0, 1}, 4},
      {{1, 0, 0, 1}, 5},  {{0, 0, 1, 1}, 0}, {{0, 0, 1, 0}, 0}, {{0, 0, 0, 1}, 0},
      {{1, 1, 0, 0}, 1},  {{1, 0, 0, 0}, 1}, {{0, 1, 0, 0}, 1},
  };
  CSeededStuff random(1);
  CSimulationHost host(random);
  CGame game(&host);
  for (const auto& [exits, tile] : roads) {
    EXPECT_EQ(host.LoadTexture(tlib::TString::Format(u"Road%d", tile)), game.RoadTextureFor(exits))
        << "Road" << tile;
  }
  EXPECT_THROWS_MESSAGE(game.RoadTextureFor({0, 0, 0, 0}), u"Unknown road texture");
}

}  // namespace
