#include "game/RoadMap.h"

#include "tlib/Exception.h"

namespace {

bool IsOddPositive(int size) { return size % 2 == 1; }

bool IsLinkValue(int value) { return value >= CRoadMap::keep && value <= CRoadMap::set; }

// Writes one flag and its mirror on the neighbour, unless the value says keep.
void WriteLink(std::uint8_t& flag, std::uint8_t* mirror, int value) {
  if (value == CRoadMap::keep) return;
  flag = value != CRoadMap::clear;
  if (mirror != nullptr) *mirror = flag;
}

}  // namespace

CRoadMap::CRoadMap(int width, int height) : width(width), height(height) {
  if (!IsOddPositive(width) || !IsOddPositive(height)) {
    throw tlib::TException(u"Invalid roadmap size");
  }
  cells = std::make_unique<CellExits[]>(static_cast<std::size_t>(width) * height);
}

bool CRoadMap::Contains(int column, int row) const {
  return column >= 0 && column < width && row >= 0 && row < height;
}

CellExits CRoadMap::GetCell(int column, int row) const {
  if (!Contains(column, row)) throw tlib::TException(u"Invalid arguments");
  return cells[column + row * width];
}

void CRoadMap::SetLinks(int column, int row, int west, int east, int north, int south) {
  if (!Contains(column, row)) throw tlib::TException(u"Invalid arguments");
  if (!IsLinkValue(west) || !IsLinkValue(east) || !IsLinkValue(north) || !IsLinkValue(south)) {
    throw tlib::TException(u"Invalid arguments");
  }
  CellExits& cell = CellAt(column, row);
  WriteLink(cell.west, column > 0 ? &CellAt(column - 1, row).east : nullptr, west);
  WriteLink(cell.east, column < width - 1 ? &CellAt(column + 1, row).west : nullptr, east);
  WriteLink(cell.north, row > 0 ? &CellAt(column, row - 1).south : nullptr, north);
  WriteLink(cell.south, row < height - 1 ? &CellAt(column, row + 1).north : nullptr, south);
}

void CRoadMap::LayHorizontalRoad(int line, int length, int start) {
  const int last = 2 * length;
  for (int i = 0; i <= last; ++i) {
    SetLinks(2 * start + i, 2 * line, i != 0 ? set : clear, i != last ? set : clear, keep, keep);
  }
}

void CRoadMap::LayVerticalRoad(int line, int length, int start) {
  const int last = 2 * length;
  for (int i = 0; i <= last; ++i) {
    SetLinks(2 * line, 2 * start + i, keep, keep, i != 0 ? set : keep, i != last ? set : keep);
  }
}

void CRoadMap::LayRandomRoad(tlib::IStuff& stuff, int minLength, int maxLength) {
  const int half = Half();
  const bool horizontal = stuff.RandomInt(0, 1) == 1;
  const int line = stuff.RandomInt(0, half);
  const int length = stuff.RandomInt(minLength, maxLength);
  const int start = length == half ? 0 : stuff.RandomInt(0, half - length);
  if (horizontal) {
    LayHorizontalRoad(line, length, start);
  } else {
    LayVerticalRoad(line, length, start);
  }
}

void CRoadMap::Generate(tlib::IStuff& stuff) {
  const int half = Half();
  LayHorizontalRoad(0, half, 0);
  LayHorizontalRoad(half, half, 0);
  LayVerticalRoad(0, half, 0);
  LayVerticalRoad(half, half, 0);

  struct RoadKind {
    int count;
    int minLength;
    int maxLength;
  };
  static constexpr RoadKind roadKinds[] = {{12, 24, 32}, {20, 8, 12}, {24, 1, 5}};
  for (const RoadKind& kind : roadKinds) {
    for (int i = 0; i < kind.count; ++i) LayRandomRoad(stuff, kind.minLength, kind.maxLength);
  }
}

RoadCell CRoadMap::FindRandomRoadCell(tlib::IStuff& stuff) const {
  for (;;) {
    const int column = stuff.RandomInt(0, width - 1);
    const int row =
        column % 2 == 1 ? 2 * stuff.RandomInt(0, height / 2) : stuff.RandomInt(0, height - 1);
    const CellExits exits = GetCell(column, row);
    if (exits.IsRoad()) return {column, row, exits};
  }
}
