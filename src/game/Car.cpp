#include "game/Car.h"

// Until its first move a car's move is the empty one from where it stands,
// so every field reads as something meaningful.
CCar::CCar(double x, double y, double heading, int kind, int ticksPerCell)
    : moving(0),
      x(x),
      y(y),
      heading(heading),
      kind(kind),
      ticksPerCell(ticksPerCell),
      step(0),
      fromX(x),
      fromY(y),
      toX(x),
      toY(y) {}

void CCar::StartMove(double targetX, double targetY) {
  moving = 1;
  step = 0;
  fromX = x;
  fromY = y;
  toX = targetX;
  toY = targetY;
}

void CCar::Advance() {
  if (moving != 1) return;
  step += 1;
  if (step < ticksPerCell) {
    // Multiplying before dividing keeps the positions the game has always had.
    x = fromX + (toX - fromX) * step / ticksPerCell;
    y = fromY + (toY - fromY) * step / ticksPerCell;
  } else {
    moving = 0;
    x = toX;
    y = toY;
  }
}
