#include <gtest/gtest.h>

#include "ScriptedStuff.h"
#include "SeededStuff.h"
#include "game/RoadMap.h"
#include "tlib/ThrowsMessage.h"

namespace {

constexpr int west = 1, east = 2, north = 4, south = 8;

// Flags as the simulator prints them: west 1, east 2, north 4, south 8.
int Flags(const CellExits& exits) {
  return exits.west | exits.east << 1 | exits.north << 2 | exits.south << 3;
}

struct CellFlags {
  int column, row, flags;
};

void ExpectFlags(const CRoadMap& map, std::initializer_list<CellFlags> cells) {
  for (const CellFlags& cell : cells) {
    EXPECT_EQ(cell.flags, Flags(map.GetCell(cell.column, cell.row)))
        << "cell (" << cell.column << ", " << cell.row << ")";
  }
}

}  // namespace

TEST(RoadMap, SetLinksMirrorsEachFlagAndRejectsBadArgumentsChangingNothing) {
  for (int bad : {64, 0, -1}) EXPECT_THROWS_MESSAGE(CRoadMap(65, bad), u"Invalid roadmap size");
  EXPECT_THROWS_MESSAGE(CRoadMap(64, 65), u"Invalid roadmap size");
  CRoadMap map(5, 5);
  map.SetLinks(0, 0, 1, -1, -1, -1);  // no neighbour to the west
  map.SetLinks(3, 4, -1, 1, -1, 1);   // nor to the south, but one to the east
  map.SetLinks(2, 2, 1, 1, 1, 1);
  ExpectFlags(map, {{0, 0, west},
                    {1, 0, 0},
                    {3, 4, east | south},
                    {4, 4, west},
                    {2, 2, west | east | north | south},
                    {1, 2, east},
                    {3, 2, west},
                    {2, 1, south},
                    {2, 3, north}});
  map.SetLinks(2, 2, -1, 0, -1, 0);
  EXPECT_THROWS_MESSAGE(map.GetCell(5, 0), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.GetCell(0, -1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(0, 5, 1, 1, 1, 1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(2, 2, 1, 1, 1, 2), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(2, 2, 1, -2, 1, 1), u"Invalid arguments");
  ExpectFlags(map, {{2, 2, west | north}, {3, 2, 0}, {2, 3, 0}, {1, 2, east}, {2, 1, south}});
}

TEST(RoadMap, HorizontalRoadsCutTheirEndsVerticalRoadsDoNot) {
  CRoadMap map(65, 65);
  map.LayHorizontalRoad(0, 32, 0);
  map.LayHorizontalRoad(0, 2, 5);  // columns 10..14 of row 0
  ExpectFlags(map, {{0, 0, east},
                    {9, 0, west},
                    {10, 0, east},
                    {12, 0, west | east},
                    {14, 0, west},
                    {15, 0, east},
                    {64, 0, west}});

  map.SetLinks(10, 6, -1, -1, 1, -1);
  map.SetLinks(10, 12, -1, -1, -1, 1);
  map.LayVerticalRoad(5, 3, 3);  // rows 6..12 of column 10
  ExpectFlags(map, {{10, 5, south},
                    {10, 6, north | south},
                    {10, 9, north | south},
                    {10, 12, north | south},
                    {10, 13, north},
                    {10, 14, 0}});
}

TEST(RoadMap, RandomRoadOverTheWholeMapDrawsNoStart) {
  CRoadMap map(65, 65);
  CScriptedStuff stuff;
  stuff.Plan({0, 32, 32, 1});  // vertical over column 64, the whole height
  map.LayRandomRoad(stuff, 24, 32);
  EXPECT_EQ(1, stuff.PlannedLeft());
  ExpectFlags(map, {{64, 0, south}, {64, 32, north | south}, {64, 64, north}});
}

TEST(RoadMap, GeneratedMapsKeepTheirCornersAndLeaveOddCellsEmpty) {
  for (std::uint32_t seed : {0u, 1u, 77u, 1700000000u}) {
    CSeededStuff stuff(seed);
    CRoadMap map(65, 65);
    map.Generate(stuff);
    ExpectFlags(map, {{0, 0, east | south}, {64, 64, west | north}});
    for (int row = 1; row < 65; ++row) {  // the side columns of the ring are never cut
      ASSERT_TRUE(map.GetCell(0, row).north && map.GetCell(64, row - 1).south) << seed;
    }
    for (int row = 1; row < 65; row += 2) {
      for (int column = 1; column < 65; column += 2) {
        ASSERT_FALSE(map.GetCell(column, row).IsRoad()) << seed;
      }
    }
  }
}

TEST(RoadMap, RandomRoadCellDrawsOnlyEvenRowsInOddColumns) {
  CRoadMap map(65, 65);
  map.LayHorizontalRoad(5, 1, 3);  // row 10, columns 6..8
  map.SetLinks(0, 0, -1, 1, -1, -1);
  CScriptedStuff stuff;
  // Column 1 row 2 is no road; column 8 row 9 is no road; column 7 draws a half row.
  stuff.Plan({1, 1, 8, 9, 7, 5});
  const RoadCell cell = map.FindRandomRoadCell(stuff);
  EXPECT_EQ(7, cell.column);
  EXPECT_EQ(10, cell.row);
  EXPECT_EQ(west | east, Flags(cell.exits));
  EXPECT_EQ(0, stuff.PlannedLeft());
}
