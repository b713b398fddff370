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

}  // namespace

TEST(CarSteering, ExitChoiceCountsOpenExitsEastSouthWestNorth) {
  CGameScenario scenario({}, {});
  CGame& game = scenario.Game();
  CScriptedStuff& stuff = scenario.Stuff();
  const CellExits westNorthSouth{1, 0, 1, 1};
  stuff.Plan({0, 1, 2});
  EXPECT_EQ(South, game.ChooseExit(westNorthSouth));
  EXPECT_EQ(West, game.ChooseExit(westNorthSouth));
  EXPECT_EQ(North, game.ChooseExit(westNorthSouth));
  EXPECT_EQ(2, stuff.Draws().back().max);

  const std::size_t before = stuff.Draws().size();
  EXPECT_EQ(East, game.ChooseExit(CellExits{0, 1, 0, 0}));
  ASSERT_EQ(before + 1, stuff.Draws().size());  // one draw even for a single exit
  EXPECT_EQ(0, stuff.Draws().back().max);

  EXPECT_THROWS_MESSAGE(game.ChooseExit(CellExits{}), u"Invalid random arguments");
  EXPECT_EQ(before + 1, stuff.Draws().size());
}

TEST(CarSteering, StraightRoadCarsDriveOnAndTurnBackOnlyAtADeadEnd) {
  // Westbound, so that keeping the way back open would make the lowest draw
  // (the east exit) turn the car around.
  CGameScenario scenario({rowRoad}, {{0, 28, 26, 1}});
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Tick();  // leaves (28, 26)
  for (int column = 27; column >= 24; --column) {
    scenario.Ticks(19);
    ExpectStandingOn(car, column, 26);
    scenario.Tick();
    EXPECT_TRUE(car.IsMoving());
    if (column > 24) {
      EXPECT_EQ(pi, car.Heading()) << column;
      EXPECT_EQ(Centre(column - 1), car.ToX());
    }
  }
  // Column 24 is a dead end: the only way is back.
  EXPECT_EQ(0.0, car.Heading());
  EXPECT_EQ(Centre(25), car.ToX());
  EXPECT_EQ(Centre(26), car.ToY());
}

TEST(CarSteering, JunctionDrawsAmongTheWaysOtherThanBack) {
  CGameScenario scenario({rowRoad, crossingRoad}, {eastboundCar});
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Ticks(40);
  ExpectStandingOn(car, 30, 26);
  CScriptedStuff& stuff = scenario.Stuff();
  const std::size_t before = stuff.Draws().size();
  stuff.Plan(1);  // east, south, north: the second is south
  scenario.Tick();
  EXPECT_EQ(2, stuff.Draws()[before].max);
  EXPECT_EQ(pi / 2, car.Heading());
  EXPECT_EQ(Centre(30), car.ToX());
  EXPECT_EQ(Centre(27), car.ToY());
}

TEST(CarSteering, BlockAheadTurnsTheCarBack) {
  CGameScenario scenario({rowRoad}, {eastboundCar});
  ASSERT_TRUE(scenario.ClickAt(30, 26));
  ASSERT_EQ(1, scenario.Game().RoadBlocks().Count());
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Ticks(19);
  ExpectStandingOn(car, 29, 26);
  scenario.Tick();
  EXPECT_EQ(pi, car.Heading());
  EXPECT_EQ(Centre(28), car.ToX());
}

TEST(CarSteering, BlockOnTheCarsOwnCellDoesNotHoldItBack) {
  CGameScenario scenario({rowRoad}, {eastboundCar});
  ASSERT_TRUE(scenario.ClickAt(29, 26));
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Ticks(20);
  EXPECT_EQ(0.0, car.Heading());
  EXPECT_EQ(Centre(30), car.ToX());
}

TEST(CarSteering, CarWaitsWhileEveryWayIsBlockedAndGoesWhenOneOpens) {
  CGameScenario scenario({rowRoad}, {eastboundCar});
  ASSERT_TRUE(scenario.ClickAt(30, 26));
  ASSERT_TRUE(scenario.ClickAt(28, 26));
  const CCar& car = scenario.Game().Cars().At(0);
  scenario.Ticks(18 + 50);
  ExpectStandingOn(car, 29, 26);
  EXPECT_EQ(0.0, car.Heading());

  scenario.Game().ToggleRoadBlock();  // the cursor is still on (28, 26)
  ASSERT_EQ(1, scenario.Game().RoadBlocks().Count());
  scenario.Tick();
  EXPECT_TRUE(car.IsMoving());
  EXPECT_EQ(pi, car.Heading());
  EXPECT_EQ(Centre(28), car.ToX());
}
