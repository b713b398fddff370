#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "ApplicationRun.h"
#include "FrameChecks.h"
#include "ScratchFolder.h"
#include "Simulation.h"
#include "StoredResult.h"
#include "platform/testing/HeadlessControls.h"
#include "platform/testing/HeadlessSound.h"
#include "platform/testing/TestControls.h"
#include "tlib/ThrowsMessage.h"

namespace fs = std::filesystem;
using namespace frame_checks;
using platform_test::MouseButton;

namespace {

// A seed's first game as the simulator plays it, with the mouse at rest and
// no other input. The application draws its games from the same seeded
// source, so its first game must go the same way.
struct ForetoldGame {
  std::uint32_t seed;
  // How many ticks it ran, its result in the last of them.
  int ticks;
  GameResult result;
  std::vector<std::string> firstTickSounds;
};

// The first seed from 1 up whose game ends within `ticks` ticks, or (with
// `ends` false) runs on beyond them.
ForetoldGame Foretell(bool ends, int ticks) {
  for (std::uint32_t seed = 1;; ++seed) {
    CSimulation game(seed, {});
    game.RunTick();
    std::vector<std::string> firstTickSounds = game.Host().PlayedSounds();
    while (!game.HasEnded() && game.TicksRun() < ticks) game.RunTick();
    if (game.HasEnded() != ends) continue;
    return {seed, game.TicksRun(), game.Host().Result().value_or(GameResult{}), firstTickSounds};
  }
}

void PressEscape() { platform_test::InjectKeyDown(VK_ESCAPE); }

class Application : public testing::Test {
 protected:
  void SetUp() override { CopyGameData(folder_.Path()); }

  ScratchFolder folder_;
};

TEST_F(Application, PlaysOneGameAfterAnotherAndKeepsTheBestResult) {
  const ForetoldGame first = Foretell(true, 80);
  const auto [saved, splatted] = first.result;
  ApplicationRun run(first.seed);
  int gameFrames = 0;
  PresentedFrame lastGameFrame;
  PresentedFrame titleScreen;
  run.ThenWaitForTitleScreen();
  run.ThenDo([&] { titleScreen = run.Frame(); });
  run.ThenStartGame();
  // Pictures are read for the checks only once the preloader's thread is done.
  run.ThenDo([&] {
    EXPECT_FALSE(ShowsCount(titleScreen, u"FrogSaved", saved, 200, 600)) << "no best result yet";
    // Each sound cuts off the one before: of the first tick's sounds, the
    // newest is heard.
    ASSERT_FALSE(first.firstTickSounds.empty());
    auto newest = platform::DecodedSound::FromWaveFile(
        ScratchFolder::Read("Data/" + first.firstTickSounds.back() + ".wav"), [] { return false; });
    platform_test::WaitForSoundDecoding();
    ASSERT_FALSE(platform_test::StartedSounds().empty());
    EXPECT_EQ(newest->samples, platform_test::StartedSounds().back()->samples);
  });
  // Once a tick, from the game's first, until the title screen is back.
  run.Then([&] {
    PresentedFrame frame = run.Frame();
    if (!ShowsAGame(frame)) return true;
    ++gameFrames;
    lastGameFrame = std::move(frame);
    return false;
  });
  run.ThenDo([&] {
    // The tick that ended the game drew it one last time, with its result.
    EXPECT_EQ(first.ticks, gameFrames);
    EXPECT_TRUE(ShowsCount(lastGameFrame, u"FrogSaved", saved, 850, 20));
    EXPECT_TRUE(ShowsCount(lastGameFrame, u"FrogSplatted", splatted, 850, 70));
    // The cursor's middle pixel shows where the mouse is.
    EXPECT_TRUE(ShowsPicture(lastGameFrame, *Picture(u"Cursor"), 512 - 20, 384 - 20));
    EXPECT_TRUE(ShowsCount(run.Frame(), u"FrogSaved", saved, 200, 600));
    EXPECT_TRUE(ShowsCount(run.Frame(), u"FrogSplatted", splatted, 600, 600));
    EXPECT_EQ(StoredResult(saved, splatted), ScratchFolder::Read("Highscore.dat"));
    // Every picture and sound is loaded by now: the next game reads no file.
    fs::rename("Data", "Data.away");
  });
  run.ThenStartGame();
  PresentedFrame secondGameStart;
  run.ThenDo([&] {
    fs::rename("Data.away", "Data");
    secondGameStart = run.Frame();
  });
  run.ThenWaitTicks(100);
  run.ThenDo([&] {
    EXPECT_TRUE(ShowsAGame(run.Frame())) << "the second game runs on";
    EXPECT_NE(secondGameStart.pixels, run.Frame().pixels) << "its frogs and cars move";
    PressEscape();
  });
  run.Play();
  EXPECT_FALSE(IsWindow(run.Application().MainWindowHandle()));
  EXPECT_EQ(1, platform_test::SoundStopCount()) << "closing stops the sound";
}

// A straight road a few cells from the middle, where the frogs come out: a
// cell that takes a block, and the block's orientation there.
RoadBlock StraightCellNearTheMiddle(const CRoadMap& map) {
  for (int row = 29; row <= 35; ++row) {
    for (int column = 27; column <= 37; ++column) {
      CellExits exits = map.GetCell(column, row);
      bool westEast = exits.west && exits.east && !exits.north && !exits.south;
      bool northSouth = !exits.west && !exits.east && exits.north && exits.south;
      bool awayFromTheMiddle = std::abs(column - 32) + std::abs(row - 32) > 2;
      if ((westEast || northSouth) && awayFromTheMiddle) return {column, row, westEast ? 1 : 0};
    }
  }
  ADD_FAILURE() << "no straight road near the middle";
  return {};
}

TEST_F(Application, APressTogglesTheBlockUnderTheCursorAndHoldingAWidensTheView) {
  const std::uint32_t seed = Foretell(false, 200).seed;
  const RoadBlock cell = StraightCellNearTheMiddle(CSimulation(seed, {}).Game().GetRoadMap());
  const int cellX = int(512 + CRoadMap::CentreOf(cell.column) * pixelsPerUnit);
  const int cellY = int(384 + CRoadMap::CentreOf(cell.row) * pixelsPerUnit);
  ScratchFolder::Write("Highscore.dat", StoredResult(12, 88));
  ApplicationRun run(seed);
  const struct {
    MouseButton button;
    bool down;
    bool blocked;
    const char* what;
  } changes[] = {
      {MouseButton::Left, true, true, "a press puts a block on the cell"},
      {MouseButton::Left, false, true, "its release leaves it"},
      {MouseButton::Right, true, true, "the right button leaves it"},
      {MouseButton::Right, false, true, "the right button leaves it"},
      {MouseButton::Left, true, false, "the next press takes it away"},
      {MouseButton::Left, false, false, "its release leaves the cell free"},
  };
  PresentedFrame titleScreen;
  run.ThenWaitForTitleScreen();
  run.ThenDo([&] { titleScreen = run.Frame(); });
  run.ThenStartGame();
  run.ThenDo([&] {
    EXPECT_TRUE(ShowsCount(titleScreen, u"FrogSaved", 12, 200, 600)) << "the stored best";
    EXPECT_TRUE(ShowsCount(titleScreen, u"FrogSplatted", 88, 600, 600)) << "the stored best";
  });
  for (const auto& change : changes) {
    // A button works on the cell under the cursor as the last tick found it;
    // with the cursor gone again, the cell shows what stands on it.
    run.ThenDo([&] { platform_test::InjectMouseMove(cellX, cellY); });
    run.ThenWaitTicks(1);
    run.ThenDo([&] {
      platform_test::InjectMouseButton(change.button, change.down);
      platform_test::InjectMouseMove(553, 425);  // the middle of a cell that is never road
    });
    run.ThenWaitTicks(1);
    run.ThenDo(
        [&] { EXPECT_EQ(change.blocked, bool(ShowsRoadBlock(run.Frame(), cell))) << change.what; });
  }
  run.ThenDo([] { platform_test::InjectKeyDown('A'); });
  run.ThenWaitTicks(40);
  run.ThenDo([&] {
    EXPECT_TRUE(IsFilled(run.Frame(), 0, 0, 100, 768, groundColour)) << "the town's surroundings";
    platform_test::InjectKeyUp('A');
  });
  run.ThenWaitTicks(40);
  run.ThenDo([&] {
    EXPECT_FALSE(IsFilled(run.Frame(), 0, 0, 100, 768, groundColour)) << "back at rest";
    PressEscape();
  });
  run.Play();
}

// The suites that run the preloader's thread beside the main thread also run
// under ThreadSanitizer.
class ApplicationThreads : public Application {};

// Holds the preloader's thread at one file of Data\: the file is replaced by an
// empty named pipe, and opening a pipe for reading waits until someone opens
// it for writing. Open() lets the reader through, to find nothing to read.
class FileGate {
 public:
  explicit FileGate(const fs::path& file) : file_(file) {
    fs::remove(file_);
    ::mkfifo(file_.c_str(), 0644);
  }
  ~FileGate() { Passed(); }

  // From another thread, after `delay`: waits for the reader, then closes.
  // Opening an open gate changes nothing.
  void Open(std::chrono::milliseconds delay = std::chrono::milliseconds(0)) {
    if (writer_.joinable()) return;
    writer_ = std::thread([this, delay] {
      std::this_thread::sleep_for(delay);
      // Without a reader, a non-blocking open for writing fails with ENXIO.
      int pipe = -1;
      while ((pipe = ::open(file_.c_str(), O_WRONLY | O_NONBLOCK)) < 0) {
        if (errno != ENXIO || givingUp_) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      passed_ = true;
      ::close(pipe);
    });
  }
  // Stops waiting for a reader and tells whether one came through. Asked
  // after the reader's side is done, so the answer does not depend on how the
  // threads were scheduled.
  bool Passed() {
    givingUp_ = true;
    if (writer_.joinable()) writer_.join();
    return passed_;
  }

 private:
  fs::path file_;
  std::atomic<bool> givingUp_{false};
  std::atomic<bool> passed_{false};
  std::thread writer_;
};

// Holds the preloader's thread before its first picture: another thread asks
// the application for a picture whose file is a pipe that nobody writes to
// yet, and the sprite registry stays locked while that load waits. Opening the
// gate fails that load (a pipe is no bitmap) and lets the preloader go on.
struct FirstStageHold {
  explicit FirstStageHold(CApplication& application) : application(application) {
    // A platform thread, as the preloader's is: it gives back what the
    // bitmap reader keeps per thread.
    holder = CreateThread(nullptr, 0, &FirstStageHold::Hold, this, 0, nullptr);
    while (!holding) std::this_thread::yield();
    // The load takes the registry's lock at once and then waits in the pipe.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ~FirstStageHold() {
    gate.Open();
    WaitForSingleObject(holder, INFINITE);
    CloseHandle(holder);
  }
  static DWORD WINAPI Hold(LPVOID self) {
    auto* hold = static_cast<FirstStageHold*>(self);
    hold->holding = true;
    EXPECT_THROWS_MESSAGE(hold->application.LoadSprite(u"Hold"), u"LoadImage() failed");
    return 0;
  }

  CApplication& application;
  FileGate gate{"Data/Hold.bmp"};
  std::atomic<bool> holding{false};
  HANDLE holder;
};

// Loading runs in two stages: the title screen's pictures, then the game's.
TEST_F(ApplicationThreads, StartsNoGameWhileLoadingAndWaitsForThePreloaderWhenItEnds) {
  FileGate secondStage("Data/Splat.wav");
  {
    ApplicationRun run(1);
    FirstStageHold firstStage(run.Application());
    run.ThenWaitTicks(3);
    run.ThenDo([&] {
      EXPECT_TRUE(IsFilled(run.Frame(), 0, 0, 1024, 768, clearColour)) << "an empty frame";
      PressKey(VK_RETURN);
    });
    run.ThenWaitTicks(2);
    run.ThenDo([&] {
      EXPECT_TRUE(IsFilled(run.Frame(), 0, 0, 1024, 768, clearColour)) << "Enter starts no game";
      firstStage.gate.Open();
    });
    run.ThenWaitForTitleScreen();
    run.ThenDo([&] { PressKey(VK_RETURN); });
    run.ThenWaitTicks(3);
    run.ThenDo([&] {
      EXPECT_FALSE(ShowsAGame(run.Frame())) << "Enter starts no game while loading";
      PressEscape();
      // The preloader finishes only while the application is being deleted.
      secondStage.Open(std::chrono::milliseconds(50));
    });
    run.Play();
  }
  EXPECT_TRUE(secondStage.Passed()) << "the application went before its preloader";
}

}  // namespace
