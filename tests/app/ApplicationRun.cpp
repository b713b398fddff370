#include "ApplicationRun.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>

#include "FrameChecks.h"
#include "assets/Catalogue.h"
#include "platform/testing/HeadlessControls.h"

namespace fs = std::filesystem;

namespace {

// Real time a step may wait, for instance for the preloader's thread.
constexpr std::chrono::seconds stepPatience(60);

// Drawn on first use, removed when the test program ends.
struct DrawnData {
  fs::path path =
      fs::temp_directory_path() / ("marrowick-data-" + std::to_string(std::random_device()()));
  DrawnData() { assets::WriteData(path); }
  ~DrawnData() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
  }
};

}  // namespace

void CopyGameData(const fs::path& folder) {
  static const DrawnData data;
  fs::copy(data.path, folder / "Data", fs::copy_options::recursive);
}

void PressKey(int virtualKey) {
  platform_test::InjectKeyDown(virtualKey);
  platform_test::InjectKeyUp(virtualKey);
}

ApplicationRun::ApplicationRun(std::uint32_t seed) {
  platform_test::ResetHeadless();
  application_ = std::make_unique<CApplication>(nullptr, seed);
}

ApplicationRun::~ApplicationRun() {
  application_.reset();
  platform_test::ResetHeadless();
}

void ApplicationRun::ThenDo(std::function<void()> action) {
  Then([action] {
    action();
    return true;
  });
}

void ApplicationRun::ThenWaitTicks(int ticks) {
  Then([this, ticks, until = -1]() mutable {
    if (until < 0) until = Ticks() + ticks;
    return Ticks() >= until;
  });
}

void ApplicationRun::ThenWaitForTitleScreen() {
  // Read now: the bitmap reader must not run on two threads at once, and the
  // preloader's thread uses it while the application runs.
  std::shared_ptr<CBitmap> title = frame_checks::Picture(u"Title");
  Then([this, title] { return frame_checks::ShowsPicture(Frame(), *title, 0, 0); });
}

void ApplicationRun::ThenStartGame() {
  Then([this, pressedInTick = -1]() mutable {
    if (frame_checks::ShowsAGame(Frame())) return true;
    // Once a tick at most, so that the clock moves on.
    if (Ticks() > pressedInTick) {
      platform_test::InjectMouseMove(512, 384);
      PressKey(VK_RETURN);
      pressedInTick = Ticks();
    }
    return false;
  });
}

void ApplicationRun::Play() {
  platform_test::SetIdleHandler([this] { OnIdle(); });
  stepStarted_ = std::chrono::steady_clock::now();
  application_->Run();
  platform_test::SetIdleHandler(nullptr);
  EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps of the script did not run";
}

int ApplicationRun::Ticks() const {
  return platform_test::PresentedFrameCount(application_->MainWindowHandle());
}

platform_test::PresentedFrame ApplicationRun::Frame() const {
  return platform_test::LastPresentedFrame(application_->MainWindowHandle());
}

void ApplicationRun::OnIdle() {
  if (abandoned_) return;
  if (steps_.empty()) return Abandon("the script ended with the window still open");
  // Steps that are done make way for the next at once, before the next tick.
  while (!steps_.empty() && steps_.front()()) {
    steps_.pop_front();
    stepStarted_ = std::chrono::steady_clock::now();
  }
  if (steps_.empty()) return;
  if (std::chrono::steady_clock::now() - stepStarted_ > stepPatience) {
    return Abandon("a step waited too long");
  }
  // The step may wait for the preloader's thread: the main thread waits kindly.
  std::this_thread::sleep_for(std::chrono::microseconds(300));
}

void ApplicationRun::Abandon(const char* why) {
  ADD_FAILURE() << why << " (after " << Ticks() << " ticks)";
  abandoned_ = true;
  platform_test::PressCloseButton();
}
