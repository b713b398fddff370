#include "ApplicationRun.h"

#include <gtest/gtest.h>

#include "platform/testing/HeadlessControls.h"
#include "platform/testing/HeadlessSound.h"

namespace {

// Real time a step may wait, for instance for the preloader's thread.
constexpr std::chrono::seconds stepPatience(60);

void ResetPlatform() {
  platform_test::ResetHeadless();
  platform_test::ForgetPresentedFrames();
  platform_test::ClearSoundRecord();
}

}  // namespace

ApplicationRun::ApplicationRun(std::uint32_t seed) {
  ResetPlatform();
  application_ = std::make_unique<CApplication>(nullptr, seed);
}

ApplicationRun::~ApplicationRun() {
  platform_test::SetIdleHandler(nullptr);
  application_.reset();
  ResetPlatform();
}

void ApplicationRun::ThenDo(std::function<void()> action) {
  Then([action] {
    action();
    return true;
  });
}

void ApplicationRun::ThenWaitTicks(int ticks) {
  auto until = std::make_shared<int>(-1);
  Then([this, until, ticks] {
    if (*until < 0) *until = Ticks() + ticks;
    return Ticks() >= *until;
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
  for (; ticksSeen_ < Ticks(); ++ticksSeen_) {
    if (everyTick_) everyTick_();
  }
  if (steps_.empty()) return Abandon("the script ended with the window still open");
  // Steps that are done make way for the next at once, before the next tick.
  while (!steps_.empty() && steps_.front()()) {
    steps_.pop_front();
    stepStarted_ = std::chrono::steady_clock::now();
  }
  if (!steps_.empty() && std::chrono::steady_clock::now() - stepStarted_ > stepPatience) {
    Abandon("a step waited too long");
  }
}

void ApplicationRun::Abandon(const char* why) {
  ADD_FAILURE() << why << " (after " << Ticks() << " ticks)";
  abandoned_ = true;
  platform_test::PressCloseButton();
}
