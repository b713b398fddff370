// A random source for tests: it hands out planned values in order, then the
// lowest value of every range (min, or 0.0 for a real). A planned value that
// does not fit the draw it meets, an integer draw outside the range or a
// fraction where an integer is drawn, throws, so a test that plans draws also
// checks their order.
#pragma once

#include <deque>
#include <initializer_list>
#include <limits>

#include "tlib/Stuff.h"

class CScriptedStuff final : public tlib::IStuff {
 public:
  // Planned, it draws the top of whatever range it meets.
  static constexpr double highest = std::numeric_limits<double>::infinity();

  void Plan(std::initializer_list<double> values) { planned_.insert(planned_.end(), values); }
  int PlannedLeft() const { return static_cast<int>(planned_.size()); }

  int RandomInt(int min, int max) override;
  double RandomReal() override;

 private:
  double Next(double unplanned);

  std::deque<double> planned_;
};
