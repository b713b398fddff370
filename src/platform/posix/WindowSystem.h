// What a backend gives the user32 stand-ins: the clock, the screen, the native
// side of each window, the cursor, and how a thread waits for its messages.
// The stand-ins keep windows, classes, queues, timers and key states
// themselves; a backend only turns its own events into messages (InputState.h).
//
// Each backend library defines MarrowickWindowSystem(); a program links
// exactly one backend.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/posix/WinUser.h"

namespace platform {

class MessageQueue;

struct ScreenSize {
  int width;
  int height;
};

class WindowSystem {
 public:
  // Milliseconds on the clock that timers and message times follow.
  virtual std::int64_t Now() = 0;
  virtual ScreenSize PrimaryScreenSize() = 0;

  // The native side of a window, made hidden with its client area at the given
  // screen rectangle. False when the window system cannot make one.
  virtual bool CreateNativeWindow(HWND window, const RECT& clientArea) = 0;
  virtual void DestroyNativeWindow(HWND window) = 0;
  virtual void SetNativeTitle(HWND window, LPCWSTR title) = 0;
  virtual void ShowNativeWindow(HWND window, bool visible) = 0;

  // The cursor in screen coordinates.
  virtual POINT CursorPosition() = 0;
  virtual void ShowSystemCursor(bool shown) = 0;

  // Turns the window system's pending events into messages. GetMessageW calls
  // it on its own thread before it looks at its queue.
  virtual void PumpEvents() = 0;
  // Waits on the calling thread, whose queue `queue` is, until the queue is
  // woken or the clock reaches `deadline`; it may return early.
  virtual void Wait(MessageQueue& queue, std::optional<std::int64_t> deadline) = 0;
  // Called from any thread after a message was queued for `queue`.
  virtual void Wake(MessageQueue& queue) = 0;

 protected:
  ~WindowSystem() = default;
};

}  // namespace platform

// The linked backend (see src/platform/CMakeLists.txt).
platform::WindowSystem& MarrowickWindowSystem();
