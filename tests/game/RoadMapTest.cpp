#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SeededStuff.h"
#include "game/RoadMap.h"
#include "tlib/ThrowsMessage.h"

namespace {

// The links of the cells from (column, row) on, one hex digit a cell: west 1,
// east 2, north 4, south 8.
void ExpectLinks(const CRoadMap& map, int column, int row, const std::vector<std::string>& rows) {
  for (std::size_t y = 0; y < rows.size(); ++y) {
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      const CellExits exits = map.GetCell(column + int(x), row + int(y));
      EXPECT_EQ(std::stoi(rows[y].substr(x, 1), nullptr, 16),
                exits.west | exits.east << 1 | exits.north << 2 | exits.south << 3)
          << "cell (" << column + x << ", " << row + y << ")";
    }
  }
}

}  // namespace

TEST(RoadMap, SetLinksMirrorsEachFlagAndRejectsBadArgumentsChangingNothing) {
  for (int bad : {64, 0}) EXPECT_THROWS_MESSAGE(CRoadMap(65, bad), u"Invalid roadmap size");
  CRoadMap map(5, 5);
  map.SetLinks(0, 0, 1, -1, -1, -1);  // no neighbour to the west
  map.SetLinks(3, 4, -1, 1, -1, 1);   // nor to the south, but one to the east
  map.SetLinks(2, 2, 1, 1, 1, 1);
  ExpectLinks(map, 0, 0, {"10000", "00800", "02F10", "00400", "000A1"});
  map.SetLinks(2, 2, -1, 0, -1, 0);
  EXPECT_THROWS_MESSAGE(map.GetCell(5, 0), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(0, 5, 1, 1, 1, 1), u"Invalid arguments");
  EXPECT_THROWS_MESSAGE(map.SetLinks(2, 2, 1, 1, 1, 2), u"Invalid arguments");
  ExpectLinks(map, 0, 0, {"10000", "00800", "02500", "00000", "000A1"});
}

TEST(RoadMap, HorizontalRoadsCutTheirEndsVerticalRoadsDoNot) {
  CRoadMap map(65, 65);
  map.LayHorizontalRoad(0, 32, 0);
  map.LayHorizontalRoad(0, 2, 5);  // columns 10..14 of row 0
  ExpectLinks(map, 0, 0, {"2333333331233312"});
  ExpectLinks(map, 63, 0, {"31"});
  map.SetLinks(10, 6, -1, -1, 1, -1);
  map.SetLinks(10, 12, -1, -1, -1, 1);
  map.LayVerticalRoad(5, 3, 3);  // rows 6..12 of column 10
  ExpectLinks(map, 10, 5, {"8", "C", "C", "C", "C", "C", "C", "C", "4", "0"});
}

TEST(RoadMap, GeneratedMapsKeepTheirRingAndLeaveOddCellsEmpty) {
  for (std::uint32_t seed : {0u, 1u, 77u, 1700000000u}) {
    CSeededStuff stuff(seed);
    CRoadMap map(65, 65);
    map.Generate(stuff);
    ExpectLinks(map, 0, 0, {"A"});
    ExpectLinks(map, 64, 64, {"5"});
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
