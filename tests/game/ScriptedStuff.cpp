#include "ScriptedStuff.h"

#include <stdexcept>
#include <string>

#include "tlib/Exception.h"

int CScriptedStuff::RandomInt(int min, int max) {
  if (max < min) throw tlib::TException(u"Invalid random arguments");
  int value = min;
  if (!planned_.empty()) {
    value = static_cast<int>(planned_.front());
    planned_.pop_front();
    if (value < min || value > max) {
      throw std::out_of_range("planned draw " + std::to_string(value) + " outside [" +
                              std::to_string(min) + ", " + std::to_string(max) + "]");
    }
  } else if (random_) {
    value = random_->RandomInt(min, max);
  }
  draws_.push_back({false, min, max, static_cast<double>(value)});
  return value;
}

double CScriptedStuff::RandomReal() {
  double value = 0;
  if (!planned_.empty()) {
    value = planned_.front();
    planned_.pop_front();
  } else if (random_) {
    value = random_->RandomReal();
  }
  draws_.push_back({true, 0, 0, value});
  return value;
}
