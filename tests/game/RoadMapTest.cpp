#include <gtest/gtest.h>

#include "ScriptedStuff.h"
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
  map.SetLinks(2, 2, 1, 1, 1, 1);
  ExpectFlags(map, {{0, 0, west},
                    {1, 0, 0},
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
  EXPECT_EQ(3u, stuff.Draws().size());
  ExpectFlags(map, {{64, 0, south}, {64, 32, north | south}, {64, 64, north}});
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
    if (next >= draws.size()) throw std::out_of_range("too few draws");
    const CScriptedStuff::Draw& draw = draws[next++];
    EXPECT_EQ(std::make_pair(min, max), std::make_pair(draw.min, draw.max)) << next - 1;
    return static_cast<int>(draw.value);
  };
  for (const auto& [roads, minLength, maxLength] :
       {std::tuple{12, 24, 32}, {20, 8, 12}, {24, 1, 5}}) {
    for (int i = 0; i < roads; ++i) {
      const int horizontal = take(0, 1), line = take(0, 32), length = take(minLength, maxLength);
      const int start = length == 32 ? 0 : take(0, 32 - length);
      if (horizontal) expected.LayHorizontalRoad(line, length, start);
      if (!horizontal) expected.LayVerticalRoad(line, length, start);
    }
  }
  EXPECT_EQ(draws.size(), next);
  for (int row = 0; row < 65; ++row) {
    for (int column = 0; column < 65; ++column) {
      ASSERT_EQ(Flags(expected.GetCell(column, row)), Flags(map.GetCell(column, row)))
          << column << ", " << row;
    }
  }
}

TEST(RoadMap, GeneratedMapsKeepTheirCornersAndLeaveOddCellsEmpty) {
  for (std::uint32_t seed : {0u, 1u, 77u, 1700000000u}) {
    CScriptedStuff stuff(seed);
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
  CScriptedStuff stuff;
  // Column 1 row 2 is no road; column 8 row 9 is no road; column 7 draws a half row.
  stuff.Plan({1, 1, 8, 9, 7, 5});
  const RoadCell cell = map.FindRandomRoadCell(stuff);
  EXPECT_EQ(7, cell.column);
  EXPECT_EQ(10, cell.row);
  EXPECT_EQ(west | east, Flags(cell.exits));
  const std::vector<std::pair<int, int>> ranges = {{0, 64}, {0, 32}, {0, 64},
                                                   {0, 64}, {0, 64}, {0, 32}};
  EXPECT_EQ(ranges, stuff.Ranges());
}
