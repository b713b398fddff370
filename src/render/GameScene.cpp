// Drawing a running game: a perspective view straight down onto the ground
// plane from the camera, then a screen-space overlay with the two counters and
// the mouse cursor. World x grows to the right and world y downward; "up",
// towards the camera, is -z.
#include <cmath>
#include <cstdint>

#include "game/Game.h"
#include "math/Matrix4.h"
#include "math/Vector3.h"
#include "render/RenderDevice.h"
#include "render/ScreenSpace.h"
#include "render/Sprite.h"
#include "render/Vertex.h"
#include "tlib/Exception.h"

namespace {

constexpr std::uint32_t groundColour = 0xFF54A543;
// Far beyond the map's edge at +-260, so no view shows where the ground ends.
constexpr float groundHalfSize = 2400;
// Objects turn about the axis that points at the camera from below the
// ground, so a positive angle turns from +x toward +y, clockwise on screen.
constexpr Vector3 turnAxis{0, 0, -1};

constexpr double roadHalfSize = CRoadMap::cellSize / 2.0;
constexpr double frogHalfSize = 1;
constexpr double carHalfSize = 2.5;
constexpr double roadBlockHalfWidth = 2.3;
constexpr double roadBlockHalfDepth = 0.75;

// Road textures by index, as "Road%d" names them.
enum RoadTexture : int {
  NorthSouth = 0,
  WestEast = 1,
  NorthEastBend = 2,
  NorthWestBend = 3,
  SouthEastBend = 4,
  SouthWestBend = 5,
  NoWest = 6,
  NoSouth = 7,
  NoEast = 8,
  NoNorth = 9,
  Crossing = 10,
};

RoadTexture RoadTextureIndexFor(const CellExits& exits) {
  bool w = exits.west != 0, e = exits.east != 0, n = exits.north != 0, s = exits.south != 0;
  if (n && e && s && w) return Crossing;
  if (n && e && s) return NoWest;
  if (n && e && w) return NoSouth;
  if (n && s && w) return NoEast;
  if (e && s && w) return NoNorth;
  if (n && e) return NorthEastBend;
  if (n && w) return NorthWestBend;
  if (e && s) return SouthEastBend;
  if (s && w) return SouthWestBend;
  if (n || s) return NorthSouth;  // a straight piece or a dead end open north or south
  if (w || e) return WestEast;
  throw tlib::TException(u"Unknown road texture");
}

// A textured rectangle centred on the object's origin, with half-sizes a
// along local x and b along local y. The picture's top edge is the object's
// -y side, and both triangles are clockwise on screen.
void DrawQuad(CRenderDevice* device, double a, double b, CTexture* texture) {
  auto fa = static_cast<float>(a);
  auto fb = static_cast<float>(b);
  TexturedVertex v1{-fa, -fb, 0, 0, 0};
  TexturedVertex v2{fa, -fb, 0, 1, 0};
  TexturedVertex v3{-fa, fb, 0, 0, 1};
  TexturedVertex v4{fa, fb, 0, 1, 1};
  device->DrawTexturedTriangle(v1, v2, v3, texture);
  device->DrawTexturedTriangle(v2, v4, v3, texture);
}

// Places the next object: turned about its own origin, then moved to (x, y, z).
void PlaceObject(CRenderDevice* device, double angle, const Vector3& position) {
  device->SetTransform(TransformKind::World,
                       Matrix4::RotationAxis(turnAxis, angle) * Matrix4::Translation(position));
}

void DrawGround(CRenderDevice* device) {
  ColouredVertex v1{-groundHalfSize, -groundHalfSize, 0, groundColour};
  ColouredVertex v2{groundHalfSize, -groundHalfSize, 0, groundColour};
  ColouredVertex v3{-groundHalfSize, groundHalfSize, 0, groundColour};
  ColouredVertex v4{groundHalfSize, groundHalfSize, 0, groundColour};
  device->DrawColouredTriangle(v1, v2, v3);
  device->DrawColouredTriangle(v2, v4, v3);
}

// Whether a road cell centred at (x, y) can show in the window: the view
// reaches as far across the ground as the camera's height over the
// projection's scale, and a cell cut by the window's edge still shows.
bool InView(double x, double y, double cameraX, double cameraY, double zoom,
            const Matrix4& projection) {
  const double reachX = zoom / std::abs(projection[0][0]) + roadHalfSize + 1;
  const double reachY = zoom / std::abs(projection[1][1]) + roadHalfSize + 1;
  return std::abs(x - cameraX) <= reachX && std::abs(y - cameraY) <= reachY;
}

void DrawRoadBlock(CRenderDevice* device, const RoadBlock& block, CTexture* texture) {
  PlaceObject(device, block.orientation * halfPi,
              {CRoadMap::CentreOf(block.column), CRoadMap::CentreOf(block.row), 0});
  DrawQuad(device, roadBlockHalfWidth, roadBlockHalfDepth, texture);
}

}  // namespace

CTexture* CGame::RoadTextureFor(const CellExits& exits) const {
  return roadTextures[RoadTextureIndexFor(exits)];
}

void CGame::Render(CRenderDevice* device) {
  device->SetTransform(TransformKind::Projection, projection);
  device->SetTransform(TransformKind::View,
                       Matrix4::Translation(-Vector3{cameraX, cameraY, -zoom}));
  device->SetTransform(TransformKind::World, Matrix4::Identity());
  DrawGround(device);

  // Only the cells in view: the rest would cost a transform each and show nothing.
  for (int row = 0; row < roadMap->Height(); ++row) {
    for (int column = 0; column < roadMap->Width(); ++column) {
      CellExits exits = roadMap->GetCell(column, row);
      const double x = CRoadMap::CentreOf(column);
      const double y = CRoadMap::CentreOf(row);
      if (!exits.IsRoad() || !InView(x, y, cameraX, cameraY, zoom, projection)) continue;
      device->SetTransform(TransformKind::World, Matrix4::Translation({x, y, 0}));
      DrawQuad(device, roadHalfSize, roadHalfSize, RoadTextureFor(exits));
    }
  }

  // A jumping frog is lifted towards the camera, so it looks larger.
  for (int i = 0; i < frogs.Count(); ++i) {
    const CFrog& frog = frogs.At(i);
    PlaceObject(device, frog.Angle(), {frog.X(), frog.Y(), -frog.Z()});
    DrawQuad(device, frogHalfSize, frogHalfSize, frogTexture);
  }

  for (int i = 0; i < cars.Count(); ++i) {
    const CCar& car = cars.At(i);
    PlaceObject(device, car.Heading(), {car.X(), car.Y(), 0});
    DrawQuad(device, carHalfSize, carHalfSize, carTextures[car.Kind()]);
  }

  for (int i = 0; i < roadBlocks.Count(); ++i)
    DrawRoadBlock(device, roadBlocks.At(i), roadBlockTexture);
  // The block under the cursor looks just like a placed one.
  if (cursorValid) {
    DrawRoadBlock(device, {cursorColumn, cursorRow, cursorOrientation}, roadBlockTexture);
  }

  UseScreenSpace(device);
  device->DrawSprite(frogSavedSprite, 850, 20, 0, 0);
  application->DrawNumber(savedCount, 900, 24);
  device->DrawSprite(frogSplattedSprite, 850, 70, 0, 0);
  application->DrawNumber(splattedCount, 900, 74);
  device->DrawSprite(cursorSprite, mouseX, mouseY, 0.5, 0.5);
}
