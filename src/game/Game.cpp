#include "game/Game.h"

#include <algorithm>
#include <utility>

#include "tlib/Exception.h"
#include "tlib/String.h"

namespace {

constexpr double pi = 3.141592653589793;

constexpr int clientWidth = 1024;
constexpr int clientHeight = 768;
constexpr double restingZoom = 200;
constexpr double zoomOutStep = 55;
constexpr double zoomEasing = 0.07;
constexpr int ticksBetweenWaves = 40;
constexpr int jumpSoundThreshold = 1000;
// Beyond this distance from the centre on either axis a frog is off the map.
constexpr double mapEdge = 280;

struct CarKind {
  int kind;
  int count;
  int ticksPerCell;
};
constexpr CarKind carKinds[] = {{0, 8, 20}, {1, 6, 16}, {2, 2, 7}};

constexpr Direction directions[] = {East, South, West, North};

// The flag of CellExits that opens the way in a direction.
std::uint8_t CellExits::*ExitFlag(Direction direction) {
  switch (direction) {
    case East: return &CellExits::east;
    case South: return &CellExits::south;
    case West: return &CellExits::west;
    case North: break;
  }
  return &CellExits::north;
}

Direction Opposite(Direction direction) { return directions[(direction + 2) % 4]; }

// A car's heading is always a direction code times pi/2.
Direction DirectionOf(double heading) { return directions[static_cast<int>(heading / halfPi) % 4]; }

bool HasLeftMap(const CFrog& frog) {
  return frog.X() < -mapEdge || frog.X() > mapEdge || frog.Y() < -mapEdge || frog.Y() > mapEdge;
}

// A frog is a 2 x 2 square, a car a 5 x 5 square; touching means overlapping.
bool Touches(const CCar& car, const CFrog& frog) {
  return car.X() - 2.5 < frog.X() + 1 && car.X() + 2.5 > frog.X() - 1 &&
         car.Y() - 2.5 < frog.Y() + 1 && car.Y() + 2.5 > frog.Y() - 1;
}

// The cursor's cell index along one axis: the shifted coordinate is truncated
// first, then divided by the cell size as an integer. Points too far away to
// fit an int are simply off the map.
int CursorIndexOf(double coordinate, int cellCount) {
  const double shifted = coordinate + 260;
  if (!(shifted > -CRoadMap::cellSize && shifted < cellCount * CRoadMap::cellSize)) return -1;
  return static_cast<int>(shifted) / CRoadMap::cellSize;
}

}  // namespace

CGame::CGame(IGameHost* application) : CGame(application, GenerateTown(*application)) {}

CGame::CGame(IGameHost* application, Town town)
    : application(application),
      mouseX(clientWidth / 2),
      mouseY(clientHeight / 2),
      cursorSprite(nullptr),
      cameraX(0),
      cameraY(0),
      zoom(restingZoom),
      zoomRest(restingZoom),
      waveCount(0),
      waveDelay(0),
      frogTexture(nullptr),
      jumpSound(nullptr),
      jumpSoundMeter(0),
      jumpSoundPeriod(jumpSoundThreshold),
      roadMap(std::move(town.roadMap)),
      roadTextures{},
      cars(town.cars),
      carTextures{},
      splatSound(nullptr),
      cursorValid(false),
      cursorColumn(0),
      cursorRow(0),
      cursorOrientation(0),
      roadBlockTexture(nullptr),
      savedCount(0),
      splattedCount(0),
      frogSavedSprite(nullptr),
      frogSplattedSprite(nullptr) {
  SetUpProjection();
  LoadResources();
}

Town CGame::GenerateTown(tlib::IStuff& stuff) {
  Town town{std::make_unique<CRoadMap>(mapSize, mapSize), {}};
  town.roadMap->Generate(stuff);
  for (const CarKind& carKind : carKinds) {
    for (int i = 0; i < carKind.count; ++i) {
      const RoadCell cell = town.roadMap->FindRandomRoadCell(stuff);
      const Direction direction = ChooseExit(stuff, cell.exits);
      town.cars.Append(CCar(CRoadMap::CentreOf(cell.column), CRoadMap::CentreOf(cell.row),
                            HeadingOf(direction), carKind.kind, carKind.ticksPerCell));
    }
  }
  return town;
}

// A perspective projection with near plane 2 and far plane 1024 onto the
// 4:3 client area; the negative [1][1] makes world +y point down the screen.
void CGame::SetUpProjection() {
  const double nearPlane = 2;
  const double farPlane = 1024;
  const double q = 1 / (1 / nearPlane - 1 / farPlane);
  projection[2][2] = q / nearPlane;
  projection[2][3] = 1;
  projection[0][0] = 2;
  projection[1][1] = -8.0 / 3.0;
  projection[3][2] = -q;
}

void CGame::LoadResources() {
  cursorSprite = application->LoadSprite(u"Cursor");
  frogTexture = application->LoadTexture(u"Frog");
  jumpSound = application->LoadSound(u"Jump");
  // A full meter: the jump sound starts with the game.
  jumpSoundMeter = jumpSoundPeriod;
  for (int i = 0; i < roadTextureCount; ++i) {
    roadTextures[i] = application->LoadTexture(tlib::TString::Format(u"Road%d", i));
  }
  for (int i = 0; i < carKindCount; ++i) {
    carTextures[i] = application->LoadTexture(tlib::TString::Format(u"Car%d", i));
  }
  splatSound = application->LoadSound(u"Splat");
  roadBlockTexture = application->LoadTexture(u"RoadBlock");
  frogSavedSprite = application->LoadSprite(u"FrogSaved");
  frogSplattedSprite = application->LoadSprite(u"FrogSplatted");
}

void CGame::SetMousePosition(int x, int y) {
  mouseX = std::clamp(x, 0, clientWidth - 1);
  mouseY = std::clamp(y, 0, clientHeight - 1);
}

void CGame::ZoomOut() { zoom += zoomOutStep; }

void CGame::ToggleRoadBlock() {
  if (!cursorValid) return;
  const int existing = FindRoadBlock(cursorColumn, cursorRow);
  if (existing >= 0) {
    roadBlocks.RemoveAt(existing);
    return;
  }
  if (roadBlocks.Count() >= maxRoadBlocks) roadBlocks.RemoveAt(0);
  roadBlocks.Append(RoadBlock{cursorColumn, cursorRow, cursorOrientation});
}

int CGame::FindRoadBlock(int column, int row) const {
  for (int i = 0; i < roadBlocks.Count(); ++i) {
    const RoadBlock& block = roadBlocks.At(i);
    if (block.column == column && block.row == row) return i;
  }
  return -1;
}

void CGame::Update() {
  ScrollCamera();
  EaseZoom();
  MoveFrogs();
  SoundJumps();
  ReleaseWaves();
  MoveCars();
  SplatFrogs();
  FindCursorCell();
  if (frogs.Count() == 0) application->ReportResult(savedCount, splattedCount);
}

// The closer the cursor is to a window edge, the faster the view scrolls
// that way (up to 5 units a tick). The camera has no bounds.
void CGame::ScrollCamera() {
  if (mouseX < 50) cameraX -= 5 - mouseX / 10;
  if (mouseX > 973) cameraX += (mouseX - 973) / 10;
  if (mouseY < 40) cameraY -= 5 - mouseY / 8;
  if (mouseY > 727) cameraY += (mouseY - 727) / 8;
}

void CGame::EaseZoom() {
  if (zoomRest < zoom) zoom = std::max(zoom - zoom * zoomEasing, zoomRest);
}

// Visited from the last frog down, so that removing one leaves the rest in
// place. An idle frog never stays idle for a whole tick.
void CGame::MoveFrogs() {
  for (int i = frogs.Count() - 1; i >= 0; --i) {
    CFrog& frog = frogs.At(i);
    if (HasLeftMap(frog)) {
      frogs.RemoveAt(i);
      savedCount += 1;
      continue;
    }
    if (frog.State() == FrogState::Idle) StartNextJump(frog);
    frog.Advance();
  }
}

// The rest that follows the jump is drawn before the jump itself.
void CGame::StartNextJump(CFrog& frog) {
  const int restTicks = application->RandomInt(10, 15);
  const int jumpTicks = application->RandomInt(20, 25);
  frog.StartJump(jumpTicks, restTicks);
}

// The more frogs hop, the more often the jump sound plays; each time it is
// put off by a random few frog-ticks so that it does not beat like a clock.
void CGame::SoundJumps() {
  jumpSoundMeter += frogs.Count();
  if (jumpSoundMeter < jumpSoundPeriod) return;
  jumpSoundMeter = jumpSoundMeter % jumpSoundPeriod;
  jumpSoundMeter -= application->RandomInt(0, 5) * 15;
  application->PlaySound(jumpSound);
}

void CGame::ReleaseWaves() {
  if (waveCount >= wavesPerGame) return;
  if (waveDelay != 0) {
    waveDelay -= 1;
    return;
  }
  ReleaseWave();
  waveDelay = ticksBetweenWaves;
  waveCount += 1;
}

// The frogs of a wave all start on the centre of the map and spread out like
// the spokes of a wheel.
void CGame::ReleaseWave() {
  for (int i = 0; i < frogsPerWave; ++i) {
    const double r = application->RandomReal();
    frogs.Append(CFrog(0, 0, 0, (r + r) * pi));
    StartNextJump(frogs.Last());
  }
}

void CGame::MoveCars() {
  for (int i = 0; i < cars.Count(); ++i) {
    CCar& car = cars.At(i);
    if (!car.IsMoving()) SteerCar(car);
    car.Advance();
  }
}

// A standing car picks its next cell among the open exits, never turning back
// unless it has no other way. With every way blocked it waits.
void CGame::SteerCar(CCar& car) {
  const int column = CRoadMap::IndexOf(car.X());
  const int row = CRoadMap::IndexOf(car.Y());
  CellExits exits = OpenExits(column, row);
  const int openCount = exits.OpenCount();
  if (openCount == 0) return;
  if (openCount >= 2) exits.*ExitFlag(Opposite(DirectionOf(car.Heading()))) = 0;
  const Direction direction = ChooseExit(*application, exits);
  car.SetHeading(HeadingOf(direction));
  const int targetColumn = column + (direction == East) - (direction == West);
  const int targetRow = row + (direction == South) - (direction == North);
  car.StartMove(CRoadMap::CentreOf(targetColumn), CRoadMap::CentreOf(targetRow));
}

// The cell's exits, less those leading into a blocked cell. A block on the
// cell itself does not hold back a car already standing there.
CellExits CGame::OpenExits(int column, int row) const {
  CellExits exits = roadMap->GetCell(column, row);
  for (int i = 0; i < roadBlocks.Count(); ++i) {
    const RoadBlock& block = roadBlocks.At(i);
    if (block.column == column - 1 && block.row == row) exits.west = 0;
    if (block.column == column + 1 && block.row == row) exits.east = 0;
    if (block.column == column && block.row == row - 1) exits.north = 0;
    if (block.column == column && block.row == row + 1) exits.south = 0;
  }
  return exits;
}

Direction CGame::ChooseExit(tlib::IStuff& stuff, const CellExits& exits) {
  int remaining = stuff.RandomInt(0, exits.OpenCount() - 1);
  for (Direction direction : directions) {
    if (exits.*ExitFlag(direction) != 0 && remaining-- == 0) return direction;
  }
  throw tlib::TException(u"Programmer stupidity error :(");
}

// However many frogs are run over in a tick, one splat sound marks it.
void CGame::SplatFrogs() {
  bool splatSounded = false;
  for (int i = frogs.Count() - 1; i >= 0; --i) {
    if (!IsRunOver(frogs.At(i))) continue;
    frogs.RemoveAt(i);
    splattedCount += 1;
    if (!splatSounded) {
      splatSounded = true;
      application->PlaySound(splatSound);
    }
  }
}

bool CGame::IsRunOver(const CFrog& frog) const {
  for (int i = 0; i < cars.Count(); ++i) {
    if (Touches(cars.At(i), frog)) return true;
  }
  return false;
}

// Maps the mouse to the world through the visible area at the current zoom
// and checks whether the cell under it is a straight road that can take a
// block. The cell is kept when the cursor leaves the map.
void CGame::FindCursorCell() {
  const double visibleWidth = ((zoom - 2) / 1022 * 510.5 + 1.5) * 2;
  const double visibleHeight = ((zoom - 2) / 1022 * 382.875 + 1.125) * 2;
  const double worldX = static_cast<double>(mouseX - 512) / 1023 * visibleWidth + cameraX;
  const double worldY = static_cast<double>(mouseY - 384) / 767 * visibleHeight + cameraY;
  const int column = CursorIndexOf(worldX, roadMap->Width());
  const int row = CursorIndexOf(worldY, roadMap->Height());
  if (column < 0 || row < 0) {
    cursorValid = false;
    return;
  }
  cursorColumn = column;
  cursorRow = row;
  const CellExits exits = roadMap->GetCell(column, row);
  const bool westEast = exits.west && exits.east && !exits.north && !exits.south;
  const bool northSouth = !exits.west && !exits.east && exits.north && exits.south;
  cursorValid = westEast || northSouth;
  if (cursorValid) cursorOrientation = westEast ? 1 : 0;
}
