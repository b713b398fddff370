#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

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

namespace {

// The seed whose first step lands on `state`: the step is invertible because
// the multiplier is odd (its inverse modulo 2^32 comes from Newton's iteration).
std::uint32_t SeedReaching(std::uint32_t state) {
  std::uint32_t inverse = 214013u;
  for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
  return (state - 2531011u) * inverse;
}

}  // namespace

TEST(Random, RandomRealCoversBothEnds) {
  TRandom top(SeedReaching(0x7FFF0000u));
  EXPECT_EQ(1.0, top.RandomReal());
  TRandom bottom(SeedReaching(0x80000000u));  // bit 31 is not part of the draw
  EXPECT_EQ(0.0, bottom.RandomReal());
  TRandom middle(SeedReaching(0x00010000u));
  EXPECT_EQ(1.0 / 32767.0, middle.RandomReal());
}

TEST(Random, WideRangesNeverOverflow) {
  TRandom random(SeedReaching(0x7FFF0000u));
  EXPECT_EQ(INT_MIN + 32767, random.RandomInt(INT_MIN, INT_MAX));
}
