#include "ScriptedStuff.h"

#include <stdexcept>
#include <string>

#include "tlib/Exception.h"

double CScriptedStuff::Next(double unplanned) {
  if (planned_.empty()) return unplanned;
  const double value = planned_.front();
  planned_.pop_front();
  return value;
}

int CScriptedStuff::RandomInt(int min, int max) {
  if (max < min) throw tlib::TException(u"Invalid random arguments");
  const int value =
      static_cast<int>(Next(planned_.empty() && random_ ? random_->RandomInt(min, max) : min));
  if (value < min || value > max) {
    throw std::out_of_range("planned draw " + std::to_string(value) + " outside [" +
                            std::to_string(min) + ", " + std::to_string(max) + "]");
  }
  draws_.push_back({false, min, max, static_cast<double>(value)});
  return value;
}

double CScriptedStuff::RandomReal() {
  const double value = Next(planned_.empty() && random_ ? random_->RandomReal() : 0.0);
  draws_.push_back({true, 0, 0, value});
  return value;
}

std::vector<std::pair<int, int>> CScriptedStuff::Ranges(std::size_t from) const {
  std::vector<std::pair<int, int>> ranges;
  for (std::size_t i = from; i < draws_.size(); ++i)
    ranges.emplace_back(draws_[i].min, draws_[i].max);
  return ranges;
}
