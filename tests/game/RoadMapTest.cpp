#include <gtest/gtest.h>

#include "SeededStuff.h"
#include "game/RoadMap.h"
#include "tlib/ThrowsMessage.h"

namespace {

constexpr int west = 1, east = 2, north = 4, south = 8;

struct CellFlags {
  int column, row, flags;
};

void ExpectFlags(const CRoadMap& map, std::initializer_list<CellFlags> cells) {
  for (const CellFlags& cell : cells) {
    const CellExits exits = map.GetCell(cell.column, cell.row);
    EXPECT_EQ(cell.flags, exits.west | exits.east << 1 | exits.north << 2 | exits.south << 3)
        << "cell (" << cell.column << ", " << cell.row << ")";
  }
}

}  // namespace

TEST(RoadMap, SetLinksMirrorsEachFlagAndRejectsBadArgumentsChangingNothing) {
  for (int bad : {64, 0}) EXPECT_THROWS_MESSAGE(CRoadMap(65, bad), u"Invalid roadmap size");
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
  EXPECT_THROWS_MESSAGE(map.SetLinks(0, 5, 1, 1, 1, 1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(2, 2, 1, 1, 1, 2), u"Invalid arguments");
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

TEST(RoadMap, GeneratedMapsKeepTheirRingAndLeaveOddCellsEmpty) {
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
