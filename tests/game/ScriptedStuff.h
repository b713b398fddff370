// A random source for tests: it hands out planned values first, records every
// draw with its range, and afterwards either draws the lowest value of each
// range or, when seeded, what the game's generator would draw.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "tlib/Random.h"
#include "tlib/Stuff.h"

class CScriptedStuff final : public tlib::IStuff {
 public:
  struct Draw {
    bool real;
    int min;
    int max;
    double value;
  };

  // Unplanned draws give the lowest value: min, or 0.0.
  CScriptedStuff() = default;
  // Unplanned draws come from the generator seeded with `seed`.
  explicit CScriptedStuff(std::uint32_t seed) : random_(tlib::TRandom(seed)) {}

  // The next draws, in order; an integer draw takes the value as an int and
  // fails the test (by throwing) if it lies outside the requested range.
  void Plan(std::initializer_list<double> values) { planned_.insert(planned_.end(), values); }
  int PlannedLeft() const { return static_cast<int>(planned_.size()); }

  int RandomInt(int min, int max) override;
  double RandomReal() override;

  const std::vector<Draw>& Draws() const { return draws_; }
  // The (min, max) ranges of the draws from index `from` on.
  std::vector<std::pair<int, int>> Ranges(std::size_t from = 0) const;

 private:
  double Next(double unplanned);

  std::deque<double> planned_;
  std::optional<tlib::TRandom> random_;
  std::vector<Draw> draws_;
};
