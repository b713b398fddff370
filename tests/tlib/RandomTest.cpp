#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "tlib/Exception.h"
#include "tlib/Random.h"

using tlib::TRandom;

namespace {

// The seed whose first step lands on `state`: the step is invertible because
// the multiplier is odd (its inverse modulo 2^32 comes from Newton's iteration).
std::uint32_t SeedReaching(std::uint32_t state) {
  std::uint32_t inverse = 214013u;
  for (int i = 0; i < 5; ++i) inverse *= 2u - 214013u * inverse;
  return (state - 2531011u) * inverse;
}

}  // namespace

TEST(Random, ReproducesTheRuntimeSequenceOneDrawPerCall) {
  TRandom seedOne;
  EXPECT_EQ(41, seedOne.Draw());
  EXPECT_EQ(18467, seedOne.Draw());
  EXPECT_EQ(6334, seedOne.Draw());
  EXPECT_EQ(38, TRandom(0).Draw());

  TRandom random;
  EXPECT_THROW(random.RandomInt(3, 2), tlib::TException);  // draws nothing
  EXPECT_EQ(2, random.RandomInt(0, 2));                    // 41 mod 3
  EXPECT_EQ(5, random.RandomInt(5, 5));                    // consumes 18467
  EXPECT_EQ(6334, random.Draw());
}

TEST(Random, RealsCoverBothEndsAndWideRangesNeverOverflow) {
  EXPECT_EQ(1.0, TRandom(SeedReaching(0x7FFF0000u)).RandomReal());
  EXPECT_EQ(0.0, TRandom(SeedReaching(0x80000000u)).RandomReal());  // bit 31 is not drawn
  EXPECT_EQ(1.0 / 32767.0, TRandom(SeedReaching(0x00010000u)).RandomReal());
  EXPECT_EQ(INT_MIN + 32767, TRandom(SeedReaching(0x7FFF0000u)).RandomInt(INT_MIN, INT_MAX));
}
