#include "tlib/Random.h"

#include "tlib/Exception.h"

namespace tlib {

int TRandom::RandomInt(int min, int max) {
  if (max < min) throw TException(u"Invalid random arguments");
  // The width is wider than an int only for ranges no caller passes; 64 bits
  // give the same result for every other range and never overflow.
  std::int64_t width = std::int64_t(max) - min + 1;
  return static_cast<int>(min + Draw() % width);
}

}  // namespace tlib
