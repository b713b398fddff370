#include <benchmark/benchmark.h>

#include <memory>

#include "SeededStuff.h"
#include "Simulation.h"
#include "SimulationHost.h"
#include "game/Game.h"

namespace {

// The last tick of the fifth wave: every frog is on the map from here on.
constexpr int lastWaveTick = 165;
// Frogs hop outward for far longer than this before any of them is saved.
constexpr int ticksOnFullMap = 400;
// A seed whose cars run over no frog in those ticks, so all 100 stay on the map.
constexpr std::uint32_t fullGameSeed = 20;

// A game with all five waves released, run headless.
class CFullGame {
 public:
  explicit CFullGame(std::uint32_t seed) : random_(seed), host_(random_), game_(&host_) {
    for (int tick = 0; tick < lastWaveTick; ++tick) game_.Update();
  }
  CGame& Game() { return game_; }

 private:
  CSeededStuff random_;
  CSimulationHost host_;
  CGame game_;
};

}  // namespace

// One tick of a game in full swing: 16 cars and 100 frogs on the generated map.
static void BM_GameUpdate(benchmark::State& state) {
  std::unique_ptr<CFullGame> game;
  int ticks = ticksOnFullMap;
  double frogs = 0;
  for (auto _ : state) {
    if (ticks == ticksOnFullMap) {
      state.PauseTiming();
      game = std::make_unique<CFullGame>(fullGameSeed);
      ticks = 0;
      state.ResumeTiming();
    }
    game->Game().Update();
    ++ticks;
    frogs += game->Game().Frogs().Count();
  }
  state.counters["frogs"] = benchmark::Counter(frogs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GameUpdate);

// A whole game without input, from construction (map, cars, resources) to the
// update that reports the result.
static void BM_WholeGame(benchmark::State& state) {
  int ticks = 0;
  for (auto _ : state) {
    CSimulation simulation(1, {});
    while (!simulation.HasEnded()) simulation.RunTick();
    ticks = simulation.TicksRun();
  }
  state.counters["ticks"] = ticks;
}
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMillisecond);
