// The simulator's input script, parsed as marrowick-sim parses it, then played for the first
// ticks of a game.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "InputScript.h"
#include "Simulation.h"
#include "UsageError.h"

namespace {

// Enough for the events to reach the game; a whole game would make each input slow.
constexpr int ticksPlayed = 30;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<InputEvent> events;
  try {
    events = ParseInputScript(script, "fuzz");
  } catch (const CUsageError&) {
    return 0;
  }
  CSimulation simulation(1, std::move(events));
  while (simulation.TicksRun() < ticksPlayed && !simulation.HasEnded()) simulation.RunTick();
  return 0;
}
