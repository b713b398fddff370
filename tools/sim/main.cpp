// marrowick-sim: plays a game of Marrowick headless from a seed, with a
// scripted player, and prints the map, a per-tick trace and the result.
#include <iostream>

#include "Simulation.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return RunCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
