#include "Player.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "FrameChecks.h"
#include "platform/testing/HeadlessControls.h"

namespace {

constexpr int keyA = 65;

// A game frame shows the ground or a road in the top-left corner, where the
// title screen and the loading frames show the clear colour.
bool ShowsAGame(const PresentedFrame& frame) {
  return frame.width > 0 && frame.Colour(5, 5) != frame_checks::clearColour;
}

// While the preloader's thread works, the main thread waits kindly.
void LetTheLoaderWork() { std::this_thread::sleep_for(std::chrono::microseconds(300)); }

}  // namespace

Player::Player(std::uint32_t seed) : run_(seed), shadow_(seed) {
  run_.EveryTick([this] { MirrorTick(); });
}

void Player::MirrorTick() {
  if (!playing_) return;
  if (!shadow_.Tick(mouseX_, mouseY_, zoomKeyHeld_)) {
    playing_ = false;
    gameEndedInTick_ = run_.Ticks();
  }
}

void Player::ThenWaitForTitleScreen() {
  auto title = std::shared_ptr<CBitmap>(frame_checks::Picture(u"Title"));
  run_.Then([this, title] {
    if (frame_checks::ShowsSprite(run_.Frame(), *title, 512, 384, 0.5, 0.5)) return true;
    LetTheLoaderWork();
    return false;
  });
}

void Player::ThenStartGame() {
  run_.Then([this] {
    bool answered = enterPressedInTick_ >= 0 && run_.Ticks() > enterPressedInTick_;
    if (answered && ShowsAGame(run_.Frame())) {
      // The game was made before the tick after Enter, which was its first.
      EXPECT_EQ(enterPressedInTick_ + 1, run_.Ticks());
      enterPressedInTick_ = -1;
      shadow_.Start();
      playing_ = true;
      MirrorTick();
      return true;
    }
    if (enterPressedInTick_ < 0 || answered) {
      // Every tick of the game polls the cursor: keep it where the shadow has it.
      MoveMouse(mouseX_, mouseY_);
      PressEnter();
      enterPressedInTick_ = run_.Ticks();
    }
    LetTheLoaderWork();
    return false;
  });
}

void Player::ThenPlayToTheEnd() {
  run_.Then([this] { return !playing_; });
}

void Player::MoveMouse(int x, int y) {
  platform_test::InjectMouseMove(x, y);
  mouseX_ = x;
  mouseY_ = y;
}

void Player::Click() {
  platform_test::InjectMouseButton(platform_test::MouseButton::Left, true);
  platform_test::InjectMouseButton(platform_test::MouseButton::Left, false);
  if (playing_) shadow_.Game().ToggleRoadBlock();
}

void Player::RightClick() {
  platform_test::InjectMouseButton(platform_test::MouseButton::Right, true);
  platform_test::InjectMouseButton(platform_test::MouseButton::Right, false);
}

void Player::HoldZoomKey(bool held) {
  if (held) {
    platform_test::InjectKeyDown(keyA);
  } else {
    platform_test::InjectKeyUp(keyA);
  }
  zoomKeyHeld_ = held;
}

void Player::PressEnter() {
  platform_test::InjectKeyDown(VK_RETURN);
  platform_test::InjectKeyUp(VK_RETURN);
}

void Player::PressEscape() { platform_test::InjectKeyDown(VK_ESCAPE); }
