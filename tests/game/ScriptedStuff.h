// A random source for tests: it hands out planned values in order, then the
// lowest value of every range (min, or 0.0 for a real). A planned value that
// does not fit the draw it meets (outside the range, or a fraction where an
// integer is drawn) throws, so a test that plans draws also checks their order.
#pragma once

#include <deque>
#include <initializer_list>
#include <limits>
#include <stdexcept>

#include "tlib/Stuff.h"

class CScriptedStuff final : public tlib::IStuff {
 public:
  // Planned, it draws the top of whatever range it meets.
  static constexpr double highest = std::numeric_limits<double>::infinity();

  void Plan(std::initializer_list<double> values) { planned_.insert(planned_.end(), values); }

  int RandomInt(int min, int max) override {
    const double value = Next(min, max);
    if (value != static_cast<int>(value)) throw std::out_of_range("a fraction drawn as an int");
    return static_cast<int>(value);
  }
  double RandomReal() override { return Next(0, 1); }

 private:
  double Next(double min, double max) {
    if (planned_.empty()) return min;
    const double value = planned_.front() == highest ? max : planned_.front();
    planned_.pop_front();
    if (value < min || value > max) throw std::out_of_range("a planned draw out of range");
    return value;
  }

  std::deque<double> planned_;
};
