#include <gtest/gtest.h>

#include "game/Car.h"
#include "game/Frog.h"
#include "tlib/ThrowsMessage.h"

TEST(Car, MovesOneCellInItsTicksAndLandsOnTheCentre) {
  // A kind 2 car leaving the centre of column 10 eastward.
  CCar car(-176, -256, 0, 2, 7);
  EXPECT_FALSE(car.IsMoving());
  car.Advance();
  EXPECT_EQ(-176.0, car.X());

  car.StartMove(-168, -256);
  for (int tick = 1; tick <= 3; ++tick) car.Advance();
  EXPECT_TRUE(car.IsMoving());
  EXPECT_EQ(3, car.Step());
  EXPECT_EQ(-176 + 8.0 * 3 / 7, car.X());
  EXPECT_EQ(-256.0, car.Y());
  for (int tick = 4; tick <= 6; ++tick) car.Advance();
  EXPECT_TRUE(car.IsMoving());
  car.Advance();
  EXPECT_FALSE(car.IsMoving());
  EXPECT_EQ(-168.0, car.X());
  car.Advance();
  EXPECT_EQ(-168.0, car.X());
  EXPECT_EQ(7, car.Step());
}

TEST(Frog, JumpRisesToItsPeakAndLandsThenRests) {
  CFrog frog(0, 0, 0, 0);
  EXPECT_EQ(FrogState::Idle, frog.State());
  frog.Advance();
  EXPECT_EQ(0.0, frog.X());

  frog.StartJump(20, 10);
  const double heights[] = {1.9, 3.6, 5.1, 6.4, 7.5, 8.4, 9.1, 9.6, 9.9, 10};
  for (double height : heights) {
    frog.Advance();
    EXPECT_DOUBLE_EQ(height, frog.Z());
  }
  for (int tick = 11; tick < 20; ++tick) frog.Advance();
  EXPECT_EQ(FrogState::Jumping, frog.State());
  frog.Advance();
  EXPECT_EQ(0.0, frog.Z());
  EXPECT_EQ(FrogState::Resting, frog.State());
  EXPECT_NEAR(20.0 / 3, frog.X(), 1e-12);
  EXPECT_EQ(0.0, frog.Y());

  for (int tick = 1; tick < 10; ++tick) frog.Advance();
  EXPECT_EQ(FrogState::Resting, frog.State());
  frog.Advance();
  EXPECT_EQ(FrogState::Idle, frog.State());
  EXPECT_NEAR(20.0 / 3, frog.X(), 1e-12);
}

TEST(Frog, CannotStartAJumpWhileJumping) {
  CFrog frog(0, 0, 0, 1);
  frog.StartJump(20, 10);
  frog.Advance();
  EXPECT_THROWS_MESSAGE(frog.StartJump(21, 11), u"Already jumping");
  EXPECT_EQ(20, frog.JumpTicks());
  EXPECT_EQ(1, frog.Tick());
}
