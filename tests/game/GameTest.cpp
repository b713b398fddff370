#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameScenario.h"

using Sounds = std::vector<std::string>;

TEST(GameWaves, TwentyFrogsComeInTicks1_42_83_124And165) {
  CGameScenario scenario;
  int ticksRun = 0;
  const int frogsAfterTick[][2] = {{1, 20},  {41, 20},  {42, 40},   {82, 40},
                                   {83, 60}, {124, 80}, {165, 100}, {400, 100}};
  for (const auto& [tick, frogs] : frogsAfterTick) {
    scenario.Ticks(tick - ticksRun);
    ticksRun = tick;
    EXPECT_EQ(frogs, scenario.Game().Frogs().Count()) << "after tick " << tick;
  }
}

// A frog comes out in tick 1 and hops from tick 2: a 20-tick jump a third of a
// unit on per tick, highest halfway, then a 10-tick rest, then the next jump.
TEST(GameFrogs, JumpPeaksHalfwayLandsRestsAndJumpsAgain) {
  CGameScenario scenario;
  scenario.Ticks();
  const CFrog& frog = scenario.Game().Frogs().At(0);
  scenario.Ticks(10);
  EXPECT_DOUBLE_EQ(10.0, frog.Z());
  scenario.Ticks(10);
  EXPECT_EQ(0.0, frog.Z());
  EXPECT_NEAR(20.0 / 3, frog.X(), 1e-12);
  scenario.Ticks(11);
  EXPECT_NEAR(21.0 / 3, frog.X(), 1e-12);
}

TEST(GameFrogs, FrogsBeyondAnyEdgeAreSavedBeforeTheyMoveAndTheLastOneEndsTheGame) {
  CGameScenario scenario;
  scenario.Stuff().Plan({0});  // the jump sound's delay, then one frog along each axis
  for (double direction : {0.0, 0.25, 0.5, 0.75}) scenario.Stuff().Plan({direction, 10, 20});
  const CGame& game = scenario.Game();
  scenario.Ticks();
  double lastX = 0;
  for (int tick = 0; tick < 2000 && game.SavedCount() == 0 && game.Frogs().Count() > 0; ++tick) {
    lastX = game.Frogs().At(0).X();
    scenario.Ticks();
  }
  // Along each axis the first wave leaves together, in the frog step after it
  // passed 280.
  EXPECT_GT(lastX, 280.0);
  EXPECT_LE(lastX, 280.0 + 1.0 / 3 + 1e-9);
  EXPECT_EQ(20, game.SavedCount());
  EXPECT_FALSE(scenario.Host().Result().has_value());
  for (int tick = 0; !scenario.Host().Result() && tick < 5000; ++tick) scenario.Ticks();
  ASSERT_TRUE(scenario.Host().Result().has_value());
  EXPECT_EQ(100, scenario.Host().Result()->saved);
  EXPECT_EQ(0, scenario.Host().Result()->splatted);
  EXPECT_EQ(1, scenario.Host().ResultReports());
}

TEST(GameFrogs, CarsStandingOnTheCentreSplatAWholeWaveWithOneSoundAndEndTheGame) {
  CGameScenario scenario({}, {{32, 32, East}, {32, 32, West}});
  scenario.Ticks();
  EXPECT_EQ(Sounds({"Jump", "Splat"}), scenario.Host().PlayedSounds());
  ASSERT_TRUE(scenario.Host().Result().has_value());
  EXPECT_EQ(0, scenario.Host().Result()->saved);
  EXPECT_EQ(20, scenario.Host().Result()->splatted);
}

// A frog is a 2 x 2 square, a car a 5 x 5 one. Five frogs hop towards each
// side of a car that stands a cell away from the centre (on open ground, with
// no way to go), so that each side is met in the jump tick that first brings
// a frog within 3.5 of the car's centre.
TEST(GameFrogs, FrogsAreSplattedWhenTheirSquareFirstOverlapsAnySideOfACar) {
  CGameScenario scenario({}, {{33, 32, West}, {32, 33, West}, {31, 32, West}, {32, 31, West}});
  scenario.Stuff().Plan({0});
  for (int frog = 0; frog < 20; ++frog) scenario.Stuff().Plan({frog % 4 / 4.0, 10, 20});
  scenario.Ticks(14);  // 13 jump ticks: 4.33 from the centre, 3.67 from the car
  EXPECT_EQ(0, scenario.Game().SplattedCount());
  scenario.Ticks();  // 14 jump ticks: 4.67 from the centre, high in the air
  EXPECT_EQ(20, scenario.Game().SplattedCount());
  EXPECT_EQ(Sounds{"Splat"}, scenario.Host().PlayedSounds());
}

TEST(GameSounds, JumpSoundStartsTheGameAndRecursWithTheNumberOfFrogs) {
  CGameScenario scenario;
  scenario.Stuff().Plan({5});  // put off by 75 frog-ticks
  scenario.Ticks();
  EXPECT_EQ(Sounds{"Jump"}, scenario.Host().PlayedSounds());
  // 20 frogs until tick 42, then 40: the meter climbs from -75 past 1000 in
  // tick 49.
  for (int tick = 2; tick <= 49; ++tick) {
    scenario.Ticks();
    ASSERT_EQ(tick == 49, !scenario.Host().PlayedSounds().empty()) << tick;
  }
}

TEST(GameCamera, ScrollsFasterTheCloserTheMouseIsToAnEdge) {
  CGameScenario scenario;
  const CGame& game = scenario.Game();
  const struct {
    int x, y;
    double dx, dy;
  } cases[] = {
      {49, 384, -1, 0}, {982, 39, 0, -1}, {983, 734, 1, 0}, {512, 735, 0, 1}, {-40, 2000, -5, 5}};
  for (const auto& c : cases) {
    const double x = game.CameraX(), y = game.CameraY();
    scenario.SetMouse(c.x, c.y);
    scenario.Ticks();
    EXPECT_EQ(x + c.dx, game.CameraX()) << c.x << ", " << c.y;
    EXPECT_EQ(y + c.dy, game.CameraY()) << c.x << ", " << c.y;
  }
}

// Held, the zoom settles where a step out and the 7% easing back balance.
TEST(GameCamera, ZoomEasesBackToRest) {
  CGameScenario scenario;
  CGame& game = scenario.Game();
  game.ZoomOut();
  for (int tick = 0; tick < 200; ++tick) {
    game.ZoomOut();
    scenario.Ticks();
  }
  EXPECT_NEAR(55 * 0.93 / 0.07, game.Zoom(), 0.1);
  int ticks = 0;
  for (; game.Zoom() > 200 && ticks < 100; ++ticks) scenario.Ticks();
  EXPECT_EQ(200.0, game.Zoom());
  EXPECT_EQ(18, ticks);
}
