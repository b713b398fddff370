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
  double value = Next(min);
  if (value == highest) value = max;
  if (value < min || value > max || value != static_cast<int>(value)) {
    throw std::out_of_range("planned draw " + std::to_string(value) + " does not fit [" +
                            std::to_string(min) + ", " + std::to_string(max) + "]");
  }
  return static_cast<int>(value);
}

double CScriptedStuff::RandomReal() {
  double value = Next(0.0);
  if (value == highest) value = 1;
  if (value < 0 || value > 1) throw std::out_of_range("planned real draw outside [0, 1]");
  return value;
}
