// The game's scene as the window shows it: in a town that is road from edge to
// edge, road must reach every edge of the window, wherever the camera is and
// however far the view is widened.
#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "SeededStuff.h"
#include "TestDevice.h"
#include "game/Game.h"
#include "game/GameHost.h"
#include "tests/platform/HeadlessFixture.h"

using render_test::TestDevice;

namespace {

constexpr std::uint32_t roadColour = 0xFF303030;
constexpr std::uint32_t seeThrough = 0x00000000;

// Road tiles of one colour; every other picture, and every sprite, invisible.
class DrawingHost final : public IGameHost {
 public:
  explicit DrawingHost(CRenderDevice& device) : device_(device) {}
  int RandomInt(int min, int max) override { return random_.RandomInt(min, max); }
  double RandomReal() override { return random_.RandomReal(); }
  CTexture* LoadTexture(tlib::TString name) override {
    const bool road = name.Find(u"Road") == 0;
    return device_.CreateTexture(1, 1, road ? &roadColour : &seeThrough);
  }
  CSprite* LoadSprite(tlib::TString) override { return device_.CreateSprite(1, 1, &seeThrough); }
  Sound LoadSound(tlib::TString) override { return nullptr; }
  void PlaySound(Sound) override {}
  void ReportResult(int, int) override {}
  void DrawNumber(int, int, int) override {}

 private:
  CRenderDevice& device_;
  CSeededStuff random_{1};
};

class GameScene : public HeadlessFixture {};

TEST_F(GameScene, RoadReachesEveryEdgeOfTheWindowInATownOfRoads) {
  TestDevice device(1024, 768);
  DrawingHost host(device.Render());
  Town town{std::make_unique<CRoadMap>(CGame::mapSize, CGame::mapSize), {}};
  for (int cell = 0; cell < CGame::mapSize * CGame::mapSize; ++cell)
    town.roadMap->SetLinks(cell % CGame::mapSize, cell / CGame::mapSize, 1, 1, 1, 1);
  CGame game(&host, std::move(town));

  auto expectRoadAlongTheEdges = [&](const char* view) {
    device.BeginFrame(0xFF000000);
    game.Render(&device.Render());
    const platform_test::PresentedFrame frame = device.EndFrame();
    // A column or row of cells left out at an edge shows at that edge's corners.
    const std::pair<int, int> corners[] = {{0, 0}, {1023, 0}, {0, 767}, {1023, 767}};
    for (const auto& [x, y] : corners)
      EXPECT_EQ(roadColour, frame.Colour(x, y) | 0xFF000000) << view << " at " << x << ", " << y;
  };
  expectRoadAlongTheEdges("at rest");
  for (int widening = 0; widening < 3; ++widening) game.ZoomOut();
  expectRoadAlongTheEdges("widened");
  // The mouse at the top left corner scrolls the camera up and left.
  game.SetMousePosition(0, 0);
  for (int tick = 0; tick < 20; ++tick) game.Update();
  expectRoadAlongTheEdges("scrolled");
}

}  // namespace
