#include "game/Frog.h"

#include <cmath>

#include "tlib/Exception.h"

CFrog::CFrog(double x, double y, double z, double angle)
    : x(x), y(y), z(z), angle(angle), state(FrogState::Idle), jumpTicks(0), restTicks(0), tick(0) {}

void CFrog::StartJump(int newJumpTicks, int newRestTicks) {
  if (state == FrogState::Jumping) throw tlib::TException(u"Already jumping");
  state = FrogState::Jumping;
  jumpTicks = newJumpTicks;
  restTicks = newRestTicks;
  tick = 0;
}

void CFrog::Advance() {
  switch (state) {
    case FrogState::Jumping: AdvanceJump(); break;
    case FrogState::Resting: AdvanceRest(); break;
    case FrogState::Idle: break;
  }
}

// A parabola over the jump: the height is 0 again on its last tick.
void CFrog::AdvanceJump() {
  tick += 1;
  z = (jumpTicks - tick) * tick * 0.1;
  x += std::cos(angle) / 3;
  y += std::sin(angle) / 3;
  if (tick == jumpTicks) {
    state = restTicks != 0 ? FrogState::Resting : FrogState::Idle;
    tick = 0;
  }
}

void CFrog::AdvanceRest() {
  tick += 1;
  if (tick == restTicks) state = FrogState::Idle;
}
