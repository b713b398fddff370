// The game's random source over the seeded run-time generator, as the
// application provides it.
#pragma once

#include <cstdint>

#include "tlib/Random.h"
#include "tlib/Stuff.h"

class CSeededStuff final : public tlib::IStuff {
 public:
  explicit CSeededStuff(std::uint32_t seed) : random_(seed) {}

  int RandomInt(int min, int max) override { return random_.RandomInt(min, max); }
  double RandomReal() override { return random_.RandomReal(); }

 private:
  tlib::TRandom random_;
};
