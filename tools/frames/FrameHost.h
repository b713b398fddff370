// What the title screen and a game need from the program that shows them, for
// drawing chosen frames outside the program: the pictures of Data\ on the
// render device, a fixed random seed, a best result chosen by the frame, and
// silence.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "game/GameHost.h"
#include "render/TitleHost.h"
#include "tlib/Random.h"

class CRenderDevice;

class CFrameHost final : public IGameHost, public ITitleHost {
 public:
  // Loads the digit sprites; every picture is loaded once, on first request.
  explicit CFrameHost(CRenderDevice* device);

  // The random source starts again from `seed`, so that a game made next
  // plays the same as any other made after the same seed.
  void Reseed(std::uint32_t seed) { random_.Seed(seed); }
  // What GetHighScore reports from now on: (saved, splatted), or none.
  void SetBestResult(std::optional<std::pair<int, int>> best) { best_ = best; }

  CTexture* LoadTexture(tlib::TString name) override;
  CSprite* LoadSprite(tlib::TString name) override;
  Sound LoadSound(tlib::TString name) override;
  void PlaySound(Sound /*sound*/) override {}
  void ReportResult(int /*saved*/, int /*splatted*/) override {}
  bool GetHighScore(int& saved, int& splatted) override;
  void DrawNumber(int value, int x, int y) override;
  int RandomInt(int min, int max) override { return random_.RandomInt(min, max); }
  double RandomReal() override { return random_.RandomReal(); }

 private:
  CRenderDevice* device_;
  tlib::TRandom random_;
  std::optional<std::pair<int, int>> best_;
  std::map<std::u16string, CTexture*> textures_;
  std::map<std::u16string, CSprite*> sprites_;
  CSprite* digitSprites_[10] = {};
};
