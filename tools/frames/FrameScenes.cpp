#include "FrameScenes.h"

#include <optional>
#include <utility>

#include "FrameHost.h"
#include "game/Game.h"
#include "render/TitleScreen.h"

namespace {

// A game with four cars and a crowd of frogs in the resting view at its last tick.
constexpr std::uint32_t gameSeed = 118;
constexpr int ticksPlayed = 340;
// Holding A this long lets the zoom settle where the view is widest.
constexpr int zoomTicks = 100;
constexpr int blockCount = 4;
constexpr int ticksBetweenBlocks = 10;

struct Point {
  int x, y;
};

constexpr Point windowCentre{512, 384};

class TitleScene final : public CFrameScene {
 public:
  TitleScene(CFrameHost& host, std::optional<std::pair<int, int>> best) : title_(&host) {
    host.SetBestResult(best);
  }
  void Render(CRenderDevice* device) override { title_.Render(device); }

 private:
  CTitleScreen title_;
};

class GameScene final : public CFrameScene {
 public:
  explicit GameScene(std::unique_ptr<CGame> game) : game_(std::move(game)) {}
  void Render(CRenderDevice* device) override { game_->Render(device); }

 private:
  std::unique_ptr<CGame> game_;
};

bool IsStraight(const CellExits& exits) {
  return (exits.west && exits.east && !exits.north && !exits.south) ||
         (exits.north && exits.south && !exits.west && !exits.east);
}

// The client pixel of a cell's centre while the camera rests on the middle of
// the map: 8 world units a cell, 1024 / 201 pixels a world unit.
Point CellCentreOnScreen(int column, int row) {
  return Point{windowCentre.x + (column * 8 - 256) * 1024 / 201,
               windowCentre.y + (row * 8 - 256) * 1024 / 201};
}

// Straight road cells well inside the resting view, found from the map, where
// the mouse neither scrolls the view nor leaves the window.
std::vector<Point> StraightRoadsInView(const CGame& game) {
  std::vector<Point> found;
  const CRoadMap& map = game.GetRoadMap();
  for (int row = 27; row <= 37; ++row) {
    for (int column = 25; column <= 39; ++column) {
      if (IsStraight(map.GetCell(column, row))) found.push_back(CellCentreOnScreen(column, row));
    }
  }
  return found;
}

// The game of the fixed seed after its ticks, driven as the application
// drives it: the mouse, A while held, the update, and clicks between ticks.
// With blocks, the first straight roads in view get a block each, and the
// mouse then rests over the next one.
std::unique_ptr<CGame> PlayGame(CFrameHost& host, bool zoomOut, bool blocks) {
  host.Reseed(gameSeed);
  auto game = std::make_unique<CGame>(&host);
  const std::vector<Point> straights = blocks ? StraightRoadsInView(*game) : std::vector<Point>{};
  const int blocksPut = std::min<int>(blockCount, static_cast<int>(straights.size()) - 1);
  for (int tick = 0; tick < ticksPlayed; ++tick) {
    Point mouse = windowCentre;
    const int block = tick / ticksBetweenBlocks;
    const bool clicks = tick % ticksBetweenBlocks == 0 && block < blocksPut;
    if (!straights.empty()) mouse = straights[static_cast<std::size_t>(std::min(block, blocksPut))];
    game->SetMousePosition(mouse.x, mouse.y);
    if (zoomOut && tick >= ticksPlayed - zoomTicks) game->ZoomOut();
    game->Update();
    if (clicks) game->ToggleRoadBlock();
  }
  return game;
}

}  // namespace

const std::vector<std::string>& SceneNames() {
  static const std::vector<std::string> names = {"title", "title-best", "game", "game-zoomed-out",
                                                 "game-road-blocks"};
  return names;
}

std::unique_ptr<CFrameScene> MakeScene(const std::string& name, CFrameHost& host) {
  if (name == "title") return std::make_unique<TitleScene>(host, std::nullopt);
  if (name == "title-best") return std::make_unique<TitleScene>(host, std::pair{57, 43});
  if (name == "game") return std::make_unique<GameScene>(PlayGame(host, false, false));
  if (name == "game-zoomed-out") return std::make_unique<GameScene>(PlayGame(host, true, false));
  if (name == "game-road-blocks") return std::make_unique<GameScene>(PlayGame(host, false, true));
  return nullptr;
}
