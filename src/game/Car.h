// One car: it drives from the centre of one road cell to the centre of a
// neighbouring one in a fixed number of ticks, then stands until the game
// steers it on. A plain value, copied whole into the game's array.
#pragma once

// Ways a car can leave a cell. The heading of a car is the code times pi/2,
// measured from +x toward +y (world y grows down the screen).
enum Direction : int { East = 0, South = 1, West = 2, North = 3 };

inline constexpr double halfPi = 1.5707963267948966;

inline double HeadingOf(Direction direction) { return static_cast<int>(direction) * halfPi; }

class CCar {
 public:
  // A car standing at (x, y), not moving.
  CCar(double x, double y, double heading, int kind, int ticksPerCell);

  // Begins a move from where the car stands to (targetX, targetY).
  void StartMove(double targetX, double targetY);
  // One tick of the move; on the last one the car lands exactly on the target.
  void Advance();
  void SetHeading(double newHeading) { heading = newHeading; }

  bool IsMoving() const { return moving != 0; }
  double X() const { return x; }
  double Y() const { return y; }
  double Heading() const { return heading; }
  int Kind() const { return kind; }
  int TicksPerCell() const { return ticksPerCell; }
  int Step() const { return step; }
  double ToX() const { return toX; }
  double ToY() const { return toY; }

 private:
  int moving;
  double x;
  double y;
  double heading;
  int kind;
  int ticksPerCell;
  int step;
  double fromX;
  double fromY;
  double toX;
  double toY;
};
