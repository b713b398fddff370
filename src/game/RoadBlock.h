// A road block the player has put on a straight road cell. Cars never drive
// into its cell.
#pragma once

struct RoadBlock {
  int column;
  int row;
  // 1 across a west-east road, 0 across a north-south road; the picture is
  // turned by orientation * pi/2.
  int orientation;
};
