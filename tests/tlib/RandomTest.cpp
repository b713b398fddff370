#include <gtest/gtest.h>

#include "tlib/Exception.h"
#include "tlib/Random.h"

using tlib::TException;
using tlib::TRandom;

TEST(Random, ReproducesTheRuntimeSequence) {
  TRandom seedOne;
  EXPECT_EQ(41, seedOne.Draw());
  EXPECT_EQ(18467, seedOne.Draw());
  EXPECT_EQ(6334, seedOne.Draw());
  TRandom seedZero(0);
  EXPECT_EQ(38, seedZero.Draw());
}

TEST(Random, RandomIntTakesOneDrawPerCall) {
  TRandom random;
  EXPECT_EQ(2, random.RandomInt(0, 2));  // 41 mod 3
  EXPECT_EQ(5, random.RandomInt(5, 5));  // consumes 18467
  EXPECT_EQ(6334, random.Draw());
}

TEST(Random, EmptyRangeThrowsWithoutDrawing) {
  TRandom random;
  EXPECT_THROW(random.RandomInt(3, 2), TException);
  EXPECT_EQ(41, random.Draw());
}

TEST(Random, RandomRealCoversBothEnds) {
  // Find seeds whose first draw is 0 and 32767, to check the divisor is 32767.
  bool sawZero = false, sawOne = false;
  for (std::uint32_t seed = 0; seed < 2000000 && !(sawZero && sawOne); ++seed) {
    TRandom probe(seed);
    int draw = probe.Draw();
    if (draw != 0 && draw != TRandom::maxDraw) continue;
    TRandom random(seed);
    double real = random.RandomReal();
    if (draw == 0) sawZero = (real == 0.0);
    if (draw == TRandom::maxDraw) sawOne = (real == 1.0);
  }
  EXPECT_TRUE(sawZero);
  EXPECT_TRUE(sawOne);
}
