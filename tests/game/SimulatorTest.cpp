#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "InputScript.h"
#include "ScratchFolder.h"
#include "Simulation.h"
#include "TraceFormat.h"

namespace {

struct CommandOutput {
  int status;
  std::vector<std::string> lines;
  std::string errors;
};

CommandOutput RunSim(const std::vector<std::string>& arguments) {
  std::ostringstream out, errors;
  const int status = RunCommand(arguments, out, errors);
  CommandOutput output{status, {}, errors.str()};
  std::istringstream printed(out.str());
  for (std::string line; std::getline(printed, line);) output.lines.push_back(line);
  return output;
}

// FNV-1a, 64 bits: a short fingerprint of a long output.
std::uint64_t Fingerprint(const std::vector<std::string>& lines) {
  std::uint64_t hash = 14695981039346656037u;
  for (const std::string& line : lines) {
    for (char c : line + '\n') hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
  }
  return hash;
}

void ExpectRefusal(const std::vector<std::string>& arguments, const std::string& message) {
  const CommandOutput output = RunSim(arguments);
  EXPECT_EQ(2, output.status);
  EXPECT_NE(std::string::npos, output.errors.find("marrowick-sim: " + message + "\n"))
      << output.errors;
  EXPECT_TRUE(output.lines.empty());
}

}  // namespace

TEST(SimulatorCommandLine, ReadsEveryOptionAndNamesTheArgumentItRejects) {
  const SimOptions options = ParseCommandLine(
      {"--trace", "--seed", "4294967295", "--input", "p.txt", "--ticks", "0", "--map"});
  EXPECT_EQ(4294967295u, options.seed);
  EXPECT_EQ("p.txt", options.inputPath.value_or(""));
  EXPECT_EQ(0, options.tickLimit);
  EXPECT_TRUE(options.trace && options.printMap);
  EXPECT_EQ(100000, ParseCommandLine({"--seed", "0"}).tickLimit);
  const std::string notSeed = "': expected an unsigned 32-bit integer";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--trace"}, "--seed is required"},
      {{"--seed"}, "--seed needs a value"},
      {{"--seed", "4294967296"}, "bad --seed value '4294967296" + notSeed},
      {{"--seed", "1", "--ticks", "2147483648"},
       "bad --ticks value '2147483648': expected a tick count from 0 to "
       "2147483647"},
      {{"--seed", "1", "5"}, "unknown argument '5'"},
      {{"--seed", "1", "--seed", "2"}, "--seed given twice"},
      {{"--seed", "1", "--trace", "--trace"}, "--trace given twice"},
      {{"--seed", "1", "--input", "play.none"}, "cannot read input script 'play.none'"}};
  for (const auto& [arguments, message] : cases) ExpectRefusal(arguments, message);
}

TEST(SimulatorScript, NamesTheLineOfABadEvent) {
  ScratchFolder folder;
  const std::pair<const char*, const char*> cases[] = {
      {"0 click", "bad tick '0' (ticks count from 1)"},
      {"2 click", "tick 2 comes after tick 3"},
      {"4 press", "unknown event 'press' (expected mouse, key or click)"},
      {"4 mouse 1", "expected 'T mouse X Y'"},
      {"4 mouse 1.5 2", "bad coordinate '1.5' (expected an integer)"},
      {"4 key B down", "unknown key 'B' (only A is read)"},
      {"4 key A held", "bad key state 'held' (expected down or up)"}};
  for (const auto& [line, message] : cases) {
    std::ofstream("play.txt") << "# header\n3 click\n" << line << "\n";
    ExpectRefusal({"--seed", "1", "--input", "play.txt"}, std::string("play.txt:3: ") + message);
  }
}

// The order and number of random draws decide every game. These runs were
// recorded when every draw of the map, the cars and the frogs was checked
// against the rules one by one; a change here means that a seed no longer
// plays the game it used to, or that the output other tools read has changed.
TEST(SimulatorCommand, SeedsStillPlayTheGamesTheyAlwaysHave) {
  EXPECT_EQ(2337211875763455755u,
            Fingerprint(RunSim({"--seed", "42", "--map", "--ticks", "0"}).lines));
  EXPECT_EQ(6843081740368378245u,
            Fingerprint(RunSim({"--seed", "7", "--trace", "--ticks", "1"}).lines));
  EXPECT_EQ(
      (std::vector<std::string>{"{\"result\":{\"saved\":72,\"splatted\":28,\"ticks\":1926}}"}),
      RunSim({"--seed", "7"}).lines);
}

TEST(SimulatorScript, DrivesTheMouseTheZoomKeyAndTheClicks) {
  // (187, 100) is over the straight road cell (24, 25) for seed 11.
  std::istringstream script(
      "# a player\n\n1 mouse 187 100\r\n  # indented\n2 click\n3 click\n4 key A down\n"
      "5 mouse 0 -7\n");
  CSimulation simulation(11, ParseInputScript(script, "play.txt"));
  const CGame& game = simulation.Game();
  simulation.RunTick();
  simulation.RunTick();  // a click uses the cursor cell of the update before it
  EXPECT_NE(std::string::npos,
            FormatTick(2, game, {}).find("\"cursor\":[24,25,0],\"blocks\":[[24,25,0]]"));
  simulation.RunTick();
  EXPECT_EQ(0, game.RoadBlocks().Count());
  simulation.RunTick();
  EXPECT_EQ(255 - 255 * 0.07, game.Zoom());
  simulation.RunTick();  // the mouse is clamped into the window's corner
  EXPECT_EQ(-10.0, game.CameraX() + game.CameraY());
}
