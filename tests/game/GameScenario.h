// Games in a town a test lays out itself: road cells drawn as rows of text and
// cars standing where the test puts them, with no map generated. Draws during
// play come from a CScriptedStuff: planned values first, then the lowest value
// of each range, so frogs hop along +x, rest 10 ticks and jump 20.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ScriptedStuff.h"
#include "SimulationHost.h"
#include "game/Game.h"

// Road cells as rows of text, the first character on cell (column, row): '#'
// is road, linked to every '#' beside it; anything else is open ground.
struct Streets {
  int column = 0;
  int row = 0;
  std::vector<std::string> rows;
};

// A car standing on a cell centre, crossing a cell in ticksPerCell ticks.
struct ParkedCar {
  int column;
  int row;
  Direction heading;
  int ticksPerCell = 20;
};

class CGameScenario {
 public:
  explicit CGameScenario(const Streets& streets = {}, const std::vector<ParkedCar>& cars = {});

  CGame& Game() { return *game_; }
  CScriptedStuff& Stuff() { return stuff_; }
  const CSimulationHost& Host() const { return host_; }

  // Timer ticks as the application runs them: the mouse position, then the
  // update. The sounds of the last tick are left in Host().PlayedSounds().
  void Ticks(int count = 1);
  void SetMouse(int x, int y) { mouseX_ = x, mouseY_ = y; }
  // Puts the mouse over the cell (with the camera at rest on the centre), runs
  // one tick so that the game finds the cursor cell there, and clicks.
  testing::AssertionResult ClickAt(int column, int row);

 private:
  CScriptedStuff stuff_;
  CSimulationHost host_{stuff_};
  std::unique_ptr<CGame> game_;
  int mouseX_ = 512;
  int mouseY_ = 384;
};

// Row 26 from column 24 to 35, where it bends north, crossed by column 30
// from row 24 to 28: all in view of the resting camera, off the frogs' way.
inline const Streets crossroads{
    24, 24, {"      #    #", "      #    #", "############", "      #", "      #"}};
