// Games built on a road map and a car placement that a test chooses, by
// planning the random draws of the construction. The map is the border ring,
// a short parking road out of the way, and the test's roads; every car the
// test does not place shuttles on the parking road, far from the frogs and
// out of the view. Unplanned draws during play give the lowest value, so
// frogs hop along +x, rest 10 ticks and jump 20.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ScriptedStuff.h"
#include "SimulationHost.h"
#include "game/Game.h"

// A road as LayRandomRoad lays it, in half-steps.
struct PlannedRoad {
  bool horizontal;
  int line, length, start;
};

// The car with this index in the game's array, placed on (column, row) and
// heading for the exitIndex-th open exit (east, south, west, north).
struct PlannedCar {
  int index, column, row, exitIndex;
};

// Road pieces in view of the resting camera, away from the frogs' path along
// row 32 (centreRoad crosses it on purpose).
inline constexpr PlannedRoad rowRoad{true, 13, 5, 12};        // row 26, columns 24..34
inline constexpr PlannedRoad crossingRoad{false, 15, 2, 12};  // column 30, rows 24..28
inline constexpr PlannedRoad centreRoad{false, 16, 4, 14};    // column 32, rows 28..36

class CGameScenario {
 public:
  static constexpr int parkingRow = 4;

  CGameScenario(const std::vector<PlannedRoad>& roads, const std::vector<PlannedCar>& cars);

  CGame& Game() { return *game_; }
  CScriptedStuff& Stuff() { return stuff_; }
  const CSimulationHost& Host() const { return host_; }

  // One timer tick: the mouse position, then the update. The sounds of the
  // tick are left in Host().PlayedSounds().
  void Tick() { Ticks(1); }
  void Ticks(int count);
  void SetMouse(int x, int y) {
    mouseX_ = x;
    mouseY_ = y;
  }
  // Puts the mouse over the cell (with the camera at rest on the centre) and
  // runs one tick so that the game finds the cursor cell there.
  testing::AssertionResult AimAt(int column, int row);
  // Aims at the cell and presses the left button.
  testing::AssertionResult ClickAt(int column, int row);

 private:
  CScriptedStuff stuff_;
  CSimulationHost host_{stuff_};
  std::unique_ptr<CGame> game_;
  int mouseX_ = 512;
  int mouseY_ = 384;
};

inline constexpr double pi = 3.141592653589793;

// World coordinate of the centre of a cell index.
inline double Centre(int index) { return index * 8 - 256; }
