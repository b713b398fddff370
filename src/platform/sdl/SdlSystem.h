// The SDL2 backend: real windows, keyboard, mouse and cursor through SDL2's
// video subsystem.
//
// SDL's video starts on the first thread that needs it (the first window, the
// screen size or the cursor): that must be the program's main thread, which
// also runs the message loop and owns the windows. Its GetMessageW waits in
// SDL_WaitEventTimeout; a post from another thread wakes it with an SDL user
// event. Other threads wait on their queue alone.
//
// Windows are made hidden, not resizable, with their client area where the
// stand-ins place it; SDL's window title follows the window text. The close
// button posts WM_CLOSE. The cursor is hidden while ShowCursor's count is
// negative. The screen is SDL's first display. Without a display (SDL finds
// only its offscreen driver, and nobody asked for that one) there is no video:
// windows cannot be made.
// Leaves out: the other displays, minimising and maximising (the window
// manager's own buttons do what it likes), focus and activation messages,
// the middle mouse button and the wheel; keys without a virtual key in
// SdlInput.h give no message.
#pragma once

#include <SDL.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "platform/posix/WindowSystem.h"

namespace platform::sdl {

class SdlSystem final : public WindowSystem {
 public:
  static SdlSystem& Instance();

  std::int64_t Now() override;
  ScreenSize PrimaryScreenSize() override;
  bool CreateNativeWindow(HWND window, const RECT& clientArea) override;
  void DestroyNativeWindow(HWND window) override;
  void SetNativeTitle(HWND window, LPCWSTR title) override;
  void ShowNativeWindow(HWND window, bool visible) override;
  POINT CursorPosition() override;
  void ShowSystemCursor(bool shown) override;
  void PumpEvents() override;
  void Wait(MessageQueue& queue, std::optional<std::int64_t> deadline) override;
  void Wake(MessageQueue& queue) override;

  SDL_Window* WindowFor(HWND window);

 private:
  SdlSystem();

  // Starts SDL's video on the calling thread the first time; false when SDL
  // has no video to offer.
  bool VideoStarted();
  bool IsEventThread();
  HWND WindowOfId(Uint32 windowId);

  const std::chrono::steady_clock::time_point start_;
  std::mutex lock_;
  bool videoTried_ = false;
  bool videoStarted_ = false;
  std::thread::id eventThread_;
  Uint32 wakeEvent_ = 0;
  std::unordered_map<HWND, SDL_Window*> windows_;
};

}  // namespace platform::sdl
