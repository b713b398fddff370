// The whole application on the headless backend, run from a scratch folder
// that sees the Data/ of the build:
// - one tick of a running game as the timer runs it (update and frame), at
//   rest and with the view widened as far as holding A takes it;
// - start-up: from making the application to its first title-screen frame
//   (the manual time) and to the end of loading (the counter loaded_ms).
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
#include "platform/HeadlessControls.h"
#include "platform/HeadlessFrames.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::uint32_t clearColour = 0xFFFFFE;
constexpr int keyA = 65;

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

void PressEnter() {
  platform_test::InjectKeyDown(VK_RETURN);
  platform_test::InjectKeyUp(VK_RETURN);
}

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

void BM_GameTick(benchmark::State& state) {
  const bool zoomedOut = state.range(0) != 0;
  BenchFolder folder;
  enum class Phase { Starting, Settling, Done } phase = Phase::Starting;
  RunApplication(SeedOfAGameLonger(3000),
                 [&](CApplication& application, const platform_test::PresentedFrame& frame) {
                   switch (phase) {
                     case Phase::Starting:
                       if (!ShowsAGame(frame)) {
                         platform_test::InjectMouseMove(512, 384);
                         PressEnter();
                         std::this_thread::sleep_for(std::chrono::microseconds(300));
                         return;
                       }
                       if (zoomedOut) platform_test::InjectKeyDown(keyA);
                       phase = Phase::Settling;
                       return;
                     case Phase::Settling:
                       for (int tick = 0; tick < 60; ++tick)
                         application.OnTimer();  // the zoom settles
                       for (auto _ : state) application.OnTimer();
                       phase = Phase::Done;
                       platform_test::InjectKeyDown(VK_ESCAPE);
                       return;
                     case Phase::Done: return;
                   }
                 });
}
BENCHMARK(BM_GameTick)
    ->ArgName("zoomedOut")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_StartUp(benchmark::State& state) {
  BenchFolder folder;
  double loadedTotal = 0;
  for (auto _ : state) {
    Clock::time_point start = Clock::now();
    double titleSeconds = -1;
    double loadedSeconds = -1;
    double enterPressed = 0;
    auto elapsed = [start] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    RunApplication(1, [&](CApplication&, const platform_test::PresentedFrame& frame) {
      if (titleSeconds < 0 && ShowsAnything(frame)) titleSeconds = elapsed();
      if (loadedSeconds >= 0) return;
      if (ShowsAGame(frame)) {
        // Enter starts a game only once loading has ended.
        loadedSeconds = enterPressed;
        platform_test::InjectKeyDown(VK_ESCAPE);
        return;
      }
      enterPressed = elapsed();
      PressEnter();
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    });
    state.SetIterationTime(titleSeconds);
    loadedTotal += loadedSeconds;
  }
  state.counters["loaded_ms"] = benchmark::Counter(1000 * loadedTotal / state.iterations());
}
BENCHMARK(BM_StartUp)
    ->UseManualTime()
    ->Iterations(10)
    ->Repetitions(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
