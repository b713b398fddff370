#include <gtest/gtest.h>

#include "ScriptedStuff.h"
#include "game/RoadMap.h"
#include "tlib/ThrowsMessage.h"

namespace {

// Flags as the simulator prints them: west 1, east 2, north 4, south 8.
int Flags(const CellExits& exits) {
  return exits.west | exits.east << 1 | exits.north << 2 | exits.south << 3;
}

int Flags(const CRoadMap& map, int column, int row) { return Flags(map.GetCell(column, row)); }

constexpr int west = 1, east = 2, north = 4, south = 8;

}  // namespace

TEST(RoadMap, AcceptsOnlyOddPositiveSizes) {
  EXPECT_NO_THROW(CRoadMap(65, 65));
  EXPECT_NO_THROW(CRoadMap(1, 1));
  for (int bad : {64, 0, -1}) {
    EXPECT_THROWS_MESSAGE(CRoadMap(bad, 65), u"Invalid roadmap size");
    EXPECT_THROWS_MESSAGE(CRoadMap(65, bad), u"Invalid roadmap size");
  }
  CRoadMap empty(3, 5);
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 3; ++column) EXPECT_EQ(0, Flags(empty, column, row));
  }
}

TEST(RoadMap, RejectsCellsOutsideTheMapAndBadLinkValues) {
  CRoadMap map(65, 65);
  EXPECT_THROWS_MESSAGE(map.GetCell(65, 0), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.GetCell(0, -1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(-1, 0, 1, 1, 1, 1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(0, 65, 1, 1, 1, 1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(1, 1, 1, 1, 1, 2), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(0, 0, 2, -1, -1, -1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(1, 1, 1, -2, 1, 1), u"Invalid arguments");
  // A bad value late in the list changes none of the earlier flags either.
  EXPECT_EQ(0, Flags(map, 1, 1));
  EXPECT_EQ(0, Flags(map, 0, 1));
}

TEST(RoadMap, SetLinksMirrorsEachFlagOnTheNeighbourInsideTheMap) {
  CRoadMap map(5, 5);
  map.SetLinks(0, 0, 1, -1, -1, -1);  // no neighbour to the west
  EXPECT_EQ(west, Flags(map, 0, 0));
  EXPECT_EQ(0, Flags(map, 1, 0));

  map.SetLinks(2, 2, 1, 1, 1, 1);
  EXPECT_EQ(west | east | north | south, Flags(map, 2, 2));
  EXPECT_EQ(east, Flags(map, 1, 2));
  EXPECT_EQ(west, Flags(map, 3, 2));
  EXPECT_EQ(south, Flags(map, 2, 1));
  EXPECT_EQ(north, Flags(map, 2, 3));

  map.SetLinks(2, 2, -1, 0, -1, 0);
  EXPECT_EQ(west | north, Flags(map, 2, 2));
  EXPECT_EQ(0, Flags(map, 3, 2));
  EXPECT_EQ(0, Flags(map, 2, 3));
  EXPECT_EQ(east, Flags(map, 1, 2));
}

TEST(RoadMap, HorizontalRoadCutsTheRoadItEndsIn) {
  CRoadMap map(65, 65);
  map.LayHorizontalRoad(0, 32, 0);
  map.LayHorizontalRoad(0, 2, 5);  // columns 10..14 of row 0
  EXPECT_EQ(west, Flags(map, 9, 0));
  EXPECT_EQ(east, Flags(map, 10, 0));
  EXPECT_EQ(west | east, Flags(map, 12, 0));
  EXPECT_EQ(west, Flags(map, 14, 0));
  EXPECT_EQ(east, Flags(map, 15, 0));
  EXPECT_EQ(east, Flags(map, 0, 0));
  EXPECT_EQ(west, Flags(map, 64, 0));
}

TEST(RoadMap, VerticalRoadKeepsTheLinksBeyondItsEnds) {
  CRoadMap map(65, 65);
  map.SetLinks(10, 6, -1, -1, 1, -1);
  map.SetLinks(10, 12, -1, -1, -1, 1);
  map.LayVerticalRoad(5, 3, 3);  // rows 6..12 of column 10
  EXPECT_EQ(south, Flags(map, 10, 5));
  EXPECT_EQ(north | south, Flags(map, 10, 6));
  EXPECT_EQ(north | south, Flags(map, 10, 9));
  EXPECT_EQ(north | south, Flags(map, 10, 12));
  EXPECT_EQ(north, Flags(map, 10, 13));
  EXPECT_EQ(0, Flags(map, 10, 14));
}

TEST(RoadMap, RandomRoadDrawsDirectionLineLengthThenStart) {
  CRoadMap map(65, 65);
  CScriptedStuff stuff;
  stuff.Plan({1, 3, 4, 7});  // horizontal, row 6, 9 cells from column 14
  map.LayRandomRoad(stuff, 1, 5);
  ASSERT_EQ(4u, stuff.Draws().size());
  const int ranges[4][2] = {{0, 1}, {0, 32}, {1, 5}, {0, 28}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(ranges[i][0], stuff.Draws()[i].min) << i;
    EXPECT_EQ(ranges[i][1], stuff.Draws()[i].max) << i;
  }
  EXPECT_EQ(0, Flags(map, 13, 6));
  EXPECT_EQ(east, Flags(map, 14, 6));
  EXPECT_EQ(west, Flags(map, 22, 6));

  stuff.Plan({0, 32, 32, 1});  // vertical over column 64, the whole height: no start drawn
  map.LayRandomRoad(stuff, 24, 32);
  EXPECT_EQ(7u, stuff.Draws().size());
  EXPECT_EQ(south, Flags(map, 64, 0));
  EXPECT_EQ(north | south, Flags(map, 64, 32));
  EXPECT_EQ(1, stuff.PlannedLeft());  // the 1 is left for the next road
}

TEST(RoadMap, GenerationDrawsRoadAfterRoadInItsOrder) {
  CScriptedStuff stuff(20240607);
  CRoadMap map(65, 65);
  map.Generate(stuff);

  // Lay the same roads by hand from the recorded draws.
  CRoadMap expected(65, 65);
  expected.LayHorizontalRoad(0, 32, 0);
  expected.LayHorizontalRoad(32, 32, 0);
  expected.LayVerticalRoad(0, 32, 0);
  expected.LayVerticalRoad(32, 32, 0);
  const auto& draws = stuff.Draws();
  std::size_t next = 0;
  auto take = [&](int min, int max) {
    EXPECT_LT(next, draws.size());
    if (next >= draws.size()) return min;
    const CScriptedStuff::Draw& draw = draws[next++];
    EXPECT_FALSE(draw.real);
    EXPECT_EQ(min, draw.min) << "draw " << next - 1;
    EXPECT_EQ(max, draw.max) << "draw " << next - 1;
    return static_cast<int>(draw.value);
  };
  const int groups[3][3] = {{12, 24, 32}, {20, 8, 12}, {24, 1, 5}};
  for (const auto& group : groups) {
    for (int i = 0; i < group[0]; ++i) {
      const int horizontal = take(0, 1);
      const int line = take(0, 32);
      const int length = take(group[1], group[2]);
      const int start = length == 32 ? 0 : take(0, 32 - length);
      if (horizontal) {
        expected.LayHorizontalRoad(line, length, start);
      } else {
        expected.LayVerticalRoad(line, length, start);
      }
    }
  }
  EXPECT_EQ(draws.size(), next);
  for (int row = 0; row < 65; ++row) {
    for (int column = 0; column < 65; ++column) {
      ASSERT_EQ(Flags(expected, column, row), Flags(map, column, row)) << column << ", " << row;
    }
  }
}

TEST(RoadMap, GeneratedMapsKeepTheirCornersAndLeaveOddCellsEmpty) {
  for (std::uint32_t seed : {0u, 1u, 2u, 77u, 1700000000u}) {
    CScriptedStuff stuff(seed);
    CRoadMap map(65, 65);
    map.Generate(stuff);
    EXPECT_EQ(east | south, Flags(map, 0, 0)) << seed;
    EXPECT_EQ(west | north, Flags(map, 64, 64)) << seed;
    for (int row = 0; row < 65; ++row) {
      // The side columns of the ring are never cut.
      EXPECT_TRUE(map.GetCell(0, row).north || row == 0) << seed;
      EXPECT_TRUE(map.GetCell(64, row).south || row == 64) << seed;
    }
    for (int row = 1; row < 65; row += 2) {
      for (int column = 1; column < 65; column += 2) {
        ASSERT_EQ(0, Flags(map, column, row)) << seed;
      }
    }
  }
}

TEST(RoadMap, RandomRoadCellDrawsOnlyEvenRowsInOddColumns) {
  CRoadMap map(65, 65);
  map.LayHorizontalRoad(5, 1, 3);  // row 10, columns 6..8
  CScriptedStuff stuff;
  // Column 1 row 2 is no road; column 7 draws a half row; column 8 row 9 is no road.
  stuff.Plan({1, 1, 8, 9, 7, 5});
  const RoadCell cell = map.FindRandomRoadCell(stuff);
  EXPECT_EQ(7, cell.column);
  EXPECT_EQ(10, cell.row);
  EXPECT_EQ(west | east, Flags(cell.exits));
  ASSERT_EQ(6u, stuff.Draws().size());
  EXPECT_EQ(32, stuff.Draws()[1].max);
  EXPECT_EQ(64, stuff.Draws()[3].max);
  EXPECT_EQ(32, stuff.Draws()[5].max);
}
