// The game's only source of randomness. The application implements it over
// one TRandom; tests and the simulator implement it too.
#pragma once

namespace tlib {

class IStuff {
 public:
  // A uniformly drawn integer in [min, max]; "Invalid random arguments" when max < min.
  virtual int RandomInt(int min, int max) = 0;
  // A real in [0, 1], both ends included.
  virtual double RandomReal() = 0;

 protected:
  ~IStuff() = default;
};

}  // namespace tlib
