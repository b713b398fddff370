// The simulator's command line:
//   marrowick-sim --seed S [--input FILE] [--ticks N] [--trace] [--map]
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct SimOptions {
  // Seeds the generator the way start-up seeds it with the calendar time.
  std::uint32_t seed = 0;
  // The player's input script; without one the player does nothing.
  std::optional<std::string> inputPath;
  // The run stops after this many ticks if the game has not ended.
  int tickLimit = 100000;
  bool trace = false;
  bool printMap = false;
};

// The arguments after the program name. Throws CUsageError naming the
// offending argument.
SimOptions ParseCommandLine(const std::vector<std::string>& arguments);

// A one-line summary of the command line, for error messages.
const char* UsageText();
