#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "FileGate.h"
#include "FrameChecks.h"
#include "GameData.h"
#include "Player.h"
#include "ScratchFolder.h"
#include "StoredResult.h"
#include "platform/testing/HeadlessControls.h"
#include "platform/testing/HeadlessSound.h"
#include "platform/testing/TestControls.h"
#include "render/Sprite.h"
#include "tlib/ThrowsMessage.h"

namespace fs = std::filesystem;
using namespace frame_checks;

namespace {

// The first seed from 1 up whose game, played with the mouse at rest, passes.
std::uint32_t FindSeed(const std::function<bool(ShadowGame&)>& wanted) {
  for (std::uint32_t seed = 1;; ++seed) {
    ShadowGame shadow(seed);
    shadow.Start();
    if (wanted(shadow)) return seed;
  }
}

bool EndsWithin(ShadowGame& shadow, int ticks) {
  for (int tick = 0; tick < ticks; ++tick) {
    if (!shadow.Tick(512, 384, false)) return true;
  }
  return false;
}

bool CentreIsRoad(ShadowGame& shadow) {
  return shadow.Game().GetRoadMap().GetCell(32, 32).IsRoad();
}

Camera CameraOf(const CGame& game) { return {game.CameraX(), game.CameraY(), game.Zoom()}; }

// Whether the cursor picture, centred on the mouse, covers the pixel or one
// next to it with anything but fully transparent texels.
bool CoveredByCursor(const CBitmap& cursor, int mouseX, int mouseY, int x, int y) {
  int left = mouseX - cursor.Width() / 2;
  int top = mouseY - cursor.Height() / 2;
  for (int row = y - top - 1; row <= y - top + 1; ++row) {
    for (int column = x - left - 1; column <= x - left + 1; ++column) {
      if (row < 0 || column < 0 || row >= cursor.Height() || column >= cursor.Width()) continue;
      if ((cursor.Pixels()[row * cursor.Width() + column] >> 24) != 0) return true;
    }
  }
  return false;
}

// Whether a pixel may be covered by a frog, a car or the counters.
Hidden CoveredByTraffic(const CGame& game) {
  Camera camera = CameraOf(game);
  return [&game, camera](int x, int y) {
    if (x >= 840 && y < 140) return true;  // the counters
    double wx = camera.WorldX(x);
    double wy = camera.WorldY(y);
    auto near = [wx, wy](double ox, double oy, double radius) {
      return std::hypot(wx - ox, wy - oy) < radius;
    };
    for (int i = 0; i < game.Frogs().Count(); ++i) {
      const CFrog& frog = game.Frogs().At(i);
      // A jumping frog is nearer the camera: larger, and further out.
      double lift = (camera.zoom + 1) / (camera.zoom + 1 - frog.Z());
      if (near(camera.x + (frog.X() - camera.x) * lift, camera.y + (frog.Y() - camera.y) * lift,
               1.5 * lift + 0.5)) {
        return true;
      }
    }
    for (int i = 0; i < game.Cars().Count(); ++i) {
      if (near(game.Cars().At(i).X(), game.Cars().At(i).Y(), 4)) return true;
    }
    return false;
  };
}

// Whether a pixel may be covered by something other than the ground and the
// road tiles: the traffic, the cursor or a road block (unless left out).
Hidden CoveredByObjects(const CGame& game, bool roadBlocksToo = true) {
  std::shared_ptr<CBitmap> cursor = Picture(u"Cursor");
  Camera camera = CameraOf(game);
  Hidden traffic = CoveredByTraffic(game);
  return [&game, camera, cursor, traffic, roadBlocksToo](int x, int y) {
    if (traffic(x, y)) return true;
    if (CoveredByCursor(*cursor, game.MouseX(), game.MouseY(), x, y)) return true;
    if (!roadBlocksToo) return false;
    int column = CRoadMap::IndexOf(camera.WorldX(x));
    int row = CRoadMap::IndexOf(camera.WorldY(y));
    for (int i = 0; i < game.RoadBlocks().Count(); ++i) {
      const RoadBlock& block = game.RoadBlocks().At(i);
      if (block.column == column && block.row == row) return true;
    }
    return game.CursorValid() && game.CursorColumn() == column && game.CursorRow() == row;
  };
}

// Cells with an odd column and an odd row never hold a road: wherever the
// frame shows one and nothing stands on it, it shows the ground.
testing::AssertionResult ShowsGroundOffTheRoads(const PresentedFrame& frame, const CGame& game,
                                                const Hidden& hidden) {
  Camera camera = CameraOf(game);
  int checked = 0;
  for (int row = 1; row < 65; row += 2) {
    for (int column = 1; column < 65; column += 2) {
      int x = static_cast<int>(camera.ScreenX(CRoadMap::CentreOf(column)));
      int y = static_cast<int>(camera.ScreenY(CRoadMap::CentreOf(row)));
      if (x < 2 || y < 2 || x > 1021 || y > 765 || hidden(x, y)) continue;
      ++checked;
      auto filled = IsFilled(frame, x - 1, y - 1, 3, 3, groundColour);
      if (!filled) return filled << " (cell " << column << ", " << row << ")";
    }
  }
  if (checked < 10) return testing::AssertionFailure() << "only " << checked << " cells in view";
  return testing::AssertionSuccess();
}

// The road tile of a cell as the map's links choose it, found by name
// through the shadow game's resources.
tlib::TString RoadTextureName(ShadowGame& shadow, int column, int row) {
  CTexture* texture = shadow.Game().RoadTextureFor(shadow.Game().GetRoadMap().GetCell(column, row));
  for (int index = 0; index <= 10; ++index) {
    tlib::TString name = tlib::TString::Format(u"Road%d", index);
    if (const_cast<CSimulationHost&>(shadow.Host()).LoadTexture(name) == texture) return name;
  }
  ADD_FAILURE() << "no road texture for cell (" << column << ", " << row << ")";
  return u"Road0";
}

// The number drawn from (x, y) with the digit pictures, each at the right of
// the one before.
testing::AssertionResult ShowsNumber(const PresentedFrame& frame, int value, int x, int y) {
  tlib::TString digits = tlib::TString::Format(u"%d", value);
  for (int i = 0; i < digits.Length(); ++i) {
    auto digit = Picture(tlib::TString::Format(u"Digit%d", digits.CStr()[i] - u'0'));
    auto shown = ShowsPicture(frame, *digit, x, y);
    if (!shown) return shown << " (digit " << i << " of " << value << ")";
    x += digit->Width();
  }
  return testing::AssertionSuccess();
}

testing::AssertionResult ShowsBestResult(const PresentedFrame& frame, int saved, int splatted) {
  auto savedIcon = ShowsPicture(frame, *Picture(u"FrogSaved"), 200, 600);
  if (!savedIcon) return savedIcon;
  auto savedCount = ShowsNumber(frame, saved, 250, 604);
  if (!savedCount) return savedCount;
  auto splattedIcon = ShowsPicture(frame, *Picture(u"FrogSplatted"), 600, 600);
  if (!splattedIcon) return splattedIcon;
  return ShowsNumber(frame, splatted, 650, 604);
}

testing::AssertionResult ShowsTitleScreen(const PresentedFrame& frame) {
  return ShowsSprite(frame, *Picture(u"Title"), 512, 384, 0.5, 0.5);
}

class Application : public testing::Test {
 protected:
  void SetUp() override { CopyGameData(folder_.Path()); }

  ScratchFolder folder_;
};

// The overlay of a game frame: both counters and the cursor.
void ExpectOverlay(const PresentedFrame& frame, const CGame& game) {
  EXPECT_TRUE(ShowsPicture(frame, *Picture(u"FrogSaved"), 850, 20));
  EXPECT_TRUE(ShowsNumber(frame, game.SavedCount(), 900, 24));
  EXPECT_TRUE(ShowsPicture(frame, *Picture(u"FrogSplatted"), 850, 70));
  EXPECT_TRUE(ShowsNumber(frame, game.SplattedCount(), 900, 74));
  EXPECT_TRUE(ShowsSprite(frame, *Picture(u"Cursor"), game.MouseX(), game.MouseY(), 0.5, 0.5));
}

TEST_F(Application, PlaysAGameToItsEndAndShowsTheNewBestResult) {
  std::uint32_t seed = FindSeed([](ShadowGame& shadow) { return EndsWithin(shadow, 80); });
  Player player(seed);
  ApplicationRun& run = player.Run();
  player.ThenWaitForTitleScreen();
  run.ThenDo([&] {
    EXPECT_TRUE(ShowsTitleScreen(run.Frame()));
    EXPECT_FALSE(ShowsPicture(run.Frame(), *Picture(u"FrogSaved"), 200, 600));
  });
  run.ThenDo([&] { player.MoveMouse(700, 300); });
  player.ThenStartGame();
  run.ThenDo([&] {
    // Each sound cuts off the one before: of the first tick's sounds, the newest is heard.
    ASSERT_FALSE(player.Shadow().Host().PlayedSounds().empty());
    const std::string newest = player.Shadow().Host().PlayedSounds().back();
    auto expected = platform::DecodedSound::FromWaveFile(
        ScratchFolder::Read("Data/" + newest + ".wav"), [] { return false; });
    platform_test::WaitForSoundDecoding();
    ASSERT_FALSE(platform_test::StartedSounds().empty());
    EXPECT_EQ(expected->samples, platform_test::StartedSounds().back()->samples)
        << newest << ", the newest sound of the first tick";
  });
  player.ThenPlayToTheEnd();
  run.ThenDo([&] {
    // The tick that ended the game drew it one last time.
    EXPECT_EQ(player.LastGameEndedInTick(), run.Ticks());
    CGame& game = player.Shadow().Game();
    ExpectOverlay(run.Frame(), game);
    EXPECT_TRUE(ShowsGroundOffTheRoads(run.Frame(), game, CoveredByObjects(game)));
  });
  run.ThenWaitTicks(1);
  run.ThenDo([&] {
    auto [saved, splatted] = *player.Shadow().Host().Result();
    EXPECT_TRUE(ShowsTitleScreen(run.Frame()));
    EXPECT_TRUE(ShowsBestResult(run.Frame(), saved, splatted));
    EXPECT_EQ(StoredResult(saved, splatted), ScratchFolder::Read("Highscore.dat"));
    // Every picture and sound is loaded now: the next game reads no file.
    fs::remove_all("Data");
  });
  player.ThenStartGame();
  run.ThenWaitTicks(2);
  run.ThenDo([&] { player.PressEscape(); });
  run.Play();
}

TEST_F(Application, KeepsAStoredBestResultThatAGameOnlyEquals) {
  std::uint32_t seed = FindSeed([](ShadowGame& shadow) {
    return EndsWithin(shadow, 80) && shadow.Host().Result()->saved == 0;
  });
  ScratchFolder::Write("Highscore.dat", StoredResult(0, 107));
  Player player(seed);
  ApplicationRun& run = player.Run();
  player.ThenWaitForTitleScreen();
  run.ThenDo([&] { EXPECT_TRUE(ShowsBestResult(run.Frame(), 0, 107)); });
  player.ThenStartGame();
  player.ThenPlayToTheEnd();
  run.ThenWaitTicks(1);
  run.ThenDo([&] {
    EXPECT_TRUE(ShowsBestResult(run.Frame(), 0, 107));
    EXPECT_EQ(StoredResult(0, 107), ScratchFolder::Read("Highscore.dat"));
  });
  run.ThenDo([&] { player.PressEscape(); });
  run.Play();
}

// A straight road cell near the middle of the view, away from the frogs'
// centre, that a road block can stand on.
RoadBlock StraightCellInView(const CGame& game) {
  for (int distance = 3; distance < 8; ++distance) {
    for (int row = 32 - distance; row <= 32 + distance; ++row) {
      for (int column = 32 - distance; column <= 32 + distance; ++column) {
        CellExits exits = game.GetRoadMap().GetCell(column, row);
        bool westEast = exits.west && exits.east && !exits.north && !exits.south;
        bool northSouth = !exits.west && !exits.east && exits.north && exits.south;
        if (westEast || northSouth) return {column, row, westEast ? 1 : 0};
      }
    }
  }
  ADD_FAILURE() << "no straight road near the middle";
  return {};
}

GroundQuad RoadBlockQuad(const RoadBlock& block) {
  return {CRoadMap::CentreOf(block.column), CRoadMap::CentreOf(block.row),
          block.orientation * 1.5707963267948966, 2.3, 0.75};
}

GroundQuad RoadTileQuad(int column, int row) {
  return {CRoadMap::CentreOf(column), CRoadMap::CentreOf(row), 0, 4, 4};
}

TEST_F(Application, ClicksPutAndTakeAwayRoadBlocksUnderTheCursor) {
  std::uint32_t seed = FindSeed([](ShadowGame& shadow) { return !EndsWithin(shadow, 150); });
  Player player(seed);
  ApplicationRun& run = player.Run();
  CGame* game = nullptr;
  RoadBlock target{};
  // The middle of the cell, where its block stands.
  auto pointAt = [&](const RoadBlock& cell) {
    Camera camera = CameraOf(*game);
    player.MoveMouse(static_cast<int>(camera.ScreenX(CRoadMap::CentreOf(cell.column))),
                     static_cast<int>(camera.ScreenY(CRoadMap::CentreOf(cell.row))));
  };
  // The cursor's middle is see-through: a block under it shows whole.
  auto showsBlockUnderTheCursor = [&] {
    return ShowsQuad(run.Frame(), CameraOf(*game), *Picture(u"RoadBlock"), RoadBlockQuad(target),
                     {}, CoveredByTraffic(*game));
  };
  // The centre of a cell that is never road.
  auto pointAway = [&] { player.MoveMouse(553, 425); };
  auto expectBlockAtTarget = [&](bool placed) {
    const PresentedFrame frame = run.Frame();
    auto block = Picture(u"RoadBlock");
    auto road = Picture(RoadTextureName(player.Shadow(), target.column, target.row));
    Hidden hidden = CoveredByObjects(*game, false);
    EXPECT_EQ(placed ? 1 : 0, game->RoadBlocks().Count());
    EXPECT_FALSE(game->CursorValid());
    if (placed) {
      EXPECT_TRUE(ShowsQuad(frame, CameraOf(*game), *block, RoadBlockQuad(target), {}, hidden));
    } else {
      EXPECT_TRUE(ShowsQuad(frame, CameraOf(*game), *road, RoadTileQuad(target.column, target.row),
                            groundColour, hidden));
    }
  };

  player.ThenWaitForTitleScreen();
  player.ThenStartGame();
  run.ThenDo([&] {
    game = &player.Shadow().Game();
    target = StraightCellInView(*game);
    pointAt(target);
  });
  run.ThenWaitTicks(1);
  run.ThenDo([&] {
    ASSERT_TRUE(game->CursorValid());
    EXPECT_EQ(target.column, game->CursorColumn());
    EXPECT_EQ(target.row, game->CursorRow());
    EXPECT_TRUE(showsBlockUnderTheCursor()) << "the block the cursor would place";
    player.Click();
  });
  run.ThenDo(pointAway);
  run.ThenWaitTicks(1);
  run.ThenDo([&] {
    expectBlockAtTarget(true);
    player.RightClick();  // only the left button places blocks
  });
  run.ThenWaitTicks(1);
  run.ThenDo([&] {
    expectBlockAtTarget(true);
    pointAt(target);
  });
  run.ThenWaitTicks(1);
  run.ThenDo([&] {
    EXPECT_TRUE(showsBlockUnderTheCursor()) << "the placed block";
    player.Click();
  });
  run.ThenDo(pointAway);
  run.ThenWaitTicks(1);
  run.ThenDo([&] {
    expectBlockAtTarget(false);
    player.PressEscape();
  });
  run.Play();
}

TEST_F(Application, DrawsTheTownFromTheCameraAndWidensTheViewWhileAIsHeld) {
  std::uint32_t seed =
      FindSeed([](ShadowGame& shadow) { return CentreIsRoad(shadow) && !EndsWithin(shadow, 150); });
  Player player(seed);
  ApplicationRun& run = player.Run();
  auto expectView = [&] {
    CGame& game = player.Shadow().Game();
    Hidden hidden = CoveredByObjects(game);
    EXPECT_TRUE(ShowsGroundOffTheRoads(run.Frame(), game, hidden));
    // Texels can be told apart while the view is not widened.
    if (game.Zoom() == 200) {
      auto road = Picture(RoadTextureName(player.Shadow(), 32, 32));
      EXPECT_TRUE(ShowsQuad(run.Frame(), CameraOf(game), *road, RoadTileQuad(32, 32), groundColour,
                            hidden));
    }
    ExpectOverlay(run.Frame(), game);
  };

  player.ThenWaitForTitleScreen();
  run.ThenDo([&] { player.MoveMouse(300, 600); });
  player.ThenStartGame();
  // The first wave has hopped away from the centre, the second is not out yet.
  run.ThenWaitTicks(30);
  run.ThenDo([&] {
    EXPECT_EQ(200, player.Shadow().Game().Zoom());
    expectView();
    player.HoldZoomKey(true);
  });
  run.ThenWaitTicks(40);
  run.ThenDo([&] {
    EXPECT_GT(player.Shadow().Game().Zoom(), 700);
    expectView();
    player.HoldZoomKey(false);
  });
  run.ThenWaitTicks(30);
  run.ThenDo([&] {
    EXPECT_EQ(200, player.Shadow().Game().Zoom());
    expectView();
    player.PressEscape();
  });
  run.Play();
}

enum class State { Loading, TitleScreen, Playing };

class EscapeEndsTheProgram : public Application, public testing::WithParamInterface<State> {};

TEST_P(EscapeEndsTheProgram, FromEveryState) {
  Player player(1);
  ApplicationRun& run = player.Run();
  if (GetParam() != State::Loading) player.ThenWaitForTitleScreen();
  if (GetParam() == State::Playing) player.ThenStartGame();
  run.ThenDo([&] { player.PressEscape(); });
  run.Play();
  EXPECT_FALSE(IsWindow(run.Application().MainWindowHandle()));
  EXPECT_EQ(1, platform_test::SoundStopCount()) << "closing stops the sound";
}

INSTANTIATE_TEST_SUITE_P(Application, EscapeEndsTheProgram,
                         testing::Values(State::Loading, State::TitleScreen, State::Playing),
                         [](const testing::TestParamInfo<State>& state) {
                           switch (state.param) {
                             case State::Loading: return "WhileLoading";
                             case State::TitleScreen: return "OnTheTitleScreen";
                             case State::Playing: return "DuringAGame";
                           }
                           return "";
                         });

// The suites that run the preloader's thread beside the main thread also run
// under ThreadSanitizer.
class ApplicationThreads : public Application {};

// Holds the preloader's thread before its first picture: another thread asks
// the application for a picture whose file is a pipe that nobody writes to
// yet, and the sprite registry stays locked while that load waits. Opening the
// gate fails that load (a pipe is no bitmap) and lets the preloader go on.
class FirstStageHold {
 public:
  explicit FirstStageHold(CApplication& application)
      : application_(application), gate_("Data/Hold.bmp") {
    // A platform thread, as the preloader's is: it gives back what the
    // bitmap reader keeps per thread.
    holder_ = CreateThread(nullptr, 0, &FirstStageHold::Hold, this, 0, nullptr);
    while (!holding_) std::this_thread::yield();
    // The load takes the registry's lock at once and then waits in the pipe.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ~FirstStageHold() {
    Release();
    WaitForSingleObject(holder_, INFINITE);
    CloseHandle(holder_);
  }
  void Release() { gate_.Open(); }

 private:
  static DWORD WINAPI Hold(LPVOID self) {
    auto* hold = static_cast<FirstStageHold*>(self);
    hold->holding_ = true;
    EXPECT_THROWS_MESSAGE(hold->application_.LoadSprite(u"Hold"), u"LoadImage() failed");
    return 0;
  }

  CApplication& application_;
  FileGate gate_;
  std::atomic<bool> holding_{false};
  HANDLE holder_;
};

TEST_F(ApplicationThreads, ShowsEmptyFramesThenTheTitleScreenAndStartsGamesOnlyOnceLoaded) {
  FileGate secondStage("Data/Splat.wav");
  Player player(1);
  ApplicationRun& run = player.Run();
  FirstStageHold firstStage(run.Application());
  run.ThenWaitTicks(3);
  run.ThenDo([&] {
    EXPECT_TRUE(IsClear(run.Frame()));
    player.PressEnter();
  });
  run.ThenWaitTicks(2);
  run.ThenDo([&] {
    EXPECT_TRUE(IsClear(run.Frame())) << "Enter starts no game while loading";
    firstStage.Release();
  });
  player.ThenWaitForTitleScreen();
  run.ThenDo([&] { player.PressEnter(); });
  run.ThenWaitTicks(3);
  run.ThenDo([&] {
    EXPECT_TRUE(ShowsTitleScreen(run.Frame())) << "Enter starts no game while loading";
    secondStage.Open();
  });
  player.ThenStartGame();
  run.ThenDo([&] { player.PressEscape(); });
  run.Play();
}

TEST_F(ApplicationThreads, ClosingTheWindowWhileLoadingWaitsForThePreloader) {
  FileGate secondStage("Data/Splat.wav");
  {
    Player player(1);
    player.ThenWaitForTitleScreen();
    player.Run().ThenDo([&] {
      platform_test::PressCloseButton();
      // The preloader finishes only while the application is being deleted.
      secondStage.Open(std::chrono::milliseconds(50));
    });
    player.Run().Play();
  }
  EXPECT_TRUE(secondStage.Passed()) << "the application went before its preloader";
}

}  // namespace
