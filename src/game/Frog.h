// One frog: it hops in a straight line along its own direction, repeating one
// jump and one rest, until it leaves the map or a car runs it over. A plain
// value, copied whole into the game's array.
#pragma once

enum class FrogState : int { Idle = 0, Jumping = 1, Resting = 2 };

class CFrog {
 public:
  // An idle frog; its first jump sets the remaining fields.
  CFrog(double x, double y, double z, double angle);

  // "Already jumping" while a jump is under way.
  void StartJump(int newJumpTicks, int newRestTicks);
  // One tick of the jump or the rest; nothing while idle.
  void Advance();

  double X() const { return x; }
  double Y() const { return y; }
  double Z() const { return z; }
  double Angle() const { return angle; }
  FrogState State() const { return state; }
  int JumpTicks() const { return jumpTicks; }
  int RestTicks() const { return restTicks; }
  int Tick() const { return tick; }

 private:
  void AdvanceJump();
  void AdvanceRest();

  double x;
  double y;
  double z;
  double angle;
  FrogState state;
  int jumpTicks;
  int restTicks;
  int tick;
};
