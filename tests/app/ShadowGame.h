// A second copy of the games an application runs. The application's random
// source draws for its games only, so a copy seeded alike and given the same
// input in every tick is in the same state as the application's game: the
// test knows where every car, frog and road block is, and when the game ends.
#pragma once

#include <cstdint>
#include <memory>

#include "SeededStuff.h"
#include "SimulationHost.h"
#include "game/Game.h"

class ShadowGame {
 public:
  explicit ShadowGame(std::uint32_t seed) : random_(seed), host_(random_) {}
  ShadowGame(const ShadowGame&) = delete;
  ShadowGame& operator=(const ShadowGame&) = delete;

  // What Enter does on the title screen.
  void Start() {
    reportsBefore_ = host_.ResultReports();
    game_ = std::make_unique<CGame>(&host_);
  }

  // One tick as the application runs it. Returns false once the game is over:
  // it reported its result in this tick, and the application drops it.
  bool Tick(int mouseX, int mouseY, bool zoomKeyDown) {
    game_->SetMousePosition(mouseX, mouseY);
    if (zoomKeyDown) game_->ZoomOut();
    game_->Update();
    return !Over();
  }

  bool Over() const { return host_.ResultReports() > reportsBefore_; }
  CGame& Game() { return *game_; }
  const CSimulationHost& Host() const { return host_; }

 private:
  CSeededStuff random_;
  CSimulationHost host_;
  std::unique_ptr<CGame> game_;
  int reportsBefore_ = 0;
};
