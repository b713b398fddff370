#include <gtest/gtest.h>

#include "SeededStuff.h"
#include "SimulationHost.h"
#include "game/Game.h"
#include "tlib/ThrowsMessage.h"

namespace {

struct RoadCase {
  CellExits exits;  // west, east, north, south
  int texture;      // "Road%d"
};

// Every combination of links, with the tile that serves it: the crossing, the
// junctions named by the missing link, the bends, and the straights, which
// also serve the dead ends pointing their way.
const RoadCase roadCases[] = {
    {{1, 1, 1, 1}, 10}, {{0, 1, 1, 1}, 6}, {{1, 1, 1, 0}, 7}, {{1, 0, 1, 1}, 8}, {{1, 1, 0, 1}, 9},
    {{0, 1, 1, 0}, 2},  {{1, 0, 1, 0}, 3}, {{0, 1, 0, 1}, 4}, {{1, 0, 0, 1}, 5}, {{0, 0, 1, 1}, 0},
    {{0, 0, 1, 0}, 0},  {{0, 0, 0, 1}, 0}, {{1, 1, 0, 0}, 1}, {{1, 0, 0, 0}, 1}, {{0, 1, 0, 0}, 1},
};

TEST(RoadTexture, EveryLinkPatternGetsItsTile) {
  CSeededStuff random(1);
  CSimulationHost host(random);
  CGame game(&host);
  for (const RoadCase& road : roadCases) {
    EXPECT_EQ(host.LoadTexture(tlib::TString::Format(u"Road%d", road.texture)),
              game.RoadTextureFor(road.exits))
        << "Road" << road.texture << " for west " << int(road.exits.west) << ", east "
        << int(road.exits.east) << ", north " << int(road.exits.north) << ", south "
        << int(road.exits.south);
  }
  EXPECT_THROWS_MESSAGE(game.RoadTextureFor({0, 0, 0, 0}), u"Unknown road texture");
}

}  // namespace
