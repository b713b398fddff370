#include "SimulationHost.h"

#include <stdexcept>

namespace {

// Resource names are plain ASCII.
std::string Narrow(const tlib::TString& text) {
  std::string narrow;
  narrow.reserve(static_cast<std::size_t>(text.Length()));
  for (int i = 0; i < text.Length(); ++i) narrow.push_back(static_cast<char>(text.CStr()[i]));
  return narrow;
}

}  // namespace

std::uint8_t* CSimulationHost::ResourceNamed(const tlib::TString& name) {
  const std::string narrow = Narrow(name);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (names_[i] == narrow) return &resources_[i];
  }
  names_.push_back(narrow);
  resources_.push_back(0);
  return &resources_.back();
}

CTexture* CSimulationHost::LoadTexture(tlib::TString name) {
  return reinterpret_cast<CTexture*>(ResourceNamed(name));
}

CSprite* CSimulationHost::LoadSprite(tlib::TString name) {
  return reinterpret_cast<CSprite*>(ResourceNamed(name));
}

Sound CSimulationHost::LoadSound(tlib::TString name) { return ResourceNamed(name); }

void CSimulationHost::PlaySound(Sound sound) {
  for (std::size_t i = 0; i < resources_.size(); ++i) {
    if (&resources_[i] == sound) {
      playedSounds_.push_back(names_[i]);
      return;
    }
  }
  throw std::logic_error("PlaySound with a sound that was never loaded");
}

void CSimulationHost::ReportResult(int saved, int splatted) {
  result_ = GameResult{saved, splatted};
  ++resultReports_;
}
