#include "tlib/Random.h"

#include "tlib/Exception.h"

namespace tlib {

int TRandom::RandomInt(int min, int max) {
  if (max < min) throw TException(u"Invalid random arguments");
  int width = max - min + 1;
  return min + Draw() % width;
}

}  // namespace tlib
