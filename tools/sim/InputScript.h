// The player's input for a simulated game, one event per line:
//   T mouse X Y     from tick T on, the polled cursor position is (X, Y)
//   T key A down    from tick T on, the A key reads as down
//   T key A up      from tick T on, the A key reads as up
//   T click         a left-button press, delivered just before tick T
// Ticks count from 1 and never decrease; blank lines and lines starting with
// '#' are ignored.
#pragma once

#include <istream>
#include <string>
#include <vector>

struct InputEvent {
  enum class Kind { Mouse, KeyDown, KeyUp, Click };

  int tick;
  Kind kind;
  // The cursor position of a Mouse event.
  int x = 0;
  int y = 0;
};

// Throws CUsageError naming the script and the line of the first bad event.
std::vector<InputEvent> ParseInputScript(std::istream& script, const std::string& scriptName);

// Reads the script file; a file that cannot be read is a usage error too.
std::vector<InputEvent> LoadInputScript(const std::string& path);
