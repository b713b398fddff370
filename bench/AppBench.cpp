// The whole application on the headless backend, run from a scratch folder
// that sees the Data/ of the build:
// - one tick of a running game as the timer runs it (update and frame), at
//   rest and with the view widened as far as holding A takes it;
// - start-up: from making the application to its first title-screen frame,
//   and to the end of loading.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "SeededStuff.h"
#include "SimulationHost.h"
#include "app/Application.h"
#include "game/Game.h"
#include "platform/testing/HeadlessControls.h"
#include "platform/testing/HeadlessFrames.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::uint32_t clearColour = 0xFFFFFE;
constexpr int keyA = 65;
// Holding A widens the view to its widest within about 60 ticks. A game
// lasts some 1,900 ticks: every measured tick is one of a running game.
constexpr int ticksToSettle = 60;
constexpr int measuredTicks = 500;

class BenchFolder {
 public:
  BenchFolder()
      : previous_(fs::current_path()),
        path_(fs::temp_directory_path() /
              ("marrowick-bench-" + std::to_string(std::random_device()()))) {
    fs::create_directories(path_);
    fs::create_directory_symlink(MARROWICK_DATA_DIR, path_ / "Data");
    fs::current_path(path_);
  }
  ~BenchFolder() {
    fs::current_path(previous_);
    fs::remove_all(path_);
  }

 private:
  fs::path previous_;
  fs::path path_;
};

// The title screen's frames are the clear colour at the corners, a game's are not.
bool ShowsAGame(const platform_test::PresentedFrame& frame) {
  return frame.width > 0 && frame.Colour(5, 5) != clearColour;
}

bool ShowsAnything(const platform_test::PresentedFrame& frame) {
  for (std::size_t i = 0; i < frame.pixels.size(); i += 17) {
    if ((frame.pixels[i] & 0xFFFFFF) != clearColour) return true;
  }
  return false;
}

// Presses Enter once per tick, with the mouse in the middle of the window:
// input comes before the timer, so input whenever the loop waits would keep
// the next tick from ever coming.
class EnterPresser {
 public:
  void PressOncePerTick(CApplication& application) {
    int ticks = platform_test::PresentedFrameCount(application.MainWindowHandle());
    if (ticks == pressedInTick_) return;
    pressedInTick_ = ticks;
    platform_test::InjectMouseMove(512, 384);  // where a game's camera rests
    platform_test::InjectKeyDown(VK_RETURN);
    platform_test::InjectKeyUp(VK_RETURN);
  }

 private:
  int pressedInTick_ = -1;
};

// A seed whose game, with the mouse at rest, outlasts `ticks` ticks.
std::uint32_t SeedOfAGameLonger(int ticks) {
  for (std::uint32_t seed = 1;; ++seed) {
    CSeededStuff random(seed);
    CSimulationHost host(random);
    CGame game(&host);
    int tick = 0;
    for (; tick < ticks && !host.Result(); ++tick) game.Update();
    if (tick == ticks) return seed;
  }
}

// Runs the application until `onIdle` presses Escape; `onIdle` gets the
// application and its last frame whenever the message loop waits.
void RunApplication(
    std::uint32_t seed,
    const std::function<void(CApplication&, const platform_test::PresentedFrame&)>& onIdle) {
  platform_test::ResetHeadless();
  platform_test::ForgetPresentedFrames();
  CApplication application(nullptr, seed);
  platform_test::SetIdleHandler([&] {
    onIdle(application, platform_test::LastPresentedFrame(application.MainWindowHandle()));
  });
  application.Run();
  platform_test::SetIdleHandler(nullptr);
}

// Starts a game, lets the view settle (widest while A is held), then runs
// the measured ticks as the timer would.
class TickMeasurement {
 public:
  TickMeasurement(benchmark::State& state, bool zoomedOut) : state_(state), zoomedOut_(zoomedOut) {}

  void OnIdle(CApplication& application, const platform_test::PresentedFrame& frame) {
    if (done_) return;
    if (!ShowsAGame(frame)) {
      enter_.PressOncePerTick(application);
      std::this_thread::sleep_for(std::chrono::microseconds(300));
      return;
    }
    if (zoomedOut_ && !zoomKeyDown_) {
      platform_test::InjectKeyDown(keyA);  // handled before the next tick
      zoomKeyDown_ = true;
      return;
    }
    for (int tick = 0; tick < ticksToSettle; ++tick) application.OnTimer();
    for (auto _ : state_) application.OnTimer();
    done_ = true;
    platform_test::InjectKeyDown(VK_ESCAPE);
  }

 private:
  benchmark::State& state_;
  bool zoomedOut_;
  EnterPresser enter_;
  bool zoomKeyDown_ = false;
  bool done_ = false;
};

void BM_GameTick(benchmark::State& state) {
  BenchFolder folder;
  TickMeasurement measurement(state, state.range(0) != 0);
  RunApplication(
      SeedOfAGameLonger(ticksToSettle + measuredTicks + 100),
      [&measurement](CApplication& application, const platform_test::PresentedFrame& frame) {
        measurement.OnIdle(application, frame);
      });
}
BENCHMARK(BM_GameTick)
    ->Iterations(measuredTicks)
    ->ArgName("zoomedOut")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Seconds from making the application until `reached` holds for a frame;
// `onIdle` runs whenever the loop waits before that.
double SecondsUntil(const std::function<bool(const platform_test::PresentedFrame&)>& reached,
                    const std::function<void(CApplication&)>& onIdle) {
  Clock::time_point start = Clock::now();
  double seconds = -1;
  RunApplication(1, [&](CApplication& application, const platform_test::PresentedFrame& frame) {
    if (seconds >= 0) return;
    if (reached(frame)) {
      seconds = std::chrono::duration<double>(Clock::now() - start).count();
      platform_test::InjectKeyDown(VK_ESCAPE);
      return;
    }
    onIdle(application);
  });
  return seconds;
}

// To the first frame of the title screen: the first that is not empty.
void BM_StartUpToTitleScreen(benchmark::State& state) {
  BenchFolder folder;
  for (auto _ : state) state.SetIterationTime(SecondsUntil(ShowsAnything, [](CApplication&) {}));
}
BENCHMARK(BM_StartUpToTitleScreen)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

// To the end of loading: Enter, pressed in every tick, starts a game in the
// first tick after it, so this is the end of loading plus at most one tick
// (with the first game's construction and frame).
void BM_StartUpToLoaded(benchmark::State& state) {
  BenchFolder folder;
  for (auto _ : state) {
    EnterPresser enter;
    state.SetIterationTime(SecondsUntil(
        ShowsAGame, [&enter](CApplication& application) { enter.PressOncePerTick(application); }));
  }
}
BENCHMARK(BM_StartUpToLoaded)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
