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

// The message of the usage error `action` throws, or "(accepted)".
template <typename Action>
std::string UsageErrorOf(Action action) {
  try {
    action();
  } catch (const CUsageError& error) {
    return error.what();
  }
  return "(accepted)";
}

std::string ScriptErrorOf(const std::string& script) {
  std::istringstream stream(script);
  return UsageErrorOf([&] { ParseInputScript(stream, "play.txt"); });
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
  for (int depth = 0; end < line.size(); ++end) {
    depth += (line[end] == '[') - (line[end] == ']');
    if (depth < 0 || (depth == 0 && (line[end] == ',' || line[end] == '}'))) break;
  }
  return line.substr(start, end - start + (line[end] == ']'));
}

std::vector<double> Numbers(const std::string& text) {
  std::vector<double> numbers;
  for (const char* p = text.c_str(); *p != 0;) {
    char* end = nullptr;
    const double value = std::strtod(p, &end);
    if (end != p) numbers.push_back(value);
    p = end == p ? p + 1 : end;
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
  std::vector<std::string> lines;
  std::string errors;
};

CommandOutput RunSim(const std::vector<std::string>& arguments) {
  std::ostringstream out, errors;
  const int status = RunCommand(arguments, out, errors);
  return {status, Lines(out.str()), errors.str()};
}

}  // namespace

TEST(SimulatorCommandLine, ReadsEveryOptionAndNamesTheArgumentItRejects) {
  const SimOptions options = ParseCommandLine(
      {"--trace", "--seed", "4294967295", "--input", "p.txt", "--ticks", "0", "--map"});
  EXPECT_EQ(4294967295u, options.seed);
  EXPECT_EQ("p.txt", options.inputPath.value_or(""));
  EXPECT_EQ(0, options.tickLimit);
  EXPECT_TRUE(options.trace && options.printMap);
  const SimOptions defaults = ParseCommandLine({"--seed", "0"});
  EXPECT_FALSE(defaults.inputPath.has_value() || defaults.trace || defaults.printMap);
  EXPECT_EQ(100000, defaults.tickLimit);

  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--trace"}, "--seed is required"},
      {{"--seed"}, "--seed needs a value"},
      {{"--seed", "4294967296"},
       "bad --seed value '4294967296': expected an unsigned 32-bit integer"},
      {{"--seed", "-1"}, "bad --seed value '-1': expected an unsigned 32-bit integer"},
      {{"--seed", " 7"}, "bad --seed value ' 7': expected an unsigned 32-bit integer"},
      {{"--seed", "1", "--input"}, "--input needs a value"},
      {{"--seed", "1", "5"}, "unknown argument '5'"},
      {{"--seed", "1", "--seed", "2"}, "--seed given twice"},
      {{"--seed", "1", "--trace", "--trace"}, "--trace given twice"}};
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(message, UsageErrorOf([&] { ParseCommandLine(arguments); }));
  }
  for (const char* ticks : {"-3", "2147483648"}) {
    const std::string error = UsageErrorOf([&] {
      ParseCommandLine({"--seed", "1", "--ticks", ticks});
    });
    EXPECT_NE(std::string::npos, error.find(std::string("--ticks value '") + ticks)) << error;
  }
}

TEST(SimulatorScript, ReadsEventsAndSkipsCommentsAndBlankLines) {
  std::istringstream script(
      "# a test\n\n1 mouse -20 900\n  # indented\n1 key A down\n1 click\r\n"
      "7 key A up\n");
  const std::vector<InputEvent> events = ParseInputScript(script, "play.txt");
  ASSERT_EQ(4u, events.size());
  EXPECT_EQ(InputEvent::Kind::Mouse, events[0].kind);
  EXPECT_EQ(-20, events[0].x);
  EXPECT_EQ(900, events[0].y);
  EXPECT_EQ(InputEvent::Kind::KeyDown, events[1].kind);
  EXPECT_EQ(InputEvent::Kind::Click, events[2].kind);
  EXPECT_EQ(InputEvent::Kind::KeyUp, events[3].kind);
  EXPECT_EQ(7, events[3].tick);
}

TEST(SimulatorScript, NamesTheLineOfABadEvent) {
  const std::pair<const char*, const char*> cases[] = {
      {"0 click", "bad tick '0' (ticks count from 1)"},
      {"2 click", "tick 2 comes after tick 3"},
      {"4", "missing an event: mouse, key or click"},
      {"4 press", "unknown event 'press' (expected mouse, key or click)"},
      {"4 mouse 1", "expected 'T mouse X Y'"},
      {"4 mouse 1.5 2", "bad coordinate '1.5' (expected an integer)"},
      {"4 mouse 1 99999999999", "bad coordinate '99999999999' (expected an integer)"},
      {"4 key B down", "unknown key 'B' (only A is read)"},
      {"4 key A held", "bad key state 'held' (expected down or up)"},
      {"4 click twice", "expected 'T click'"}};
  for (const auto& [line, message] : cases) {
    EXPECT_EQ(std::string("play.txt:3: ") + message,
              ScriptErrorOf(std::string("# header\n3 click\n") + line + "\n"));
  }
}

TEST(SimulatorCommand, ExitsWithTwoAndAMessageOnBadInput) {
  const CommandOutput badArgument = RunSim({"--seed", "one"});
  EXPECT_EQ(2, badArgument.status);
  EXPECT_NE(std::string::npos, badArgument.errors.find("'one'"));
  EXPECT_TRUE(badArgument.lines.empty());
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
  ASSERT_EQ(66u, run.lines.size());
  const CSimulation simulation(42, {});
  for (int row = 0; row < 65; ++row) {
    ASSERT_EQ(65u, run.lines[row].size());
    for (int column = 0; column < 65; ++column) {
      const CellExits exits = simulation.Game().GetRoadMap().GetCell(column, row);
      const int flags = exits.west + 2 * exits.east + 4 * exits.north + 8 * exits.south;
      ASSERT_EQ("0123456789abcdef"[flags], run.lines[row][column]) << column << ", " << row;
    }
  }
  EXPECT_EQ("{\"result\":null,\"ticks\":0}", run.lines[65]);
}

TEST(SimulatorCommand, TracesEveryTickWithExactDoublesAndEndsWithTheResult) {
  const CommandOutput run = RunSim({"--seed", "7", "--trace"});
  ASSERT_EQ(0, run.status);
  const std::vector<std::string>& lines = run.lines;
  ASSERT_GE(lines.size(), 166u);
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    ASSERT_EQ(std::to_string(i + 1), FieldText(lines[i], "tick"));
  }
  const std::string& last = lines[lines.size() - 2];
  EXPECT_EQ("[]", FieldText(last, "frogs"));
  EXPECT_EQ("{\"result\":{\"saved\":" + FieldText(last, "saved") + ",\"splatted\":" +
                FieldText(last, "splatted") + ",\"ticks\":" + FieldText(last, "tick") + "}}",
            lines.back());
  EXPECT_EQ(0u, lines[0].find("{\"tick\":1,\"saved\":0,\"splatted\":0,\"waves\":1,\"waveDelay\":40,"
                              "\"camera\":[0,0,200],\"cursor\":"));
  EXPECT_EQ(std::string::npos, lines[0].find(' '));
  EXPECT_EQ("[\"Jump\"]", FieldText(lines[0], "sounds"));
  EXPECT_EQ("[]", FieldText(lines[0], "blocks"));

  CSimulation simulation(7, {});
  simulation.RunTick();
  simulation.RunTick();
  const std::vector<double> frogs = Numbers(FieldText(lines[1], "frogs"));
  const std::vector<double> cars = Numbers(FieldText(lines[1], "cars"));
  ASSERT_EQ(20u * 6, frogs.size());
  ASSERT_EQ(16u * 6, cars.size());
  for (int i = 0; i < 20; ++i) {
    const CFrog& frog = simulation.Game().Frogs().At(i);
    const std::vector<double> expected = {frog.X(), frog.Y(), frog.Z(), frog.Angle(), 1, 1};
    EXPECT_EQ(expected, std::vector<double>(frogs.begin() + 6 * i, frogs.begin() + 6 * i + 6));
  }
  for (int i = 0; i < 16; ++i) {
    const CCar& car = simulation.Game().Cars().At(i);
    const std::vector<double> expected = {
        car.X(),           car.Y(), car.Heading(), double(car.Kind()), double(car.IsMoving()),
        double(car.Step())};
    EXPECT_EQ(expected, std::vector<double>(cars.begin() + 6 * i, cars.begin() + 6 * i + 6));
  }
}

TEST(SimulatorCommand, ScriptDrivesTheMouseTheZoomKeyAndTheClicks) {
  // A cursor position over a straight road cell for seed 11, found by trying.
  const auto [x, y] = []() -> std::pair<int, int> {
    for (int y = 100; y < 700; y += 23) {
      for (int x = 100; x < 900; x += 29) {
        CSimulation simulation(11, {{1, InputEvent::Kind::Mouse, x, y}});
        simulation.RunTick();
        if (simulation.Game().CursorValid()) return {x, y};
      }
    }
    return {-1, -1};
  }();
  ASSERT_GE(x, 0);
  const CScriptFile script("1 mouse " + std::to_string(x) + " " + std::to_string(y) +
                           "\n2 click\n3 click\n4 key A down\n5 mouse 0 -7\n6 key A up\n");
  const CommandOutput run =
      RunSim({"--seed", "11", "--trace", "--ticks", "6", "--input", script.Path()});
  ASSERT_EQ(0, run.status) << run.errors;
  ASSERT_EQ(7u, run.lines.size());
  // A click uses the cursor cell of the update before it.
  const std::string cursor = FieldText(run.lines[0], "cursor");
  ASSERT_NE("null", cursor);
  EXPECT_EQ("[" + cursor + "]", FieldText(run.lines[1], "blocks"));
  EXPECT_EQ("[]", FieldText(run.lines[2], "blocks"));
  EXPECT_EQ("[0,0,200]", FieldText(run.lines[2], "camera"));

  const double zoomedOut = 255 - 255 * 0.07;
  EXPECT_EQ(zoomedOut, Numbers(FieldText(run.lines[3], "camera"))[2]);
  const std::vector<double> camera = Numbers(FieldText(run.lines[4], "camera"));
  const double stillOut = (zoomedOut + 55) - (zoomedOut + 55) * 0.07;
  EXPECT_EQ((std::vector<double>{-5, -5, stillOut}), camera);
  EXPECT_EQ(stillOut - stillOut * 0.07, Numbers(FieldText(run.lines[5], "camera"))[2]);
}
