// A game played headless from a seed, with the player's input from a script.
// Each tick is run the way the application's timer tick runs it: the tick's
// input events first, then SetMousePosition, ZoomOut while A is down, Update.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "InputScript.h"
#include "SeededStuff.h"
#include "SimulationHost.h"
#include "game/Game.h"

class CSimulation {
 public:
  // Seeds the generator and builds the game (map, cars, resources).
  CSimulation(std::uint32_t seed, std::vector<InputEvent> events);

  // Runs the next tick. The sounds it started are in Host().PlayedSounds().
  void RunTick();

  bool HasEnded() const { return host_.Result().has_value(); }
  int TicksRun() const { return ticksRun_; }
  const CGame& Game() const { return *game_; }
  const CSimulationHost& Host() const { return host_; }

 private:
  void ApplyEventsOf(int tick);

  CSeededStuff random_;
  CSimulationHost host_;
  std::unique_ptr<CGame> game_;
  std::vector<InputEvent> events_;
  std::size_t nextEvent_ = 0;
  int ticksRun_ = 0;
  // The polled input state; the mouse rests in the middle of the window.
  int mouseX_ = 512;
  int mouseY_ = 384;
  bool zoomKeyDown_ = false;
};

// Plays one run as the command line asks: the map if wanted, a trace line per
// tick if wanted, and the result line last.
void RunSimulation(const SimOptions& options, const std::vector<InputEvent>& events,
                   std::ostream& out);

// The whole tool: parses the arguments (after the program name), reads the
// input script and runs. Returns the exit status: 0 after a completed run,
// 2 with a message on `errors` for bad arguments or a bad script.
int RunCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors);
