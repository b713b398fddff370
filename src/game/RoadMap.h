// The street network of one game: a grid of square cells, each recording to
// which of its four neighbours a road leads. Roads run along even rows and even
// columns, so they cross at junctions and leave unpaved blocks between them.
#pragma once

#include <cstdint>
#include <memory>

#include "tlib/Stuff.h"

// Links of one cell to its neighbours, each 0 or 1. A cell with none is not road.
struct CellExits {
  std::uint8_t west;   // column - 1
  std::uint8_t east;   // column + 1
  std::uint8_t north;  // row - 1 (drawn above)
  std::uint8_t south;  // row + 1 (drawn below)

  int OpenCount() const { return west + east + north + south; }
  bool IsRoad() const { return OpenCount() != 0; }
};

// A road cell picked at random, with its links.
struct RoadCell {
  int column;
  int row;
  CellExits exits;
};

class CRoadMap {
 public:
  // World units along each side of a cell. The game's map is centred on the
  // origin: the centre of cell (c, r) lies at (c * 8 - 256, r * 8 - 256).
  static constexpr int cellSize = 8;
  static double CentreOf(int index) { return index * cellSize - 256; }
  // The column (or row) holding a world x (or y) that lies on the map.
  static int IndexOf(double coordinate) { return static_cast<int>((coordinate + 260) / cellSize); }

  // Link values for SetLinks.
  static constexpr int keep = -1;
  static constexpr int clear = 0;
  static constexpr int set = 1;

  // An empty map. Both sizes must be odd and positive: "Invalid roadmap size".
  CRoadMap(int width, int height);
  CRoadMap(const CRoadMap&) = delete;
  CRoadMap& operator=(const CRoadMap&) = delete;

  int Width() const { return width; }
  int Height() const { return height; }

  // "Invalid arguments" outside the map.
  CellExits GetCell(int column, int row) const;

  // Each value is keep, clear or set; every written flag is mirrored on the
  // neighbour across that side, if it lies inside the map. "Invalid arguments"
  // for a cell outside the map or a value outside -1..1; nothing changes then.
  void SetLinks(int column, int row, int west, int east, int north, int south);

  // One straight road on row (column) 2 * line, from cell 2 * start, covering
  // 2 * length + 1 cells. A horizontal road cuts the roads at both its ends; a
  // vertical one leaves its ends as they were.
  void LayHorizontalRoad(int line, int length, int start);
  void LayVerticalRoad(int line, int length, int start);

  // Draws a direction, a line, a length and (unless the road spans the whole
  // map) a start, in that order, then lays the road.
  void LayRandomRoad(tlib::IStuff& stuff, int minLength, int maxLength);

  // Fills an empty square map: a border ring, then 12 long, 20 middle and 24
  // short random roads.
  void Generate(tlib::IStuff& stuff);

  // Draws cells until one is road. In an odd column only even rows are drawn,
  // because nothing else there can be road.
  RoadCell FindRandomRoadCell(tlib::IStuff& stuff) const;

 private:
  bool Contains(int column, int row) const;
  CellExits& CellAt(int column, int row) { return cells[column + row * width]; }
  // Generation works in half-steps: lines and starts count every other cell.
  int Half() const { return width / 2; }

  std::unique_ptr<CellExits[]> cells;
  int width;
  int height;
};
