#include <gtest/gtest.h>

#include "game/Car.h"
#include "game/Frog.h"
#include "tlib/ThrowsMessage.h"

TEST(Car, MovesOneCellInItsTicksAndLandsOnTheCentre) {
  CCar car(-176, -256, 0, 2, 7);  // kind 2 leaves column 10 eastward
  car.Advance();
  EXPECT_EQ(-176.0, car.X());
  car.StartMove(-168, -256);
  for (int tick = 1; tick <= 3; ++tick) car.Advance();
  EXPECT_EQ(-176 + 8.0 * 3 / 7, car.X());
  EXPECT_EQ(-256.0, car.Y());
  for (int tick = 4; tick <= 6; ++tick) car.Advance();
  EXPECT_TRUE(car.IsMoving());
  car.Advance();
  car.Advance();
  EXPECT_FALSE(car.IsMoving());
  EXPECT_EQ(-168.0, car.X());
  EXPECT_EQ(7, car.Step());
}

TEST(Frog, JumpRisesToItsPeakLandsRestsAndRefusesASecondJump) {
  CFrog frog(0, 0, 0, 0);
  frog.StartJump(20, 10);
  for (double height : {1.9, 3.6, 5.1, 6.4, 7.5, 8.4, 9.1, 9.6, 9.9, 10.0}) {
    frog.Advance();
    EXPECT_DOUBLE_EQ(height, frog.Z());
  }
  EXPECT_THROWS_MESSAGE(frog.StartJump(21, 11), u"Already jumping");
  EXPECT_EQ(20, frog.JumpTicks());
  for (int tick = 11; tick < 20; ++tick) frog.Advance();
  EXPECT_EQ(FrogState::Jumping, frog.State());
  frog.Advance();
  EXPECT_EQ(0.0, frog.Z());
  EXPECT_EQ(FrogState::Resting, frog.State());
  EXPECT_NEAR(20.0 / 3, frog.X(), 1e-12);
  for (int tick = 1; tick < 10; ++tick) frog.Advance();
  EXPECT_EQ(FrogState::Resting, frog.State());
  frog.Advance();
  EXPECT_EQ(FrogState::Idle, frog.State());
  EXPECT_NEAR(20.0 / 3, frog.X(), 1e-12);
}
