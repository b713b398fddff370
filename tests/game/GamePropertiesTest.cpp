// Rules that hold in every game, checked over many seeds through the same code
// path as the simulator: a seeded generator, scripted input, one tick at a time.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "Simulation.h"
#include "tlib/Random.h"

namespace {

// A player who moves the mouse about the view (away from the scrolling
// edges) and clicks every few ticks.
std::vector<InputEvent> RandomPlayer(std::uint32_t seed) {
  tlib::TRandom random(seed);
  std::vector<InputEvent> events;
  for (int tick = 1; tick < 5000; tick += 5) {
    events.push_back(
        {tick, InputEvent::Kind::Mouse, random.RandomInt(60, 960), random.RandomInt(50, 715)});
    events.push_back({tick + 1, InputEvent::Kind::Click});
  }
  return events;
}

using Cell = std::pair<int, int>;

Cell CellOf(double x, double y) { return {CRoadMap::IndexOf(x), CRoadMap::IndexOf(y)}; }

// Checks the cars after one tick; counts the moves chosen next to a block.
void CheckCars(const CGame& game, int& choicesBesideBlocks) {
  std::set<Cell> blocked;
  for (int i = 0; i < game.RoadBlocks().Count(); ++i) {
    blocked.insert({game.RoadBlocks().At(i).column, game.RoadBlocks().At(i).row});
  }
  for (int i = 0; i < game.Cars().Count(); ++i) {
    const CCar& car = game.Cars().At(i);
    const Cell cell = CellOf(car.X(), car.Y());
    if (!car.IsMoving()) {
      ASSERT_EQ(CRoadMap::CentreOf(cell.first), car.X()) << "car " << i;
      ASSERT_EQ(CRoadMap::CentreOf(cell.second), car.Y()) << "car " << i;
      ASSERT_TRUE(game.GetRoadMap().GetCell(cell.first, cell.second).IsRoad()) << "car " << i;
    } else if (car.Step() == 1) {
      // The move started in this tick, with the blocks as they stand now.
      ASSERT_EQ(0u, blocked.count(CellOf(car.ToX(), car.ToY()))) << "car " << i;
      const Cell from =
          CellOf(car.ToX() - 8 * std::cos(car.Heading()), car.ToY() - 8 * std::sin(car.Heading()));
      for (const Cell& block : blocked) {
        choicesBesideBlocks +=
            std::abs(from.first - block.first) + std::abs(from.second - block.second) == 1;
      }
    }
  }
}

void PlayToTheEnd(CSimulation& simulation, int& choicesBesideBlocks) {
  while (!simulation.HasEnded() && simulation.TicksRun() < 100000) {
    simulation.RunTick();
    ASSERT_NO_FATAL_FAILURE(CheckCars(simulation.Game(), choicesBesideBlocks));
  }
  ASSERT_TRUE(simulation.HasEnded()) << "no end after 100000 ticks";
  const CGame& game = simulation.Game();
  const GameResult result = *simulation.Host().Result();
  EXPECT_EQ(0, game.Frogs().Count());
  EXPECT_EQ(game.SavedCount(), result.saved);
  EXPECT_EQ(game.SplattedCount(), result.splatted);
  EXPECT_EQ(20 * game.WaveCount(), result.saved + result.splatted);
}

}  // namespace

TEST(GameProperties, EveryGameEndsWithEveryFrogCountedAndNoCarEverEntersABlock) {
  int choicesBesideBlocks = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    CSimulation simulation(seed * 7919u, RandomPlayer(seed));
    ASSERT_NO_FATAL_FAILURE(PlayToTheEnd(simulation, choicesBesideBlocks));
  }
  // The blocks did stand in the cars' way, or the check above proves nothing.
  EXPECT_GT(choicesBesideBlocks, 20);
}
