// A whole application on the headless backend, run on the test's own thread
// with a script that plays its user. Run() blocks in the message loop; each
// time the loop finds no message, the script goes on from its current step
// until a step is not done yet, and then the virtual clock moves on to the
// next tick. A step that is not done runs again after the next tick (or after
// the input it injected has been handled).
//
// The current directory must hold Data\.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/Application.h"
#include "platform/testing/HeadlessFrames.h"

class ApplicationRun {
 public:
  // A step returns true when it is done; until then it runs again after the
  // next tick.
  using Step = std::function<bool()>;

  explicit ApplicationRun(std::uint32_t seed);
  // Deletes the application (which waits for its preloader) and resets the
  // headless platform.
  ~ApplicationRun();

  CApplication& Application() { return *application_; }

  void Then(Step step) { steps_.push_back(std::move(step)); }
  void ThenDo(std::function<void()> action);
  void ThenWaitTicks(int ticks);
  void ThenWaitForTitleScreen();
  // Presses Enter, with the mouse at rest in the middle of the window, until
  // a game is drawn (Enter counts only once loading is done).
  void ThenStartGame();

  // Runs the application until its window is gone. A script that ends while
  // the window is open, or a step that waits more than a while, fails the
  // test, and the window is closed.
  void Play();

  // Ticks drawn so far: every tick presents one frame.
  int Ticks() const;
  platform_test::PresentedFrame Frame() const;

 private:
  void OnIdle();
  void Abandon(const char* why);

  std::unique_ptr<CApplication> application_;
  std::deque<Step> steps_;
  std::chrono::steady_clock::time_point stepStarted_;
  bool abandoned_ = false;
};

// A key's press and release, handled before the next tick.
void PressKey(int virtualKey);

// Copies every file of the game's Data\ into `folder`/Data. The game's
// pictures and sounds are drawn once per test run by the Data/ generator.
void CopyGameData(const std::filesystem::path& folder);
