// marrowick-sim: plays a game of Marrowick headless from a seed, with a
// scripted player, and prints the map, a per-tick trace and the result.
#include <iostream>

#include "CommandLine.h"
#include "Simulation.h"
#include "UsageError.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  try {
    const SimOptions options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    std::vector<InputEvent> events;
    if (options.inputPath) events = LoadInputScript(*options.inputPath);
    RunSimulation(options, events, std::cout);
  } catch (const CUsageError& error) {
    std::cerr << "marrowick-sim: " << error.what() << '\n' << UsageText() << '\n';
    return 2;
  }
  return 0;
}
