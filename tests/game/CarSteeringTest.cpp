#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "GameScenario.h"

namespace {

using Cells = std::vector<std::pair<int, int>>;

// The cells the first car sets out for during the next `ticks` ticks, in order.
Cells Route(CGameScenario& scenario, int ticks) {
  Cells route;
  for (int tick = 0; tick < ticks; ++tick) {
    scenario.Ticks();
    const CCar& car = scenario.Game().Cars().At(0);
    if (car.IsMoving() && car.Step() == 1) {
      route.emplace_back(CRoadMap::IndexOf(car.ToX()), CRoadMap::IndexOf(car.ToY()));
    }
  }
  return route;
}

}  // namespace

// Westbound, so that keeping the way back open would make the lowest draw
// (the east exit) turn the car around.
TEST(CarSteering, CarsDriveStraightOnAndTurnBackOnlyAtADeadEnd) {
  CGameScenario scenario(crossroads, {{27, 26, West, 2}});
  EXPECT_EQ((Cells{{26, 26}, {25, 26}, {24, 26}, {25, 26}}), Route(scenario, 7));
}

// The draw counts the open ways east, south, west, north.
TEST(CarSteering, AtAJunctionTheDrawPicksAmongTheWaysOtherThanBack) {
  for (const auto& [draw, turn] : {std::pair{0.0, Cells{{31, 26}}},
                                   {1.0, Cells{{30, 27}}},
                                   {CScriptedStuff::highest, Cells{{30, 25}}}}) {
    CGameScenario scenario(crossroads, {{28, 26, East, 2}});
    EXPECT_EQ((Cells{{29, 26}, {30, 26}}), Route(scenario, 4));
    scenario.Stuff().Plan({draw});
    EXPECT_EQ(turn, Route(scenario, 1)) << draw;
  }
}

// A block may go on the cell a car is entering: it drives in, and then waits
// while both ways out are blocked.
TEST(CarSteering, CarWaitsWhileEveryWayIsBlockedAndGoesWhenOneOpens) {
  CGameScenario scenario(crossroads, {{26, 26, East}});
  for (int column : {27, 28, 26}) ASSERT_TRUE(scenario.ClickAt(column, 26));
  EXPECT_EQ(Cells{}, Route(scenario, 100));
  EXPECT_EQ(CRoadMap::CentreOf(27), scenario.Game().Cars().At(0).X());
  scenario.Game().ToggleRoadBlock();  // the cursor is still on (26, 26)
  EXPECT_EQ((Cells{{26, 26}}), Route(scenario, 1));
}
