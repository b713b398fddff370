// The linear congruential generator of the Microsoft C run-time (rand/srand),
// reproduced exactly so that a seed always gives the same game.
#pragma once

#include <cstdint>

namespace tlib {

class TRandom {
 public:
  static constexpr int maxDraw = 32767;

  // An unseeded generator starts from state 1, as the run-time does.
  explicit TRandom(std::uint32_t seed = 1) : state_(seed) {}

  void Seed(std::uint32_t seed) { state_ = seed; }

  // Advances the state and returns bits 16..30 of it: 0..32767.
  int Draw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

  // min + draw mod (max - min + 1): one draw, no bias correction.
  // Throws "Invalid random arguments" (drawing nothing) when max < min.
  int RandomInt(int min, int max);
  // draw / 32767: both 0 and 1 can come out.
  double RandomReal() { return Draw() / 32767.0; }

 private:
  std::uint32_t state_;
};

}  // namespace tlib
