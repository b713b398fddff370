#include <gtest/gtest.h>

#include "GameScenario.h"
#include "game/Game.h"
#include "tlib/ThrowsMessage.h"

namespace {

// Car 0 (kind 0, 20 ticks a cell) starts on (28, 26) heading east.
constexpr PlannedCar eastboundCar{0, 28, 26, 0};

void ExpectStandingOn(const CCar& car, int column, int row) {
  EXPECT_FALSE(car.IsMoving());
  EXPECT_EQ(Centre(column), car.X());
  EXPECT_EQ(Centre(row), car.Y());
}

void ExpectHeadingFor(const CCar& car, double heading, int column, int row) {
  EXPECT_TRUE(car.IsMoving());
  EXPECT_EQ(heading, car.Heading());
  EXPECT_EQ(Centre(column), car.ToX());
  EXPECT_EQ(Centre(row), car.ToY());
}

}  // namespace

TEST(CarSteering, ExitChoiceCountsOpenExitsEastSouthWestNorth) {
  CGameScenario scenario({}, {});
  CGame& game = scenario.Game();
  CScriptedStuff& stuff = scenario.Stuff();
  const std::size_t before = stuff.Draws().size();
  const CellExits westNorthSouth{1, 0, 1, 1};
  stuff.Plan({0, 1, 2});
  EXPECT_EQ(South, game.ChooseExit(westNorthSouth));
  EXPECT_EQ(West, game.ChooseExit(westNorthSouth));
  EXPECT_EQ(North, game.ChooseExit(westNorthSouth));
  EXPECT_EQ(East, game.ChooseExit(CellExits{0, 1, 0, 0}));  // one draw even for one exit
  EXPECT_THROWS_MESSAGE(game.ChooseExit(CellExits{}), u"Invalid random arguments");
  const std::vector<std::pair<int, int>> ranges = {{0, 2}, {0, 2}, {0, 2}, {0, 0}};
  EXPECT_EQ(ranges, stuff.Ranges(before));
}

TEST(CarSteering, StraightRoadCarsDriveOnAndTurnBackOnlyAtADeadEnd) {
  // Westbound, so that keeping the way back open would make the lowest draw
  // (the east exit) turn the car around.
  CGameScenario scenario({rowRoad}, {{0, 28, 26, 1}});
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Tick();  // leaves (28, 26)
  for (int column = 27; column > 24; --column) {
    scenario.Ticks(19);
    ExpectStandingOn(car, column, 26);
    scenario.Tick();
    ExpectHeadingFor(car, pi, column - 1, 26);
  }
  scenario.Ticks(20);  // column 24 is a dead end: the only way is back
  ExpectHeadingFor(car, 0.0, 25, 26);
}

TEST(CarSteering, JunctionDrawsAmongTheWaysOtherThanBack) {
  CGameScenario scenario({rowRoad, crossingRoad}, {eastboundCar});
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Ticks(40);
  ExpectStandingOn(car, 30, 26);
  CScriptedStuff& stuff = scenario.Stuff();
  const std::size_t before = stuff.Draws().size();
  stuff.Plan({1});  // east, south, north: the second is south
  scenario.Tick();
  EXPECT_EQ(2, stuff.Draws()[before].max);
  ExpectHeadingFor(car, pi / 2, 30, 27);
}

TEST(CarSteering, BlockOnTheCarsOwnCellDoesNotHoldItBack) {
  CGameScenario scenario({rowRoad}, {eastboundCar});
  ASSERT_TRUE(scenario.ClickAt(29, 26));
  scenario.Ticks(20);
  ExpectHeadingFor(scenario.Game().Cars().At(0), 0.0, 30, 26);
}

// With the way ahead blocked the car may only turn back; with that blocked too it waits.
TEST(CarSteering, CarWaitsWhileEveryWayIsBlockedAndGoesWhenOneOpens) {
  CGameScenario scenario({rowRoad}, {eastboundCar});
  ASSERT_TRUE(scenario.ClickAt(30, 26));
  ASSERT_TRUE(scenario.ClickAt(28, 26));
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Ticks(18 + 50);
  ExpectStandingOn(car, 29, 26);
  scenario.Game().ToggleRoadBlock();  // the cursor is still on (28, 26)
  ASSERT_EQ(1, scenario.Game().RoadBlocks().Count());
  scenario.Tick();
  ExpectHeadingFor(car, pi, 28, 26);
}
