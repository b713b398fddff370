#include <gtest/gtest.h>

#include <string>

#include "GameScenario.h"
#include "ScriptedStuff.h"
#include "SimulationHost.h"
#include "game/Game.h"
#include "game/RoadMap.h"

using Sounds = std::vector<std::string>;

TEST(GameConstruction, SetsUpTheViewThenFetchesResourcesInOrderAfterAllDraws) {
  CScriptedStuff stuff(5);
  CSimulationHost host(stuff);
  const CGame game(&host);
  const Matrix4& projection = game.Projection();
  const double expected[4][4] = {{2, 0, 0, 0},
                                 {0, -2.6666666666666665, 0, 0},
                                 {0, 0, 1.0019569471624266, 1},
                                 {0, 0, -2.003913894324853, 1}};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(expected[row][column], projection[row][column]) << row << column;
    }
  }
  EXPECT_EQ(512, game.MouseX());
  EXPECT_EQ(384, game.MouseY());
  EXPECT_EQ(200.0, game.Zoom());
  EXPECT_FALSE(game.CursorValid());
  EXPECT_EQ(0, game.Frogs().Count());
  const std::vector<std::string> names = {
      "Cursor", "Frog",  "Jump",  "Road0", "Road1",     "Road2",     "Road3",
      "Road4",  "Road5", "Road6", "Road7", "Road8",     "Road9",     "Road10",
      "Car0",   "Car1",  "Car2",  "Splat", "RoadBlock", "FrogSaved", "FrogSplatted"};
  EXPECT_EQ(names, host.LoadedNames());
  EXPECT_TRUE(host.PlayedSounds().empty());
}

TEST(GameConstruction, PlacesEachCarByCellDrawsThenOneExitDraw) {
  CScriptedStuff mapOnly(99);
  CRoadMap map(65, 65);
  map.Generate(mapOnly);
  CScriptedStuff stuff(99);
  CSimulationHost host(stuff);
  const CGame game(&host);
  const auto& draws = stuff.Draws();
  std::size_t next = mapOnly.Draws().size();
  auto take = [&](int max) {
    if (next >= draws.size()) throw std::out_of_range("too few draws");
    EXPECT_EQ(max, draws[next].max) << "draw " << next;
    return static_cast<int>(draws[next++].value);
  };
  const int kinds[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2};
  const int ticksPerCell[3] = {20, 16, 7};
  ASSERT_EQ(16, game.Cars().Count());
  for (int index = 0; index < 16; ++index) {
    int column = 0, row = 0;
    do {
      column = take(64);
      row = column % 2 == 1 ? take(32) * 2 : take(64);
    } while (!map.GetCell(column, row).IsRoad());
    const CellExits exits = map.GetCell(column, row);
    const int exitIndex = take(exits.OpenCount() - 1);
    // The heading is the exitIndex-th open exit, counted east, south, west, north.
    const int open[4] = {exits.east, exits.south, exits.west, exits.north};
    int direction = 0;
    for (int seen = -1; direction < 4; ++direction) {
      if (open[direction] && ++seen == exitIndex) break;
    }
    const CCar& car = game.Cars().At(index);
    EXPECT_EQ(Centre(column), car.X()) << index;
    EXPECT_EQ(Centre(row), car.Y()) << index;
    EXPECT_EQ(direction * halfPi, car.Heading()) << index;
    EXPECT_EQ(kinds[index], car.Kind());
    EXPECT_EQ(ticksPerCell[kinds[index]], car.TicksPerCell()) << index;
  }
  EXPECT_EQ(draws.size(), next);
}

TEST(GameWaves, ReleaseTwentyFrogsEveryFortyOneTicksFiveTimes) {
  CGameScenario scenario({}, {});
  const CGame& game = scenario.Game();
  for (int wave = 1; wave <= 5; ++wave) {  // in ticks 1, 42, 83, 124 and 165
    if (wave > 1) {
      scenario.Ticks(40);
      EXPECT_EQ(0, game.WaveDelay());
    }
    EXPECT_EQ(wave - 1, game.WaveCount());
    scenario.Tick();
    EXPECT_EQ(wave, game.WaveCount());
    EXPECT_EQ(40, game.WaveDelay());
    EXPECT_EQ(20 * wave, game.Frogs().Count());
  }
  scenario.Ticks(200);
  EXPECT_EQ(5, game.WaveCount());
  EXPECT_EQ(100, game.Frogs().Count());
}

TEST(GameWaves, EachNewFrogDrawsItsDirectionThenItsRestThenItsJump) {
  CGameScenario scenario({}, {});
  CScriptedStuff& stuff = scenario.Stuff();
  const std::size_t before = stuff.Draws().size();
  stuff.Plan({0, 0.25, 12, 23, 0.5, 15, 25});
  scenario.Tick();
  const auto ranges = stuff.Ranges(before);
  ASSERT_EQ(1u + 20 * 3 + 16, ranges.size());
  EXPECT_EQ(std::make_pair(0, 5), ranges[0]);  // the jump-sound delay comes first
  for (int frog = 0; frog < 20; ++frog) {
    EXPECT_TRUE(stuff.Draws()[before + 1 + 3 * frog].real);
    EXPECT_EQ(std::make_pair(10, 15), ranges[2 + 3 * frog]);
    EXPECT_EQ(std::make_pair(20, 25), ranges[3 + 3 * frog]);
  }
  const CFrog& first = scenario.Game().Frogs().At(0);
  EXPECT_EQ(0.5 * pi, first.Angle());
  EXPECT_EQ(12, first.RestTicks());
  EXPECT_EQ(23, first.JumpTicks());
  EXPECT_EQ(pi, scenario.Game().Frogs().At(1).Angle());
  scenario.Tick();
  EXPECT_NEAR(1.0 / 3, first.Y(), 1e-12);
}

TEST(GameFrogs, IdleFrogsJumpAgainInTheTickAfterTheRestLastFrogFirst) {
  CGameScenario scenario({}, {});
  const CGame& game = scenario.Game();
  scenario.Ticks(31);  // tick 21: the 20-tick jump lands; tick 31: the 10-tick rest ends
  const CFrog& frog = game.Frogs().At(0);
  EXPECT_EQ(FrogState::Idle, frog.State());
  CScriptedStuff& stuff = scenario.Stuff();
  const std::size_t before = stuff.Draws().size();
  stuff.Plan({12, 23});
  scenario.Tick();
  EXPECT_EQ(FrogState::Jumping, frog.State());
  EXPECT_EQ(1, frog.Tick());
  const auto ranges = stuff.Ranges(before);
  ASSERT_GE(ranges.size(), 40u);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(i % 2 ? 20 : 10, ranges[i].first) << i;
  EXPECT_EQ(23, game.Frogs().At(19).JumpTicks());
  EXPECT_EQ(12, game.Frogs().At(19).RestTicks());
}

TEST(GameFrogs, FrogsBeyondTheEdgeAreSavedBeforeTheyMoveAndTheGameEnds) {
  CGameScenario scenario({}, {});
  const CGame& game = scenario.Game();
  double lastX = 0;
  for (int tick = 0; game.SavedCount() == 0 && tick < 5000; ++tick) {
    lastX = game.Frogs().Count() > 0 ? game.Frogs().At(0).X() : 0;
    scenario.Tick();
  }
  // The first wave leaves together, in the frog step after it passed x = 280.
  EXPECT_GT(lastX, 280.0);
  EXPECT_LE(lastX, 280.0 + 1.0 / 3 + 1e-9);
  EXPECT_EQ(20, game.SavedCount());
  EXPECT_EQ(80, game.Frogs().Count());
  EXPECT_FALSE(scenario.Host().Result().has_value());
  for (int tick = 0; !scenario.Host().Result() && tick < 5000; ++tick) scenario.Tick();
  ASSERT_TRUE(scenario.Host().Result().has_value());
  EXPECT_EQ(100, scenario.Host().Result()->saved);
  EXPECT_EQ(0, scenario.Host().Result()->splatted);
  EXPECT_EQ(1, scenario.Host().ResultReports());
}

TEST(GameFrogs, CarsOnTheCentreSplatAWholeWaveWithOneSoundAndEndTheGame) {
  // Two cars leave the centre cell in the first tick, one south and one north.
  CGameScenario scenario({centreRoad}, {{0, 32, 32, 0}, {1, 32, 32, 1}});
  scenario.Tick();
  EXPECT_EQ(20, scenario.Game().SplattedCount());
  EXPECT_EQ(Sounds({"Jump", "Splat"}), scenario.Host().PlayedSounds());
  ASSERT_TRUE(scenario.Host().Result().has_value());
  EXPECT_EQ(0, scenario.Host().Result()->saved);
  EXPECT_EQ(20, scenario.Host().Result()->splatted);
}

TEST(GameSounds, JumpSoundStartsTheGameAndRecursWithTheNumberOfFrogs) {
  CGameScenario scenario({}, {});
  scenario.Stuff().Plan({5});  // put off by 75 frog-ticks
  scenario.Tick();
  EXPECT_EQ(Sounds{"Jump"}, scenario.Host().PlayedSounds());
  // 20 frogs until tick 42, then 40: the meter goes from -75 past 1000 in tick 49.
  for (int tick = 2; tick < 49; ++tick) {
    scenario.Tick();
    ASSERT_TRUE(scenario.Host().PlayedSounds().empty()) << tick;
  }
  scenario.Tick();
  EXPECT_EQ(Sounds{"Jump"}, scenario.Host().PlayedSounds());
}

TEST(GameCamera, ScrollsFasterTheCloserTheMouseIsToAnEdge) {
  CGameScenario scenario({}, {});
  const CGame& game = scenario.Game();
  struct Case {
    int x, y;
    double dx, dy;
  };
  const Case cases[] = {{0, 384, -5, 0},   {49, 384, -1, 0}, {980, 384, 0, 0},
                        {1023, 767, 5, 5}, {512, 0, 0, -5},  {512, 39, 0, -1},
                        {512, 734, 0, 0},  {512, 735, 0, 1}, {-40, 2000, -5, 5}};
  for (const Case& c : cases) {
    const double x = game.CameraX(), y = game.CameraY();
    scenario.SetMouse(c.x, c.y);
    scenario.Tick();
    EXPECT_EQ(x + c.dx, game.CameraX()) << c.x << ", " << c.y;
    EXPECT_EQ(y + c.dy, game.CameraY()) << c.x << ", " << c.y;
  }
}

TEST(GameCamera, ZoomEasesBackToRest) {
  CGameScenario scenario({}, {});
  CGame& game = scenario.Game();
  game.ZoomOut();
  EXPECT_EQ(255.0, game.Zoom());
  scenario.Tick();
  EXPECT_DOUBLE_EQ(237.15, game.Zoom());
  for (int tick = 0; tick < 200; ++tick) {
    game.ZoomOut();
    scenario.Tick();
  }
  EXPECT_NEAR(730.7, game.Zoom(), 0.1);
  int ticks = 0;
  for (; game.Zoom() > 200 && ticks < 100; ++ticks) scenario.Tick();
  EXPECT_EQ(200.0, game.Zoom());
  EXPECT_EQ(18, ticks);
}
