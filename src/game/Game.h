// One game: a freshly generated road map with sixteen cars, five waves of
// twenty frogs released from the centre, the player's road blocks and cursor,
// the camera and the two scores. The application drives it once per tick:
// SetMousePosition, ZoomOut while A is held, Update, Render.
#pragma once

#include <memory>

#include "game/Car.h"
#include "game/Frog.h"
#include "game/GameHost.h"
#include "game/RoadBlock.h"
#include "game/RoadMap.h"
#include "math/Matrix4.h"
#include "tlib/Array.h"

class CRenderDevice;

// The streets of a game and its cars as they stand before the first tick.
struct Town {
  std::unique_ptr<CRoadMap> roadMap;
  tlib::TArray<CCar> cars;
};

class CGame {
 public:
  static constexpr int mapSize = 65;
  static constexpr int wavesPerGame = 5;
  static constexpr int frogsPerWave = 20;
  static constexpr int maxRoadBlocks = 5;
  static constexpr int roadTextureCount = 11;
  static constexpr int carKindCount = 3;

  // Generates the town, then fetches the resources. Every random draw of the
  // construction comes before the first resource.
  explicit CGame(IGameHost* application);
  // A game in a town laid out beforehand, street by street and car by car;
  // nothing is drawn while it is built.
  CGame(IGameHost* application, Town town);
  CGame(const CGame&) = delete;
  CGame& operator=(const CGame&) = delete;

  // The cursor in client pixels, clamped to the 1024 x 768 client area.
  void SetMousePosition(int x, int y);
  // Widens the view; the update eases it back.
  void ZoomOut();
  // Puts a block on the straight cell under the cursor, or takes it away.
  void ToggleRoadBlock();
  // One 20 ms tick of the game.
  void Update();
  // Draws the scene from the camera (defined with the presentation code).
  void Render(CRenderDevice* device);
  // The road tile for a cell's links (defined with the presentation code).
  CTexture* RoadTextureFor(const CellExits& exits) const;

  // One open exit of `exits` at random, counted east, south, west, north.
  // Always draws one number, even when only one exit is open.
  static Direction ChooseExit(tlib::IStuff& stuff, const CellExits& exits);

  const Matrix4& Projection() const { return projection; }
  int MouseX() const { return mouseX; }
  int MouseY() const { return mouseY; }
  double CameraX() const { return cameraX; }
  double CameraY() const { return cameraY; }
  double Zoom() const { return zoom; }
  const tlib::TArray<CFrog>& Frogs() const { return frogs; }
  int WaveCount() const { return waveCount; }
  int WaveDelay() const { return waveDelay; }
  const CRoadMap& GetRoadMap() const { return *roadMap; }
  const tlib::TArray<CCar>& Cars() const { return cars; }
  bool CursorValid() const { return cursorValid; }
  int CursorColumn() const { return cursorColumn; }
  int CursorRow() const { return cursorRow; }
  int CursorOrientation() const { return cursorOrientation; }
  const tlib::TArray<RoadBlock>& RoadBlocks() const { return roadBlocks; }
  int SavedCount() const { return savedCount; }
  int SplattedCount() const { return splattedCount; }

 private:
  // A new map, then the cars on random road cells, kind by kind.
  static Town GenerateTown(tlib::IStuff& stuff);
  void SetUpProjection();
  void LoadResources();

  void ScrollCamera();
  void EaseZoom();
  void MoveFrogs();
  void StartNextJump(CFrog& frog);
  void SoundJumps();
  void ReleaseWaves();
  void ReleaseWave();
  void MoveCars();
  void SteerCar(CCar& car);
  CellExits OpenExits(int column, int row) const;
  void SplatFrogs();
  bool IsRunOver(const CFrog& frog) const;
  void FindCursorCell();
  int FindRoadBlock(int column, int row) const;

  IGameHost* application;
  Matrix4 projection;
  int mouseX;
  int mouseY;
  CSprite* cursorSprite;
  double cameraX;
  double cameraY;
  double zoom;
  double zoomRest;
  tlib::TArray<CFrog> frogs;
  int waveCount;
  int waveDelay;
  CTexture* frogTexture;
  Sound jumpSound;
  int jumpSoundMeter;
  int jumpSoundPeriod;
  std::unique_ptr<CRoadMap> roadMap;
  CTexture* roadTextures[roadTextureCount];
  tlib::TArray<CCar> cars;
  CTexture* carTextures[carKindCount];
  Sound splatSound;
  bool cursorValid;
  int cursorColumn;
  int cursorRow;
  int cursorOrientation;
  tlib::TArray<RoadBlock> roadBlocks;
  CTexture* roadBlockTexture;
  int savedCount;
  int splattedCount;
  CSprite* frogSavedSprite;
  CSprite* frogSplattedSprite;
};
