#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "InputScript.h"
#include "Simulation.h"
#include "UsageError.h"

namespace {

std::string UsageErrorOf(const std::vector<std::string>& arguments) {
  try {
    ParseCommandLine(arguments);
  } catch (const CUsageError& error) {
    return error.what();
  }
  return "(accepted)";
}

std::string ScriptErrorOf(const std::string& script) {
  std::istringstream stream(script);
  try {
    ParseInputScript(stream, "play.txt");
  } catch (const CUsageError& error) {
    return error.what();
  }
  return "(accepted)";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The raw value of a field of a one-line JSON object: a number, null, or a
// bracketed array.
std::string FieldText(const std::string& line, const std::string& name) {
  const std::string key = "\"" + name + "\":";
  std::size_t start = line.find(key);
  if (start == std::string::npos) return "(missing)";
  start += key.size();
  std::size_t end = start;
  int depth = 0;
  for (; end < line.size(); ++end) {
    if (line[end] == '[') ++depth;
    if (line[end] == ']') --depth;
    if (depth == 0 && (line[end] == ',' || line[end] == '}')) break;
    if (depth < 0) break;
  }
  if (line[end] == ']') ++end;
  return line.substr(start, end - start);
}

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> numbers;
  for (const char* p = text.c_str(); *p != 0;) {
    char* end = nullptr;
    const double value = std::strtod(p, &end);
    if (end == p) {
      ++p;
    } else {
      numbers.push_back(value);
      p = end;
    }
  }
  return numbers;
}

// Writes a script into a temporary file that is removed with the object.
class CScriptFile {
 public:
  explicit CScriptFile(const std::string& text) { std::ofstream(path_) << text; }
  ~CScriptFile() { std::remove(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_ = testing::TempDir() + "marrowick-sim-script.txt";
};

struct CommandOutput {
  int status;
  std::string out;
  std::string errors;
};

CommandOutput RunSim(const std::vector<std::string>& arguments) {
  std::ostringstream out, errors;
  const int status = RunCommand(arguments, out, errors);
  return {status, out.str(), errors.str()};
}

// A cursor position over a straight road cell for this seed, found by trying.
std::pair<int, int> PixelOverAStraightCell(std::uint32_t seed) {
  for (int y = 100; y < 700; y += 23) {
    for (int x = 100; x < 900; x += 29) {
      CSimulation simulation(seed, {{1, InputEvent::Kind::Mouse, x, y}});
      simulation.RunTick();
      if (simulation.Game().CursorValid()) return {x, y};
    }
  }
  return {-1, -1};
}

}  // namespace

TEST(SimulatorCommandLine, ReadsEveryOption) {
  const SimOptions options = ParseCommandLine(
      {"--trace", "--seed", "4294967295", "--input", "p.txt", "--ticks", "0", "--map"});
  EXPECT_EQ(4294967295u, options.seed);
  EXPECT_EQ("p.txt", options.inputPath.value_or(""));
  EXPECT_EQ(0, options.tickLimit);
  EXPECT_TRUE(options.trace);
  EXPECT_TRUE(options.printMap);

  const SimOptions defaults = ParseCommandLine({"--seed", "0"});
  EXPECT_EQ(0u, defaults.seed);
  EXPECT_FALSE(defaults.inputPath.has_value());
  EXPECT_EQ(100000, defaults.tickLimit);
  EXPECT_FALSE(defaults.trace);
  EXPECT_FALSE(defaults.printMap);
}

TEST(SimulatorCommandLine, NamesTheArgumentItRejects) {
  EXPECT_EQ("--seed is required", UsageErrorOf({}));
  EXPECT_EQ("--seed is required", UsageErrorOf({"--trace"}));
  EXPECT_EQ("--seed needs a value", UsageErrorOf({"--seed"}));
  for (const char* bad : {"-1", "4294967296", "12x", "", "+5", " 7"}) {
    EXPECT_EQ(std::string("bad --seed value '") + bad + "': expected an unsigned 32-bit integer",
              UsageErrorOf({"--seed", bad}));
  }
  EXPECT_NE(std::string::npos, UsageErrorOf({"--seed", "1", "--ticks", "-3"}).find("'-3'"));
  EXPECT_NE(std::string::npos,
            UsageErrorOf({"--seed", "1", "--ticks", "2147483648"}).find("--ticks"));
  EXPECT_EQ("--input needs a value", UsageErrorOf({"--seed", "1", "--input"}));
  EXPECT_EQ("unknown argument '--speed'", UsageErrorOf({"--seed", "1", "--speed"}));
  EXPECT_EQ("unknown argument '5'", UsageErrorOf({"--seed", "1", "5"}));
  EXPECT_EQ("--seed given twice", UsageErrorOf({"--seed", "1", "--seed", "2"}));
  EXPECT_EQ("--trace given twice", UsageErrorOf({"--seed", "1", "--trace", "--trace"}));
}

TEST(SimulatorScript, ReadsEventsAndSkipsCommentsAndBlankLines) {
  std::istringstream script(
      "# a test\n\n1 mouse -20 900\n  # indented comment\n1 key A down\n1 click\r\n"
      "7 key A up\n7 mouse 5 6\n");
  const std::vector<InputEvent> events = ParseInputScript(script, "play.txt");
  ASSERT_EQ(5u, events.size());
  EXPECT_EQ(InputEvent::Kind::Mouse, events[0].kind);
  EXPECT_EQ(-20, events[0].x);
  EXPECT_EQ(900, events[0].y);
  EXPECT_EQ(InputEvent::Kind::KeyDown, events[1].kind);
  EXPECT_EQ(InputEvent::Kind::Click, events[2].kind);
  EXPECT_EQ(InputEvent::Kind::KeyUp, events[3].kind);
  EXPECT_EQ(7, events[3].tick);
  EXPECT_EQ(5, events[4].x);
}

TEST(SimulatorScript, NamesTheLineOfABadEvent) {
  const std::string good = "# header\n3 click\n";
  EXPECT_EQ("play.txt:3: bad tick '0' (ticks count from 1)", ScriptErrorOf(good + "0 click\n"));
  EXPECT_EQ("play.txt:3: tick 2 comes after tick 3", ScriptErrorOf(good + "2 click\n"));
  EXPECT_EQ("play.txt:3: bad tick 'x' (ticks count from 1)", ScriptErrorOf(good + "x click\n"));
  EXPECT_EQ("play.txt:3: missing an event: mouse, key or click", ScriptErrorOf(good + "4\n"));
  EXPECT_EQ("play.txt:3: unknown event 'press' (expected mouse, key or click)",
            ScriptErrorOf(good + "4 press\n"));
  EXPECT_EQ("play.txt:3: expected 'T mouse X Y'", ScriptErrorOf(good + "4 mouse 1\n"));
  EXPECT_EQ("play.txt:3: bad coordinate '1.5' (expected an integer)",
            ScriptErrorOf(good + "4 mouse 1.5 2\n"));
  EXPECT_EQ("play.txt:3: bad coordinate '99999999999' (expected an integer)",
            ScriptErrorOf(good + "4 mouse 1 99999999999\n"));
  EXPECT_EQ("play.txt:3: unknown key 'B' (only A is read)", ScriptErrorOf(good + "4 key B down\n"));
  EXPECT_EQ("play.txt:3: bad key state 'held' (expected down or up)",
            ScriptErrorOf(good + "4 key A held\n"));
  EXPECT_EQ("play.txt:3: expected 'T click'", ScriptErrorOf(good + "4 click twice\n"));
}

TEST(SimulatorCommand, ExitsWithTwoAndAMessageOnBadInput) {
  const CommandOutput badArgument = RunSim({"--seed", "one"});
  EXPECT_EQ(2, badArgument.status);
  EXPECT_NE(std::string::npos, badArgument.errors.find("'one'"));
  EXPECT_EQ("", badArgument.out);

  const CScriptFile script("1 click\n2 jump\n");
  const CommandOutput badScript = RunSim({"--seed", "1", "--input", script.Path()});
  EXPECT_EQ(2, badScript.status);
  EXPECT_NE(std::string::npos, badScript.errors.find(script.Path() + ":2: unknown event 'jump'"));

  const CommandOutput missing = RunSim({"--seed", "1", "--input", script.Path() + ".none"});
  EXPECT_EQ(2, missing.status);
  EXPECT_NE(std::string::npos, missing.errors.find(".none'"));
}

TEST(SimulatorCommand, PrintsTheMapAsHexDigitsOfTheCellLinks) {
  const CommandOutput run = RunSim({"--seed", "42", "--map", "--ticks", "0"});
  EXPECT_EQ(0, run.status);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(66u, lines.size());
  const CSimulation simulation(42, {});
  for (int row = 0; row < 65; ++row) {
    ASSERT_EQ(65u, lines[row].size());
    for (int column = 0; column < 65; ++column) {
      const CellExits exits = simulation.Game().GetRoadMap().GetCell(column, row);
      const int flags = exits.west + 2 * exits.east + 4 * exits.north + 8 * exits.south;
      ASSERT_EQ(flags, std::stoi(std::string(1, lines[row][column]), nullptr, 16));
      ASSERT_TRUE(std::islower(lines[row][column]) || std::isdigit(lines[row][column]));
    }
  }
  EXPECT_EQ('a', lines[0][0]);    // east and south
  EXPECT_EQ('5', lines[64][64]);  // west and north
  EXPECT_EQ("{\"result\":null,\"ticks\":0}", lines[65]);
}

TEST(SimulatorCommand, TracesEveryTickAndEndsWithTheResult) {
  const CommandOutput run = RunSim({"--seed", "7", "--trace"});
  ASSERT_EQ(0, run.status);
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 166u);
  const std::string& last = lines[lines.size() - 2];
  const int ticks = static_cast<int>(lines.size()) - 1;
  EXPECT_EQ(std::to_string(ticks), FieldText(last, "tick"));
  EXPECT_EQ("[]", FieldText(last, "frogs"));
  EXPECT_EQ("{\"result\":{\"saved\":" + FieldText(last, "saved") + ",\"splatted\":" +
                FieldText(last, "splatted") + ",\"ticks\":" + std::to_string(ticks) + "}}",
            lines.back());
  EXPECT_EQ(100.0, Numbers(FieldText(last, "saved"))[0] + Numbers(FieldText(last, "splatted"))[0]);

  const std::string& first = lines[0];
  EXPECT_EQ(0u, first.find("{\"tick\":1,\"saved\":0,\"splatted\":0,\"waves\":1,\"waveDelay\":40,"
                           "\"camera\":[0,0,200],\"cursor\":"));
  EXPECT_EQ(std::string::npos, first.find(' '));
  EXPECT_EQ("[\"Jump\"]", FieldText(first, "sounds"));
  EXPECT_EQ("[]", FieldText(first, "blocks"));
  EXPECT_EQ(20u * 6, Numbers(FieldText(first, "frogs")).size());
  EXPECT_EQ(16u * 6, Numbers(FieldText(first, "cars")).size());
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    ASSERT_EQ(std::to_string(i + 1), FieldText(lines[i], "tick"));
  }
}

TEST(SimulatorCommand, TracePrintsDoublesThatReadBackExactly) {
  const CommandOutput run = RunSim({"--seed", "7", "--trace", "--ticks", "2"});
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(3u, lines.size());
  CSimulation simulation(7, {});
  simulation.RunTick();
  simulation.RunTick();
  const std::vector<double> frogs = Numbers(FieldText(lines[1], "frogs"));
  ASSERT_EQ(20u * 6, frogs.size());
  for (int i = 0; i < 20; ++i) {
    const CFrog& frog = simulation.Game().Frogs().At(i);
    EXPECT_EQ(frog.X(), frogs[6 * i]);
    EXPECT_EQ(frog.Y(), frogs[6 * i + 1]);
    EXPECT_EQ(frog.Z(), frogs[6 * i + 2]);
    EXPECT_EQ(frog.Angle(), frogs[6 * i + 3]);
    EXPECT_EQ(1.0, frogs[6 * i + 4]);
    EXPECT_EQ(1.0, frogs[6 * i + 5]);
  }
  const std::vector<double> cars = Numbers(FieldText(lines[1], "cars"));
  ASSERT_EQ(16u * 6, cars.size());
  for (int i = 0; i < 16; ++i) {
    const CCar& car = simulation.Game().Cars().At(i);
    EXPECT_EQ(car.X(), cars[6 * i]);
    EXPECT_EQ(car.Heading(), cars[6 * i + 2]);
    EXPECT_EQ(car.Kind(), cars[6 * i + 3]);
    EXPECT_EQ(car.Step(), cars[6 * i + 5]);
  }
  EXPECT_EQ("{\"result\":null,\"ticks\":2}", lines[2]);
}

TEST(SimulatorCommand, ScriptDrivesTheMouseTheZoomKeyAndTheClicks) {
  const std::uint32_t seed = 11;
  const auto [x, y] = PixelOverAStraightCell(seed);
  ASSERT_GE(x, 0);
  const CScriptFile script("1 mouse " + std::to_string(x) + " " + std::to_string(y) +
                           "\n2 click\n3 click\n4 key A down\n5 mouse 0 -7\n6 key A up\n");
  const CommandOutput run =
      RunSim({"--seed", "11", "--trace", "--ticks", "6", "--input", script.Path()});
  ASSERT_EQ(0, run.status) << run.errors;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(7u, lines.size());
  // A click uses the cursor cell of the update before it.
  const std::string cursor = FieldText(lines[0], "cursor");
  ASSERT_NE("null", cursor);
  EXPECT_EQ("[" + cursor + "]", FieldText(lines[1], "blocks"));
  EXPECT_EQ("[]", FieldText(lines[2], "blocks"));
  EXPECT_EQ("[0,0,200]", FieldText(lines[2], "camera"));

  const double zoomedOut = 255 - 255 * 0.07;
  EXPECT_EQ(zoomedOut, Numbers(FieldText(lines[3], "camera"))[2]);
  const std::vector<double> camera = Numbers(FieldText(lines[4], "camera"));
  EXPECT_EQ(-5.0, camera[0]);
  EXPECT_EQ(-5.0, camera[1]);
  EXPECT_EQ((zoomedOut + 55) - (zoomedOut + 55) * 0.07, camera[2]);
  const double released = Numbers(FieldText(lines[5], "camera"))[2];
  EXPECT_EQ(camera[2] - camera[2] * 0.07, released);
}
