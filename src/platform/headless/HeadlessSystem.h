// The headless backend: no window system at all. Windows exist only in the
// stand-ins' tables, the screen has a size set by tests, the clock is virtual,
// and input comes from the test controls (HeadlessControls.h).
//
// Leaves out: everything visible. The virtual clock moves only when a test
// advances it or when GetMessageW would wait for a timer: then it jumps to the
// timer's due time at once, so timer-driven programs run at full speed and
// always the same way.
#pragma once

#include <functional>
#include <mutex>

#include "platform/posix/WindowSystem.h"

namespace platform::headless {

class HeadlessSystem final : public WindowSystem {
 public:
  static HeadlessSystem& Instance();

  std::int64_t Now() override;
  ScreenSize PrimaryScreenSize() override;
  bool CreateNativeWindow(HWND window, const RECT& clientArea) override;
  void DestroyNativeWindow(HWND window) override;
  void SetNativeTitle(HWND window, LPCWSTR title) override;
  void ShowNativeWindow(HWND window, bool visible) override;
  POINT CursorPosition() override;
  void ShowSystemCursor(bool shown) override;
  void PumpEvents() override;
  // Runs the idle handler; then, if nothing was queued, jumps the clock to the
  // deadline or, without one, sleeps until another thread wakes the queue.
  void Wait(MessageQueue& queue, std::optional<std::int64_t> deadline) override;
  void Wake(MessageQueue& queue) override;

  void SetScreenSize(ScreenSize size);
  void SetCursorPosition(POINT position);
  void AdvanceClock(std::int64_t milliseconds);
  void SetIdleHandler(std::function<void()> handler);
  // Back to the state of a fresh process.
  void Reset();

 private:
  HeadlessSystem();

  std::mutex lock_;
  std::int64_t clock_ = 0;
  ScreenSize screen_;
  POINT cursor_{};
  std::function<void()> idleHandler_;
};

}  // namespace platform::headless
