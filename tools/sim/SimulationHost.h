// The program around a simulated game: a random source, resources that are
// only names, sounds that are recorded instead of played, and a result that is
// kept for the simulator to print.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "game/GameHost.h"

struct GameResult {
  int saved;
  int splatted;
};

class CSimulationHost final : public IGameHost {
 public:
  // Draws come from `random`, which must outlive the host.
  explicit CSimulationHost(tlib::IStuff& random) : random_(random) {}
  CSimulationHost(const CSimulationHost&) = delete;
  CSimulationHost& operator=(const CSimulationHost&) = delete;

  int RandomInt(int min, int max) override { return random_.RandomInt(min, max); }
  double RandomReal() override { return random_.RandomReal(); }

  // Each name stands for one resource: loading it again gives the same pointer.
  // The pointers are distinct but point at nothing the game may read.
  CTexture* LoadTexture(tlib::TString name) override;
  CSprite* LoadSprite(tlib::TString name) override;
  Sound LoadSound(tlib::TString name) override;
  void PlaySound(Sound sound) override;
  void ReportResult(int saved, int splatted) override;
  // Nothing is drawn headless.
  void DrawNumber(int, int, int) override {}

  // Names of the resources in the order they were first loaded.
  const std::vector<std::string>& LoadedNames() const { return names_; }
  // Names of the sounds played since the last ClearPlayedSounds, in order.
  const std::vector<std::string>& PlayedSounds() const { return playedSounds_; }
  void ClearPlayedSounds() { playedSounds_.clear(); }
  const std::optional<GameResult>& Result() const { return result_; }
  int ResultReports() const { return resultReports_; }

 private:
  std::uint8_t* ResourceNamed(const tlib::TString& name);

  tlib::IStuff& random_;
  // One byte per resource, whose address stands for it; a deque keeps the
  // addresses stable as resources are added.
  std::deque<std::uint8_t> resources_;
  std::vector<std::string> names_;
  std::vector<std::string> playedSounds_;
  std::optional<GameResult> result_;
  int resultReports_ = 0;
};
